// Every spin field's range, start position, step, record offset and scale, written out by hand
// from the unit's field table and the window's up-down table. Comparing the spinners with the
// code's own field table would pass whatever that table says; these numbers do not move with it.
#include "config/EditorFields.h"
#include "ui/layout/FormLayout.h"
#include "ui/widgets/UpDown.h"

#include <QMainWindow>
#include <QtTest>

#include <map>
#include <memory>

using namespace kx;

namespace {

struct Contract {
    int offset;
    int minimum;
    int maximum;
    int start;
    int increment;
    int storedAtMinimum; // what a reading of the spinner stores at each end of its range
    int storedAtMaximum;
};

std::map<QString, Contract> Contracts() {
    std::map<QString, Contract> contracts = {
        {"Omez1", {25, 999, 25000, 15000, 100, 9, 250}},
        {"Omez2", {13, 999, 25000, 15000, 100, 9, 250}},
        {"PilotLight", {7, 1000, 25000, 15000, 100, 10, 250}},
        {"ClutchTime", {27, 0, 2500, 0, 10, 0, 250}},
        {"ClutchPause", {28, 0, 2500, 0, 10, 0, 250}},
        {"Retard", {26, 0, 25, 0, 1, 0, 25}},
        {"PocSynchro", {10, 0, 40, 40, 1, 0, 40}},
        {"Tps0", {20, 250, 2500, 300, 10, 25, 250}},
        {"Tps100", {21, 2500, 4750, 2500, 10, 0, 225}},
        {"PocPalcu", {3, 1, 58, 40, 1, 1, 58}},
        {"PocKanalu", {4, 1, 2, 2, 1, 1, 2}},
        {"Palec1Zac", {30, 1, 58, 40, 1, 1, 58}},
        {"Palec2Zac", {31, 1, 58, 40, 1, 1, 58}},
        {"Palec1End", {34, 1, 58, 40, 1, 1, 58}},
        {"Palec2End", {35, 1, 58, 40, 1, 1, 58}},
        {"Kompenz1", {23, 0, 255, 40, 1, 0, 255}},
        {"Kompenz2", {24, 0, 255, 40, 1, 0, 255}},
        {"RpmPulsu", {11, 0, 6, 1, 1, 0, 6}},
        {"RpmKorekce", {12, -60, 60, 0, 1, 40, 160}},
        {"BaseAdv", {9, 0, 40, 40, 1, 0, 40}},
        {"PrivHyster", {17, 0, 1275, 300, 5, 0, 255}},
        {"RpmAdv1", {90, 199, 20100, 1000, 100, 1, 201}},
        {"RpmPriv1", {70, 200, 20100, 1000, 100, 2, 201}},
        {"RpmPriv2", {71, 200, 20100, 2000, 100, 2, 201}},
    };
    const int servoStarts[] = {3000, 4000, 6000, 8000, 10000, 12000, 14000, 16000};
    for (int point = 2; point <= 10; ++point) {
        contracts[QString("RpmAdv%1").arg(point)] = {89 + point, 300, 20100, 1000 * point,
                                                     100,        3,   201};
    }
    for (int point = 3; point <= 10; ++point) {
        contracts[QString("RpmPriv%1").arg(point)] = {
            69 + point, 300, 20100, servoStarts[point - 3], 100, 3, 201};
    }
    for (int point = 1; point <= 10; ++point)
        contracts[QString("NapPriv%1").arg(point)] = {79 + point, 20, 5000, 100, 20, 1, 250};
    for (int cell = 50; cell <= 149; ++cell)
        contracts[QString::number(cell)] = {50 + cell, 0, 60, 20, 1, 0, 60};
    return contracts;
}

} // namespace

class EditorContractTest : public QObject {
    Q_OBJECT

  private slots:
    void everySpinnerHasItsRangeStartAndStep() {
        QMainWindow form;
        BuildFormLayout(&form);
        const auto contracts = Contracts();
        QCOMPARE(form.findChildren<UpDown*>().size(), qsizetype(contracts.size()));
        for (const auto& [name, contract] : contracts) {
            auto* upDown = form.findChild<UpDown*>("UpDown" + name);
            QVERIFY2(upDown, qPrintable("missing UpDown" + name));
            QVERIFY2(upDown->minimum() == contract.minimum, qPrintable(name));
            QVERIFY2(upDown->maximum() == contract.maximum, qPrintable(name));
            QVERIFY2(upDown->position() == contract.start, qPrintable(name));
            QVERIFY2(upDown->increment() == contract.increment, qPrintable(name));
        }
    }

    void everyFieldStoresItsRangeAtItsOffset() {
        const auto contracts = Contracts();
        QCOMPARE(SpinFields().size(), contracts.size());
        for (const SpinFieldSpec& field : SpinFields()) {
            const auto found = contracts.find(QString::fromStdString(field.name));
            QVERIFY2(found != contracts.end(), field.name.c_str());
            const Contract& contract = found->second;
            QVERIFY2(field.offset == contract.offset, field.name.c_str());
            QVERIFY2(StoredFromShown(field.scale, contract.minimum) == contract.storedAtMinimum,
                     field.name.c_str());
            QVERIFY2(StoredFromShown(field.scale, contract.maximum) == contract.storedAtMaximum,
                     field.name.c_str());
        }
    }
};

QTEST_MAIN(EditorContractTest)
#include "test_editor_contract.moc"
