#include "present/LinkPresenter.h"
#include "texts/MessageTexts.h"
#include "ui/FormHlav.h"
#include "ui/widgets/FittingLabel.h"

#include <QHelpEvent>
#include <QLabel>
#include <QToolTip>
#include <QtTest>

using namespace kx;

// Captions change with the language and the live values; they must read whole where they are
// shown and never push the window wider.
class CaptionFitTest : public QObject {
    Q_OBJECT

  private slots:
    void everyStatusTextFitsOnOneLine();
    void longCaptionsLeaveTheWindowsWidth();
    void aLongPathKeepsItsFileName();
};

void CaptionFitTest::everyStatusTextFitsOnOneLine() {
    TFormHlav form;
    auto* label = static_cast<FittingLabel*>(form.controls().monitor.message);
    label->show();
    const struct {
        StatusMessage message;
        TransferMode failed;
    } states[] = {
        {StatusMessage::Programming, ModeIdle},  {StatusMessage::Verifying, ModeIdle},
        {StatusMessage::Reading, ModeIdle},      {StatusMessage::VerifyingWritten, ModeIdle},
        {StatusMessage::VerifyPassed, ModeIdle}, {StatusMessage::Programmed, ModeIdle},
        {StatusMessage::Saving, ModeIdle},       {StatusMessage::Failed, ModeProgram},
        {StatusMessage::Failed, ModeVerify},     {StatusMessage::Failed, ModeRead}};
    QStringList cut;
    for (uint8_t language = 0; language < kLanguageCount; ++language) {
        MessageTexts texts;
        LoadMessageTexts(texts, language);
        StatusPresenter presenter;
        TransferState state;
        for (const auto& shown : states) {
            state.message = shown.message;
            state.failedExchange = shown.failed;
            ++state.messageCount;
            TFormHlav::ApplyLabel(label, presenter.Present(state, texts).LabelHlaseni);
            if (label->shownText() != label->text() || label->shownFont() != label->font())
                cut << label->text();
        }
    }
    QCOMPARE(cut, QStringList());
}

void CaptionFitTest::longCaptionsLeaveTheWindowsWidth() {
    TFormHlav form;
    form.show();
    const int designWidth = form.width();
    MessageTexts german;
    LoadMessageTexts(german, 1);
    const FormControls& c = form.controls();
    c.frame.version->setText(QString::fromStdString(VersionMismatchText(german, 50, 149)));
    c.frame.version->show();
    const QString longest(80, QChar('W'));
    for (QLabel* live : {c.monitor.rpm, c.monitor.tps, c.monitor.advance[0], c.monitor.pickups[0],
                         c.monitor.killSwitch, c.monitor.message, c.frame.connection})
        live->setText(longest);
    QVERIFY(form.minimumSizeHint().width() <= designWidth);
    QVERIFY(form.sizeHint().width() <= designWidth);
}

void CaptionFitTest::aLongPathKeepsItsFileName() {
    TFormHlav form;
    form.show();
    auto* file = static_cast<FittingLabel*>(form.controls().bike.file);
    const QString path = "/home/workshop/customers/" + QString(20, QChar('x')) +
                         "/season 2026/dyno runs/second day/race-tune.ign";
    file->setText(path);
    form.controls().frame.pages->setCurrentIndex(1);
    QVERIFY(file->isVisible());
    const QString shown = file->shownText();
    QVERIFY2(shown.endsWith("/race-tune.ign") && shown.size() < path.size(), qPrintable(shown));
    QCOMPARE(file->text(), path);

    QHelpEvent hover(QEvent::ToolTip, QPoint(2, 2), file->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(file, &hover);
    QCOMPARE(QToolTip::text(), path);
}

QTEST_MAIN(CaptionFitTest)
#include "test_caption_fit.moc"
