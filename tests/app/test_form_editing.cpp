#include "config/EditorFields.h"
#include "support/FormBench.h"
#include "ui/widgets/MouseCheckBox.h"
#include "ui/widgets/UpDown.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QtTest>

#include <set>

using namespace kx;

class FormEditingTest : public QObject {
    Q_OBJECT

  private slots:
    void startsWithTheStartupRecord();
    void typedValueReachesItsField_data();
    void typedValueReachesItsField();
    void everySpinFieldChangesOnlyItsOwnByte();
    void everyCheckBoxChangesOnlyItsOwnByte();
    void keyboardToggleWaitsForTheNextReading();
    void rejectedTextKeepsTheValue_data();
    void rejectedTextKeepsTheValue();
    void arrowsStepWithinTheRange();
    void recordValuesShownClamped();
    void compensationOutsideTestMode();
    void listsAndRadioGroups();
    void enterMovesTheFocusOn();
    void newAsksFirst_data();
    void newAsksFirst();
    void bikeTypeSwitching();
    void showingNeverRunsEditHandling();
};

void FormEditingTest::startsWithTheStartupRecord() {
    FormBench b;
    QVERIFY(b.state.block == StartupBlock());
    QCOMPARE(b.get<QLineEdit>("EditOmez2")->text(), QString("11,000"));
    QCOMPARE(b.get<QLineEdit>("Edit50")->text(), QString("4"));
    QCOMPARE(b.get<QComboBox>("ComboBoxBike")->currentIndex(), 0);
    QCOMPARE(b.port.openCount(), 1);
    QVERIFY(b.form.ComItem(0)->isChecked()); // a first run uses Com 1
}

void FormEditingTest::typedValueReachesItsField_data() {
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("input1"); // the function that makes the field editable
    // Offsets and stored values written out here, so a wrong binding or scale is caught.
    QTest::newRow("start limiter") << "EditOmez1"
                                   << "9500" << 25 << 95 << 4;
    QTest::newRow("limiter") << "EditOmez2"
                             << "12,300" << 13 << 123 << 0;
    QTest::newRow("pilot light") << "EditPilotLight"
                                 << "9150" << 7 << 91 << 0;
    QTest::newRow("clutch time") << "EditClutchTime"
                                 << "250" << 27 << 25 << 2;
    QTest::newRow("clutch pause") << "EditClutchPause"
                                  << "1230" << 28 << 123 << 2;
    QTest::newRow("retard") << "EditRetard"
                            << "12" << 26 << 12 << 3;
    QTest::newRow("revolutions without ignition") << "EditPocSynchro"
                                                  << "7" << 10 << 7 << 0;
    QTest::newRow("tps 0 %") << "EditTps0"
                             << "640" << 20 << 64 << 0;
    QTest::newRow("tps 100 %") << "EditTps100"
                               << "4750" << 21 << 225 << 0;
    QTest::newRow("tps 100 % lowest") << "EditTps100"
                                      << "2500" << 21 << 0 << 0;
    QTest::newRow("tacho pulses") << "EditRpmPulsu"
                                  << "3" << 11 << 3 << 0;
    QTest::newRow("tacho correction") << "EditRpmKorekce"
                                      << "-60" << 12 << 40 << 0;
    QTest::newRow("base advance") << "EditBaseAdv"
                                  << "25" << 9 << 25 << 0;
    QTest::newRow("servo hysteresis") << "EditPrivHyster"
                                      << "1275" << 17 << 255 << 0;
    QTest::newRow("rpm axis 1") << "EditRpmAdv1"
                                << "300" << 90 << 3 << 0;
    QTest::newRow("rpm axis 10") << "EditRpmAdv10"
                                 << "20000" << 99 << 200 << 0;
    QTest::newRow("servo rpm 3") << "EditRpmPriv3"
                                 << "3500" << 72 << 35 << 0;
    QTest::newRow("servo mV 10") << "EditNapPriv10"
                                 << "5000" << 89 << 250 << 0;
    QTest::newRow("map cell row 9 column 3") << "Edit143"
                                             << "60" << 193 << 60 << 0;
    QTest::newRow("map cell row 9 column 9") << "Edit149"
                                             << "0" << 199 << 0 << 0;
}

