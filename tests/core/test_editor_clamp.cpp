// A record from a file may hold any byte; after ClampToEditors it holds what the editors show,
// which is what programming then sends.
#include "config/ConfigBlock.h"
#include "config/EditorClamp.h"
#include "config/Presets.h"

#include <QtTest>

using namespace kx;

class EditorClampTest : public QObject {
    Q_OBJECT

    static ConfigBlock Clamped(ConfigBlock block) {
        NormaliseBlock(block);
        ClampToEditors(block);
        return block;
    }

  private slots:
    void impossibleValuesEndAtTheEditorsLimits() {
        ConfigBlock block = StartupBlock();
        block.baseAdv = 255;
        block.advance[0] = 255;
        block.advance[1] = 61;
        block.limiter = 255;      // 25 500 rpm; the editor stops at 25 000
        block.startLimiter = 255; // stays at or below the limiter
        block.retard = 200;
        block.tachoPulses = 9;
        block.tachoCorrection = 0; // -100 %
        block.tps100 = 240;        // 4900 mV
        block.servoHyster = 255;   // 1275 mV, the top of its editor: kept
        block.servoMv[3] = 0;
        block.pilotLight = 5; // 500 rpm
        block.outputCount = 0;
        const ConfigBlock clamped = Clamped(block);
        QCOMPARE(clamped.baseAdv, uint8_t(40));
        QCOMPARE(clamped.advance[0], uint8_t(60));
        QCOMPARE(clamped.advance[1], uint8_t(60));
        QCOMPARE(clamped.advance[2], block.advance[2]);
        QCOMPARE(clamped.limiter, uint8_t(250));
        QCOMPARE(clamped.startLimiter, uint8_t(250));
        QCOMPARE(clamped.retard, uint8_t(25));
        QCOMPARE(clamped.tachoPulses, uint8_t(6));
        QCOMPARE(clamped.tachoCorrection, uint8_t(40));
        QCOMPARE(clamped.tps100, uint8_t(225));
        QCOMPARE(clamped.servoHyster, uint8_t(255));
        QCOMPARE(clamped.servoMv[3], uint8_t(1));
        QCOMPARE(clamped.pilotLight, uint8_t(10));
        QCOMPARE(clamped.outputCount, uint8_t(1));
    }

    void aMinimumBetweenStepsKeepsWhatTheEditorReadsBack() {
        // The limiter's editor starts at 999 rpm; reading 999 stores 9, as a click would.
        ConfigBlock block = StartupBlock();
        block.limiter = 3;
        block.startLimiter = 3;
        const ConfigBlock clamped = Clamped(block);
        QCOMPARE(clamped.limiter, uint8_t(9));
        QCOMPARE(clamped.startLimiter, uint8_t(9));
    }

    void choicesWithoutAListItemGetTheirStartValue() {
        ConfigBlock block = StartupBlock();
        block.synchroMode = 9;
        block.lobeCount = 24;
        block.maxAdvLobe[0] = 12;
        block.input1Function = 5;
        block.input2Function = 200;
        block.geberMode = 7;
        block.tpsMapa = 5;
        block.noReading = 2;
        const ConfigBlock clamped = Clamped(block);
        QCOMPARE(clamped.synchroMode, uint8_t(0));
        // Method 0 has one lobe: the rules of the replaced method apply in the result.
        QCOMPARE(clamped.lobeCount, uint8_t(1));
        QCOMPARE(clamped.maxAdvLobe[0], uint8_t(1));
        QCOMPARE(clamped.input1Function, uint8_t(0));
        QCOMPARE(clamped.input2Function, uint8_t(0));
        QCOMPARE(clamped.geberMode, uint8_t(3)); // the list shows item 2 for it
        QCOMPARE(clamped.tpsMapa, uint8_t(1));
        QCOMPARE(clamped.noReading, uint8_t(1));
    }

    void unknownBikeAndUneditedBytesAreKept() {
        ConfigBlock block = StartupBlock();
        block.bike = 9;
        block.reserved18[1] = 77;
        block.maxAdvLobe[2] = 99; // channels 3 and 4 have no editor
        block.reserved54[15] = 200;
        block.spare[6] = 5;
        block.compensation1 = 255;
        const ConfigBlock clamped = Clamped(block);
        QCOMPARE(clamped.bike, uint8_t(9));
        QCOMPARE(clamped.reserved18[1], uint8_t(77));
        QCOMPARE(clamped.maxAdvLobe[2], uint8_t(99));
        QCOMPARE(clamped.reserved54[15], uint8_t(200));
        QCOMPARE(clamped.spare[6], uint8_t(5));
        QCOMPARE(clamped.compensation1, uint8_t(255));
    }

    void aRecordWithinRangeIsLeftAsItIs() {
        QVERIFY(Clamped(StartupBlock()) == StartupBlock());
        ConfigBlock special = StartupBlock();
        special.bike = 1;
        bool keep = false;
        ApplyPreset(special, keep);
        NormaliseBlock(special);
        QVERIFY(Clamped(special) == special);
    }

    void everyByteValueEndsNormalisedAndStable() {
        for (int value = 0; value < 256; ++value) {
            ConfigBlock block;
            for (int i = 0; i < kRecordSize; ++i)
                block[i] = uint8_t(value + 7 * i);
            const ConfigBlock once = Clamped(block);
            ConfigBlock twice = once;
            NormaliseBlock(twice);
            QVERIFY2(twice == once, "normalising the result changed it");
            ClampToEditors(twice);
            QVERIFY2(twice == once, "clamping twice changed the record");
        }
    }
};

QTEST_MAIN(EditorClampTest)
#include "test_editor_clamp.moc"
