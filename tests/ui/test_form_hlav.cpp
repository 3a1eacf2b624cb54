#include "ui/FormHlav.h"

#include <QLabel>
#include <QProgressBar>
#include <QtTest>

#include <map>

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
        auto* label = form.findChild<QLabel*>("LabelHlaseni");
        QVERIFY(label);
        QCOMPARE(form.findChild<QLabel*>("LabelHlaseni"), label);
        QVERIFY(!form.findChild<QProgressBar*>("LabelHlaseni"));

        label->setObjectName("LabelRenamed");
        QVERIFY(!form.findChild<QLabel*>("LabelHlaseni"));
        QCOMPARE(form.findChild<QLabel*>("LabelRenamed"), label);

        delete label;
        QVERIFY(!form.findChild<QLabel*>("LabelRenamed"));
    }

    // The table holds the controls in the record's own order, each spinner 138 places after its
    // edit, the room for channels 3 and 4 empty.
    void controlTableFollowsTheRecordOrder() {
        TFormHlav form;
        form.FillControlTable();
        auto nameAt = [&form](int index) {
            const QObject* entry = form.ControlTable(index);
            return entry ? entry->objectName() : QString();
        };
        std::map<int, QString> expected;
        for (int i = 0; i < 20; ++i)
            expected[i] = QString("MenuCom%1").arg(i + 1);
        const char* const lobes[][2] = {{"CheckBoxPalec1ZacH2", "CheckBoxPalec2ZacH2"},
                                        {"CheckBoxPalec1EndH2", "CheckBoxPalec2EndH2"},
                                        {"CheckBoxPalec1ZacP2", "CheckBoxPalec2ZacP2"},
                                        {"CheckBoxPalec1EndP2", "CheckBoxPalec2EndP2"},
                                        {"LabelAdvance1", "LabelAdvance2"}};
        for (int group = 0; group < 5; ++group) {
            for (int channel = 0; channel < 2; ++channel)
                expected[20 + 4 * group + channel] = lobes[group][channel];
        }
        const auto spin = [&expected](int index, const QString& name) {
            expected[index] = "Edit" + name;
            expected[index + 138] = "UpDown" + name;
        };
        for (int channel = 1; channel <= 2; ++channel) {
            spin(49 + channel, QString("Palec%1Zac").arg(channel));
            spin(53 + channel, QString("Palec%1End").arg(channel));
        }
        for (int k = 1; k <= 10; ++k) {
            expected[39 + k] = QString("LabelTps%1").arg(k);
            spin(57 + k, QString("RpmAdv%1").arg(k));
            spin(167 + k, QString("RpmPriv%1").arg(k));
            spin(177 + k, QString("NapPriv%1").arg(k));
        }
        for (int cell = 0; cell < 100; ++cell)
            spin(68 + cell, QString::number(50 + cell));

        for (int index = 0; index < TFormHlav::kControlTableSize; ++index) {
            const auto found = expected.find(index);
            QCOMPARE(nameAt(index), found == expected.end() ? QString() : found->second);
        }
        QCOMPARE(form.ComItem(19), form.ControlTable(19));
    }

    // A new gauge value is painted by the event loop, not inside the call.
    void gaugePaintsAfterTheCall() {
        TFormHlav form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto* gauge = form.findChild<QProgressBar*>("CGaugeRpm");
        QTRY_VERIFY(gauge->isVisible());
        PaintCounter counter(gauge);

        TFormHlav::ApplyGauge(gauge, gauge->value() == 50 ? 60 : 50);
        QCOMPARE(counter.paints, 0);
        QTRY_VERIFY(counter.paints > 0);
    }
};

QTEST_MAIN(FormHlavTest)
#include "test_form_hlav.moc"