void FormEditingTest::typedValueReachesItsField() {
    QFETCH(QString, edit);
    QFETCH(QString, text);
    QFETCH(int, offset);
    QFETCH(int, stored);
    QFETCH(int, input1);
    FormBench b;
    b.state.block.input1Function = uint8_t(input1);
    b.controller.ShowBlock();
    QVERIFY(b.get<QLineEdit>(qPrintable(edit))->isEnabled());
    b.typeAndEnter(qPrintable(edit), text);
    QCOMPARE(int(b.state.block[offset]), stored);
}

void FormEditingTest::everySpinFieldChangesOnlyItsOwnByte() {
    FormBench b;
    // A special keying with many lobes, so the lobe fields are editable and not repaired to 1,
    // and the throttle rows on, so every map row is shown.
    b.state.block.bike = 1;
    b.state.block.synchroMode = 1;
    b.state.block.lobeCount = 40;
    b.state.block.tpsMapa = 1;
    std::set<std::string> covered;
    // The start limiter, retard and clutch fields are editable only with their input function.
    for (const auto& [input1, input2] : {std::pair{4, 3}, std::pair{2, 0}}) {
        b.state.block.input1Function = uint8_t(input1);
        b.state.block.input2Function = uint8_t(input2);
        b.controller.ApplyChange(ChangeKind::Edit);
        for (const SpinFieldSpec& field : SpinFields()) {
            auto* edit = b.form.findChild<QLineEdit*>(QString::fromStdString(field.editName()));
            if (field.isCompensation() || !edit->isEnabled())
                continue; // compensation is forced to 11 outside the test mode
            auto* upDown = b.form.findChild<UpDown*>(QString::fromStdString(field.upDownName()));
            const int now = upDown->position();
            const int next = now + field.increment <= field.maximum ? now + field.increment
                                                                    : now - field.increment;
            const ConfigBlock before = b.state.block;
            b.typeAndEnter(field.editName().c_str(), QString::number(next));
            const ConfigBlock& after = b.state.block;
            int changed = 0;
            for (int i = 0; i < kRecordSize; ++i)
                changed += after[i] != before[i];
            QVERIFY2(changed == 1 && after[field.offset] != before[field.offset],
                     field.editName().c_str());
            covered.insert(field.name);
        }
    }
    QCOMPARE(covered.size(), SpinFields().size() - 2);
}

void FormEditingTest::everyCheckBoxChangesOnlyItsOwnByte() {
    FormBench b;
    b.state.block.bike = 1;
    b.state.block.synchroMode = 4; // keeps the second pick-up flags
    b.controller.ShowBlock();
    for (const CheckFieldSpec& field : CheckFields()) {
        auto* box = b.form.findChild<QCheckBox*>(QString::fromStdString(field.name));
        b.showPageOf(box);
        b.enableWithContainers(box); // the binding is tested here, not the view rules
        const ConfigBlock before = b.state.block;
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
        const ConfigBlock& after = b.state.block;
        int changed = 0;
        for (int i = 0; i < kRecordSize; ++i)
            changed += after[i] != before[i];
        QVERIFY2(changed == 1 && after[field.offset] == (before[field.offset] ? 0 : 1),
                 field.name.c_str());
    }
}

void FormEditingTest::keyboardToggleWaitsForTheNextReading() {
    FormBench b;
    auto* box = b.get<MouseCheckBox>("CheckBoxTpsMapa");
    b.showPageOf(box);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Space);
    QVERIFY(box->isChecked());
    QCOMPARE(int(b.state.block.tpsMapa), 0);
    b.typeAndEnter("EditBaseAdv", "11");
    QCOMPARE(int(b.state.block.tpsMapa), 1);
}

void FormEditingTest::rejectedTextKeepsTheValue_data() {
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shownAfter");
    QTest::newRow("limiter above range") << "EditOmez2"
                                         << "25100"
                                         << "11,000";
    QTest::newRow("2499 in the 100 % field") << "EditTps100"
                                             << "2499"
                                             << "3,790";
    QTest::newRow("not a number") << "EditRetard"
                                  << "abc"
                                  << "6";
    QTest::newRow("fraction") << "EditBaseAdv"
                              << "10.5"
                              << "10";
    QTest::newRow("map cell above 60") << "Edit55"
                                       << "61"
                                       << "32";
}

