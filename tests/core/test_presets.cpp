#include "config/ConfigBlock.h"
#include "config/Presets.h"

#include <QtTest>

using namespace kx;

class PresetsTest : public QObject {
    Q_OBJECT

  private slots:
    void keyingPerBikeType_data();
    void keyingPerBikeType();
    void defaultsReplaceEdits();
    void defaultsLeaveKeyingInputsAndReservedBytes();
    void specialTypeKeepsEverythingWhenAsked();
    void keepSpecialNeverSurvives();
    void unknownCodeGetsDefaultsOnly();
};

static ConfigBlock EditedBlock() {
    ConfigBlock b = StartupBlock();
    b.baseAdv = 33;
    b.limiter = 150;
    b.rpmAdv[4] = 55;
    b.advance[MapIndex(5, 5)] = 59;
    b.servoMv[2] = 200;
    b.clutchTime = 200;
    b.noReading = 1;
    b.tpsMapa = 1;
    b.synchroMode = 3;
    b.lobeCount = 24;
    b.outputCount = 1;
    b.geberMode = 3;
    b.maxAdvLobe[0] = 7;
    b.maxAdvEdge2[1] = 1;
    b.input1Function = 3;
    b.input2Function = 4;
    b.reserved18[1] = 0x5A;
    b.reserved54[15] = 0x77;
    b.maxAdvLobe[3] = 9;
    b.spare[0] = 0x42;
    return b;
}

void PresetsTest::keyingPerBikeType_data() {
    QTest::addColumn<int>("bike");
    QTest::addColumn<int>("outputCount");
    QTest::addColumn<int>("geberMode");
    QTest::newRow("classic") << 0 << 2 << 1;
    QTest::newRow("two lobes") << 2 << 2 << 2;
    QTest::newRow("three lobes, one pick-up") << 3 << 1 << 3;
    QTest::newRow("CMPS") << 4 << 2 << 0;
}

void PresetsTest::keyingPerBikeType() {
    QFETCH(int, bike);
    QFETCH(int, outputCount);
    QFETCH(int, geberMode);
    ConfigBlock b = EditedBlock();
    b.bike = uint8_t(bike);
    bool keepSpecial = true; // ignored for standard types
    ApplyPreset(b, keepSpecial);
    QCOMPARE(int(b.synchroMode), 0);
    QCOMPARE(int(b.lobeCount), 1);
    QCOMPARE(int(b.outputCount), outputCount);
    QCOMPARE(int(b.geberMode), geberMode);
    // Channel 1 on pick-up 1, channel 2 on pick-up 2; max advance on edge 1, start on edge 2.
    QCOMPARE(int(b.maxAdvLobe[0]), 1);
    QCOMPARE(int(b.maxAdvLobe[1]), 1);
    QCOMPARE(int(b.startAdvLobe[0]), 1);
    QCOMPARE(int(b.startAdvLobe[1]), 1);
    QCOMPARE(int(b.maxAdvEdge2[0]), 0);
    QCOMPARE(int(b.maxAdvEdge2[1]), 0);
    QCOMPARE(int(b.startAdvEdge2[0]), 1);
    QCOMPARE(int(b.startAdvEdge2[1]), 1);
    QCOMPARE(int(b.maxAdvPickup2[0]), 0);
    QCOMPARE(int(b.maxAdvPickup2[1]), 1);
    QCOMPARE(int(b.startAdvPickup2[0]), 0);
    QCOMPARE(int(b.startAdvPickup2[1]), 1);
    QCOMPARE(int(b.bike), bike);
    QVERIFY(!keepSpecial);
}

void PresetsTest::defaultsReplaceEdits() {
    ConfigBlock b = EditedBlock();
    SetDefaults(b);
    const ConfigBlock start = StartupBlock();
    QCOMPARE(int(b.baseAdv), 10);
    QCOMPARE(int(b.limiter), 110);
    QCOMPARE(int(b.startLimiter), 100);
    QCOMPARE(int(b.pilotLight), 90);
    QCOMPARE(int(b.clutchTime), 10);
    QCOMPARE(int(b.clutchPause), 50);
    QCOMPARE(int(b.noReading), 0);
    QCOMPARE(int(b.tpsMapa), 0);
    QCOMPARE(int(b.tachoCorrection), 100);
    QCOMPARE(int(b.compensation1), 11);
    QCOMPARE(int(b.maxAdvEdge2[1]), 0);
    QVERIFY(std::equal(b.advance, b.advance + 100, start.advance));
    QVERIFY(std::equal(b.rpmAdv, b.rpmAdv + 10, start.rpmAdv));
    QVERIFY(std::equal(b.servoMv, b.servoMv + 10, start.servoMv));
    QVERIFY(std::equal(b.servoRpm, b.servoRpm + 10, start.servoRpm));
}

void PresetsTest::defaultsLeaveKeyingInputsAndReservedBytes() {
    ConfigBlock b = EditedBlock();
    b.bike = 1;
    bool keepSpecial = false; // New with the special type: defaults, keying kept
    ApplyPreset(b, keepSpecial);
    QCOMPARE(int(b.synchroMode), 3);
    QCOMPARE(int(b.lobeCount), 24);
    QCOMPARE(int(b.outputCount), 1);
    QCOMPARE(int(b.geberMode), 3);
    QCOMPARE(int(b.maxAdvLobe[0]), 7);
    QCOMPARE(int(b.maxAdvEdge2[1]), 0); // the eight flags of channels 1 and 2 are cleared
    QCOMPARE(int(b.input1Function), 3);
    QCOMPARE(int(b.input2Function), 4);
    QCOMPARE(int(b.reserved18[1]), 0x5A);
    QCOMPARE(int(b.reserved54[15]), 0x77);
    QCOMPARE(int(b.maxAdvLobe[3]), 9);
    QCOMPARE(int(b.spare[0]), 0x42);
    QCOMPARE(int(b.baseAdv), 10);
}

void PresetsTest::specialTypeKeepsEverythingWhenAsked() {
    ConfigBlock b = EditedBlock();
    b.bike = 1;
    const ConfigBlock before = b;
    bool keepSpecial = true; // the bike list was switched to the special type
    ApplyPreset(b, keepSpecial);
    QVERIFY(b == before);
    QVERIFY(!keepSpecial);
}

void PresetsTest::keepSpecialNeverSurvives() {
    ConfigBlock b = EditedBlock();
    b.bike = 1;
    bool keepSpecial = true;
    ApplyPreset(b, keepSpecial);
    ApplyPreset(b, keepSpecial); // a second preset without the flag applies the defaults
    QCOMPARE(int(b.baseAdv), 10);
}

void PresetsTest::unknownCodeGetsDefaultsOnly() {
    ConfigBlock b = EditedBlock();
    b.bike = 9;
    bool keepSpecial = true;
    ApplyPreset(b, keepSpecial);
    QCOMPARE(int(b.baseAdv), 10);
    QCOMPARE(int(b.lobeCount), 24);
    QCOMPARE(int(b.synchroMode), 3);
}

QTEST_APPLESS_MAIN(PresetsTest)
#include "test_presets.moc"
