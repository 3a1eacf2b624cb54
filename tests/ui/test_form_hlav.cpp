#include "ui/FormHlav.h"

#include <QLabel>
#include <QProgressBar>
#include <QtTest>

using namespace kx;

namespace {

struct PaintCounter : QObject {
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
    int paints = 0;
};

} // namespace

// The window's own helpers that the tick and the edit path call hundreds of times a minute.
class FormHlavTest : public QObject {
    Q_OBJECT

  private slots:
    // Found controls are remembered; a renamed or deleted one must not be handed out under its
    // old name, nor as a dangling pointer.
    void lookupFollowsRenamedAndDeletedControls() {
        TFormHlav form;
        auto* label = form.control<QLabel>("LabelHlaseni");
        QVERIFY(label);
        QCOMPARE(form.control<QLabel>("LabelHlaseni"), label);
        QVERIFY(!form.control<QProgressBar>("LabelHlaseni"));

        label->setObjectName("LabelRenamed");
        QVERIFY(!form.control<QLabel>("LabelHlaseni"));
        QCOMPARE(form.control<QLabel>("LabelRenamed"), label);

        delete label;
        QVERIFY(!form.control<QLabel>("LabelRenamed"));
    }

    // A new gauge value is painted by the event loop, not inside the call.
    void gaugePaintsAfterTheCall() {
        TFormHlav form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto* gauge = form.control<QProgressBar>("CGaugeRpm");
        QTRY_VERIFY(gauge->isVisible());
        PaintCounter counter(gauge);

        TFormHlav::ApplyGauge(gauge, gauge->value() == 50 ? 60 : 50);
        QCOMPARE(counter.paints, 0);
        QTRY_VERIFY(counter.paints > 0);
    }
};

QTEST_MAIN(FormHlavTest)
#include "test_form_hlav.moc"