void FormEditingTest::rejectedTextKeepsTheValue() {
    QFETCH(QString, edit);
    QFETCH(QString, text);
    QFETCH(QString, shownAfter);
    FormBench b;
    const ConfigBlock before = b.state.block;
    b.typeAndEnter(qPrintable(edit), text);
    QVERIFY(b.state.block == before);
    QCOMPARE(b.get<QLineEdit>(qPrintable(edit))->text(), shownAfter);
}

void FormEditingTest::arrowsStepWithinTheRange() {
    FormBench b;
    auto* first = b.get<UpDown>("UpDownRpmAdv1");
    for (int i = 0; i < 12; ++i)
        first->step(-1);
    // The spinner goes down to 199 rpm, which is stored as 1 and repaired to 300 rpm.
    QCOMPARE(first->position(), 300);
    QCOMPARE(int(b.state.block.rpmAdv[0]), 3);
    auto* second = b.get<UpDown>("UpDownRpmAdv2");
    for (int i = 0; i < 30; ++i)
        second->step(-1);
    QCOMPARE(second->position(), 400); // pushed above the repaired first point
    auto* limiter = b.get<UpDown>("UpDownOmez2");
    limiter->step(+1);
    QCOMPARE(int(b.state.block.limiter), 111);
    auto* edit = b.get<QLineEdit>("EditOmez2");
    b.showPageOf(edit);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Down);
    QCOMPARE(int(b.state.block.limiter), 110);
}

void FormEditingTest::recordValuesShownClamped() {
    FormBench b;
    b.state.block.advance[5] = 61; // only a received record can hold this
    b.state.block.tachoCorrection = 40;
    b.state.block.geberMode = 0;
    b.controller.ShowBlock();
    QCOMPARE(b.get<QLineEdit>("Edit55")->text(), QString("60"));
    QCOMPARE(int(b.state.block.advance[5]), 61);
    QCOMPARE(b.get<QLineEdit>("EditRpmKorekce")->text(), QString("-60"));
    QCOMPARE(b.get<QComboBox>("ComboBoxNasobekPalcu")->currentText(),
             QString("1 lobe per 2  revolution (CMPS)"));
    b.controller.ReadForm();
    QCOMPARE(int(b.state.block.advance[5]), 60);
    QCOMPARE(int(b.state.block.geberMode), 0);
}

void FormEditingTest::compensationOutsideTestMode() {
    FormBench b;
    b.state.block.compensation1 = 40;
    b.state.block.compensation2 = 50;
    b.controller.ShowBlock();
    QCOMPARE(int(b.state.block.compensation1), 40);
    b.typeAndEnter("EditRetard", "7");
    QCOMPARE(int(b.state.block.compensation1), 11);
    QCOMPARE(int(b.state.block.compensation2), 11);
}

void FormEditingTest::listsAndRadioGroups() {
    FormBench b;
    auto* geber = b.get<QComboBox>("ComboBoxNasobekPalcu");
    b.state.block.bike = 1; // the list is offered for the special type
    b.controller.ShowBlock();
    geber->setCurrentIndex(1);
    emit geber->activated(1);
    QCOMPARE(int(b.state.block.geberMode), 2);

    auto* group = b.get<QGroupBox>("RadioGroupInput2");
    const auto buttons = group->findChildren<QRadioButton*>();
    QCOMPARE(buttons.size(), 5);
    b.showPageOf(group);
    QTest::mouseClick(buttons[3], Qt::LeftButton, {}, QPoint(6, buttons[3]->height() / 2));
    QCOMPARE(int(b.state.block.input2Function), 3);
    // An input function the list does not have shows no choice and survives a reading.
    b.state.block.input1Function = 9;
    b.controller.ShowBlock();
    b.controller.ReadForm();
    QCOMPARE(int(b.state.block.input1Function), 9);
}

void FormEditingTest::enterMovesTheFocusOn() {
    FormBench b;
    b.state.block.tpsMapa = 1;
    b.controller.ShowBlock();
    b.typeAndEnter("Edit59", "33");
    QCOMPARE(QApplication::focusWidget()->objectName(), QString("Edit60"));
    QCOMPARE(int(b.state.block.advance[9]), 33);
    b.typeAndEnter("EditRpmAdv10", "10000");
    QCOMPARE(QApplication::focusWidget()->objectName(), QString("Edit50"));
    b.typeAndEnter("EditOmez2", "12000");
    QCOMPARE(QApplication::focusWidget()->objectName(), QString("CheckBoxProgHned"));
}

void FormEditingTest::newAsksFirst_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("reset");
    QTest::newRow("yes") << int(Dialogs::Answer::Yes) << true;
    QTest::newRow("no") << int(Dialogs::Answer::No) << false;
    QTest::newRow("cancel") << int(Dialogs::Answer::Cancel) << false;
}

void FormEditingTest::newAsksFirst() {
    QFETCH(int, answer);
    QFETCH(bool, reset);
    FormBench b;
    b.get<QLabel>("LabelFile2")->setText("tuned.ign");
    b.state.block.input1Function = 2;
    b.controller.ShowBlock();
    b.typeAndEnter("EditBaseAdv", "30");
    b.dialogs.answer = Dialogs::Answer(answer);
    b.form.findChild<QAction*>("MenuNew")->trigger();
    QCOMPARE(b.dialogs.questions.back(), std::string("Do you want default setting?"));
    QCOMPARE(int(b.state.block.baseAdv), reset ? 10 : 30);
    QCOMPARE(b.get<QLineEdit>("EditBaseAdv")->text(), reset ? QString("10") : QString("30"));
    QCOMPARE(b.get<QLabel>("LabelFile2")->text(), reset ? QString() : QString("tuned.ign"));
    QCOMPARE(int(b.state.block.input1Function), 2); // New never touches the inputs
}

void FormEditingTest::bikeTypeSwitching() {
    FormBench b;
    auto* bike = b.get<QComboBox>("ComboBoxBike");
    auto choose = [&](int item) {
        bike->setCurrentIndex(item);
        emit bike->activated(item);
    };
    choose(2); // three lobes, one pick-up
    QCOMPARE(int(b.state.block.bike), 3);
    QCOMPARE(int(b.state.block.outputCount), 1);
    QCOMPARE(int(b.state.block.geberMode), 3);
    b.typeAndEnter("EditBaseAdv", "22");
    choose(2); // picking the type already shown is no choice: the edit stays
    QCOMPARE(int(b.state.block.baseAdv), 22);
    choose(4); // special: the keying and the edit stay
    QCOMPARE(int(b.state.block.bike), 1);
    QCOMPARE(int(b.state.block.outputCount), 1);
    QCOMPARE(int(b.state.block.baseAdv), 22);
    auto* synchro = b.get<QComboBox>("ComboBoxSynchro");
    synchro->setCurrentIndex(3);
    emit synchro->activated(3);
    QCOMPARE(int(b.state.block.synchroMode), 3);
    QCOMPARE(int(b.state.block.baseAdv), 22);
    choose(1); // a standard type again discards the edits
    QCOMPARE(int(b.state.block.bike), 2);
    QCOMPARE(int(b.state.block.synchroMode), 0);
    QCOMPARE(int(b.state.block.baseAdv), 10);
}

void FormEditingTest::showingNeverRunsEditHandling() {
    FormBench b;
    b.form.findChild<QCheckBox*>("CheckBoxProgHned")->setChecked(true); // not by the mouse
    const size_t sent = b.port.writtenFrames().size();
    ConfigBlock other = StartupBlock();
    other.baseAdv = 30;
    other.tpsMapa = 1;
    other.input2Function = 4;
    b.state.block = other;
    b.controller.ShowBlock();
    QCOMPARE(b.controller.link().engine().transferMode(), ModeIdle);
    QCOMPARE(b.port.writtenFrames().size(), sent);
    QVERIFY(b.state.block == other);
}

QTEST_MAIN(FormEditingTest)
#include "test_form_editing.moc"
