#include "config/ConfigBlock.h"
#include "store/ConfigFile.h"
#include "store/WordReader.h"

#include <QtTest>

#include <cstddef>
#include <cstring>
#include <iterator>
#include <random>
#include <sstream>
#include <string>

using namespace kx;

class ConfigFileTest : public QObject {
    Q_OBJECT

  private slots:
    void writesStartupLayout();
    void writesLine_data();
    void writesLine();
    void roundTripRestoresCarriedFields();
    void readsFile_data();
    void readsFile();
    void readsWordsOfAnyLength_data();
    void readsWordsOfAnyLength();
};

namespace {

using Edit = void (*)(ConfigBlock&);

QByteArray Bytes(const ConfigBlock& block) {
    return QByteArray(reinterpret_cast<const char*>(block.bytes()), kRecordSize);
}

ConfigBlock FromBytes(const QByteArray& bytes) {
    ConfigBlock block{};
    std::memcpy(block.bytes(), bytes.constData(), kRecordSize);
    return block;
}

QByteArray Edited(Edit edit) {
    ConfigBlock block = StartupBlock();
    edit(block);
    return Bytes(block);
}

QString Differences(const ConfigBlock& actual, const ConfigBlock& expected) {
    QString text;
    for (int i = 0; i < kRecordSize; ++i) {
        if (actual[i] != expected[i])
            text += QStringLiteral("offset %1: %2 instead of %3; ")
                        .arg(i)
                        .arg(actual[i])
                        .arg(expected[i]);
    }
    return text;
}

std::string Write(const ConfigBlock& block) {
    std::ostringstream out;
    WriteConfigFile(out, block);
    return out.str();
}

// Bytes the file leaves out: the reserved bytes, channels 3 and 4 of the per-output arrays and the
// spare bytes.
bool CarriedByFile(int offset) {
    if (offset == 18 || offset == 19 || offset == 29)
        return false;
    if (offset >= 30 && offset < 54)
        return (offset - 30) % 4 < 2;
    if (offset >= 54 && offset < 70)
        return false;
    return offset < 200;
}

bool IsFlag(int offset) {
    return offset == offsetof(ConfigBlock, noReading) ||
           offset == offsetof(ConfigBlock, servoEnable) || offset == offsetof(ConfigBlock, tpsMapa);
}

const char* const kKey = "KORVANEX_KEY 50\n";

} // namespace

void ConfigFileTest::writesStartupLayout() {
    // Typed from the layout table: the line's prefix, then each value in its field width.
    // clang-format off
    const char* const lines[] = {
        "KORVANEX_KEY  " " 50 ",
        "",
        "BIKE        " "    0 ",
        "            " "    0     1     2 ",
        "            " "    1     0     0 ",
        "            " "    1     1     0 ",
        "            " "    1     0     1 ",
        "            " "    1     1     1 ",
        "            ",
        "            " "    1    11    11 ",
        "GEBER_MODE  " "    1 ",
        "INPUT       " "    0     0     0     0 ",
        "BASE_ADV    " "   10 ",
        "LIMITER     " "  100   110     6 ",
        "PILOT_LIGHT  " " 9000 ",
        "CLUTCH       " "  100   500 ",
        "",
        "TPS         " "  700  3790 ",
        "RPM        " "    1     0 ",
        "TPS_MAPA    " "    0",
        "",
        "RPM_ADV     " " 1000  2000  3000  4000  5000  6000  7000  8000  9000 10000 ",
        "",
        "ADVANCE     " "    4    13    16    25    28    32    33    33    33    33 ",
        "            " "    4    16    22    31    33    35    35    35    35    35 ",
        "            " "    4    24    35    44    45    45    43    41    41    41 ",
        "            " "    4    19    32    39    45    47    46    43    43    43 ",
        "            " "    4    12    15    25    31    33    32    32    32    31 ",
        "            " "    4    12    16    25    28    30    33    32    32    32 ",
        "            " "    4    12    16    25    28    30    33    31    33    31 ",
        "            " "    4    12    15    25    28    30    32    32    32    32 ",
        "            " "    4    12    15    25    28    30    32    32    32    32 ",
        "            " "    4    12    15    25    28    30    32    32    32    32 ",
        "            ",
        "",
        "SERVO_ENABLE" "    1",
        "SERVO_HYSTER" "  200 ",
        "SERVO_RPM   " " 1200  2000  3000  4000  6000  8000 10000 12000 14000 16000 ",
        "SERVO_MV    " " 2000  2100  2200  2300  2400  2500  2600  2700  2800  2900 ",
        "NO_READING  " "    0",
    };
    // clang-format on
    std::string expected = lines[0];
    for (std::size_t i = 1; i < std::size(lines); ++i)
        expected += std::string("\n") + lines[i];
    const std::string actual = Write(StartupBlock());
    QCOMPARE(QString::fromStdString(actual), QString::fromStdString(expected));
}

void ConfigFileTest::writesLine_data() {
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("expected");

    QTest::newRow("negative tacho correction")
        << Edited([](ConfigBlock& b) { b.tachoCorrection = 40; }) << 19
        << "RPM            1   -60 ";
    QTest::newRow("any nonzero flag is 1")
        << Edited([](ConfigBlock& b) { b.tpsMapa = 7; }) << 20 << "TPS_MAPA        1";
    QTest::newRow("servo off") << Edited([](ConfigBlock& b) { b.servoEnable = 0; }) << 36
                               << "SERVO_ENABLE    0";
    QTest::newRow("largest speed fills the field")
        << Edited([](ConfigBlock& b) { b.pilotLight = 255; }) << 15 << "PILOT_LIGHT  25500 ";
}

void ConfigFileTest::writesLine() {
    QFETCH(QByteArray, block);
    QFETCH(int, line);
    QFETCH(QString, expected);
    const QStringList lines = QString::fromStdString(Write(FromBytes(block))).split('\n');
    QCOMPARE(lines.size(), 40);
    QCOMPARE(lines.at(line - 1), expected);
}

void ConfigFileTest::roundTripRestoresCarriedFields() {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int run = 0; run < 500; ++run) {
        ConfigBlock original{};
        ConfigBlock target{};
        for (int i = 0; i < kRecordSize; ++i) {
            original[i] = uint8_t(byte(random));
            target[i] = uint8_t(byte(random));
        }
        NormaliseBlock(original);
        const ConfigBlock before = target;

        std::istringstream in(Write(original));
        QVERIFY(ReadConfigFile(in, target));

        for (int i = 0; i < kRecordSize; ++i) {
            int expected = before[i];
            if (CarriedByFile(i))
                expected = IsFlag(i) ? original[i] != 0 : original[i];
            if (target[i] != expected)
                QFAIL(qPrintable(QStringLiteral("run %1, offset %2: %3 instead of %4")
                                     .arg(run)
                                     .arg(i)
                                     .arg(target[i])
                                     .arg(expected)));
        }
    }
}

void ConfigFileTest::readsFile_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray key = kKey;
    const QByteArray unchanged = Bytes(StartupBlock());

    // Version search
    QTest::newRow("key after other words")
        << QByteArray("BASE_ADV 20 junk 7 KORVANEX_KEY 50 "
                      "GEBER_MODE 3")
        << true << Edited([](ConfigBlock& b) { b.geberMode = 3; });
    QTest::newRow("version 49") << QByteArray("KORVANEX_KEY 49") << false << unchanged;
    QTest::newRow("version 49, fields after it")
        << QByteArray("KORVANEX_KEY 49 BASE_ADV 20") << false << unchanged;
    QTest::newRow("49 then 50") << QByteArray("KORVANEX_KEY 49 BASE_ADV 20 KORVANEX_KEY 50 "
                                              "BASE_ADV 21")
                                << true << Edited([](ConfigBlock& b) { b.baseAdv = 21; });
    QTest::newRow("word where the version is due")
        << QByteArray("KORVANEX_KEY KORVANEX_KEY 50 BASE_ADV 21") << true
        << Edited([](ConfigBlock& b) { b.baseAdv = 21; });
    QTest::newRow("key in lower case")
        << QByteArray("korvanex_key 50 BASE_ADV 21") << false << unchanged;
    QTest::newRow("empty file") << QByteArray() << false << unchanged;
    QTest::newRow("key is the last word")
        << QByteArray("BASE_ADV 21 KORVANEX_KEY") << false << unchanged;
    QTest::newRow("version with 300 leading zeros")
        << "KORVANEX_KEY " + QByteArray(300, '0') + "50 BASE_ADV 21" << true
        << Edited([](ConfigBlock& b) { b.baseAdv = 21; });

    // Keywords
    QTest::newRow("lower-case bike skipped with its numbers")
        << key + "bike 3 3 3 BASE_ADV 21" << true << Edited([](ConfigBlock& b) { b.baseAdv = 21; });
    QTest::newRow("keywords are whole words")
        << key + "BASE_ADVX 5 XBASE_ADV 6 BASE_AD 7" << true << unchanged;
    QTest::newRow("stray numbers skipped") << key + "12 13 BASE_ADV 20 14 -3" << true
                                           << Edited([](ConfigBlock& b) { b.baseAdv = 20; });
    QTest::newRow("last occurrence wins")
        << key + "BASE_ADV 5 LIMITER 90 100 3 BASE_ADV 7" << true << Edited([](ConfigBlock& b) {
               b.baseAdv = 7;
               b.startLimiter = 90;
               b.limiter = 100;
               b.retard = 3;
           });
    QTest::newRow("CR LF and tabs") << QByteArray("KORVANEX_KEY\r\n50\r\n\tBASE_ADV\t20\r\n")
                                    << true << Edited([](ConfigBlock& b) { b.baseAdv = 20; });
    QTest::newRow("BIKE reads nineteen values in order")
        << key + "BIKE 101 102 103 104 105 106 107 108 109 110 111 112 113 114 115 116 117 118 "
                 "119"
        << true << Edited([](ConfigBlock& b) {
               b.bike = 101;
               b.synchroMode = 102;
               b.lobeCount = 103;
               b.outputCount = 104;
               for (int k = 0; k < 2; ++k) {
                   b.maxAdvLobe[k] = uint8_t(105 + 6 * k);
                   b.maxAdvEdge2[k] = uint8_t(106 + 6 * k);
                   b.maxAdvPickup2[k] = uint8_t(107 + 6 * k);
                   b.startAdvLobe[k] = uint8_t(108 + 6 * k);
                   b.startAdvEdge2[k] = uint8_t(109 + 6 * k);
                   b.startAdvPickup2[k] = uint8_t(110 + 6 * k);
               }
               b.noIgnitionRevs = 117;
               b.compensation1 = 118;
               b.compensation2 = 119;
           });
    QByteArray map = key + "ADVANCE";
    for (int i = 0; i < 100; ++i)
        map += ' ' + QByteArray::number(i % 61);
    QTest::newRow("only the map") << map << true << Edited([](ConfigBlock& b) {
        for (int i = 0; i < 100; ++i)
            b.advance[i] = uint8_t(i % 61);
    });

    // Conversions
    QTest::newRow("pilot light drops the remainder")
        << key + "PILOT_LIGHT 9999" << true << Edited([](ConfigBlock& b) { b.pilotLight = 99; });
    QTest::newRow("throttle points in mV")
        << key + "TPS 500 4500" << true << Edited([](ConfigBlock& b) {
               b.tps0 = 50;
               b.tps100 = 200;
           });
    QTest::newRow("100 % point wraps above 5050 mV")
        << key + "TPS 0 6000" << true << Edited([](ConfigBlock& b) {
               b.tps0 = 0;
               b.tps100 = 94;
           });
    QTest::newRow("negative tacho correction")
        << key + "RPM 2 -5" << true << Edited([](ConfigBlock& b) {
               b.tachoPulses = 2;
               b.tachoCorrection = 95;
           });
    QTest::newRow("plain byte keeps low 8 bits")
        << key + "GEBER_MODE 300" << true << Edited([](ConfigBlock& b) { b.geberMode = 44; });
    QTest::newRow("negative plain byte")
        << key + "BASE_ADV -1" << true << Edited([](ConfigBlock& b) { b.baseAdv = 255; });
    QTest::newRow("divided value taken modulo 65536")
        << key + "PILOT_LIGHT 70000 SERVO_HYSTER -5 CLUTCH -100 0" << true
        << Edited([](ConfigBlock& b) {
               b.pilotLight = 44;
               b.servoHyster = 50;
               b.clutchTime = 143;
               b.clutchPause = 0;
           });
    QTest::newRow("axes scaled") << key + "RPM_ADV 100 200 300 400 500 600 700 800 900 1099 "
                                          "SERVO_MV 20 39 60 80 100 120 140 160 180 5000"
                                 << true << Edited([](ConfigBlock& b) {
                                        for (int i = 0; i < 10; ++i) {
                                            b.rpmAdv[i] = uint8_t(i + 1);
                                            b.servoMv[i] = uint8_t(i + 1);
                                        }
                                        b.servoMv[1] = 1;
                                        b.servoMv[9] = 250;
                                    });
    QTest::newRow("plus sign") << key + "BASE_ADV +7" << true
                               << Edited([](ConfigBlock& b) { b.baseAdv = 7; });
    QTest::newRow("huge numbers wrap") << key + "BASE_ADV 4294967297 LIMITER "
                                                "99999999999999999999 0 0"
                                       << true << Edited([](ConfigBlock& b) {
                                              b.baseAdv = 1;
                                              b.startLimiter = 255;
                                              b.limiter = 0;
                                              b.retard = 0;
                                          });

    // Values cut short
    QTest::newRow("value missing at the end")
        << key + "TPS 500" << true << Edited([](ConfigBlock& b) { b.tps0 = 50; });
    QTest::newRow("keyword is the last word") << key + "BIKE" << true << unchanged;
    QTest::newRow("keyword where a value is due")
        << key + "BIKE 1 2 GEBER_MODE 3" << true << Edited([](ConfigBlock& b) {
               b.bike = 1;
               b.synchroMode = 2;
               b.geberMode = 3;
           });
    QTest::newRow("digits with junk are no number") << key + "BASE_ADV 7x" << true << unchanged;
    QTest::newRow("lone sign is no number") << key + "BASE_ADV - 7" << true << unchanged;
    QTest::newRow("inner sign is no number") << key + "BASE_ADV 1-2 RPM 3 4-" << true
                                             << Edited([](ConfigBlock& b) { b.tachoPulses = 3; });

    // Long words
    QTest::newRow("271-character word") << key + QByteArray(271, 'x') + " BASE_ADV 20" << true
                                        << Edited([](ConfigBlock& b) { b.baseAdv = 20; });
    QTest::newRow("keyword at the end of a long word")
        << key + QByteArray(271, 'x') + "BASE_ADV 20" << true << unchanged;
    QTest::newRow("100000-character word") << key + QByteArray(100000, 'B') + " BASE_ADV 20" << true
                                           << Edited([](ConfigBlock& b) { b.baseAdv = 20; });
}

void ConfigFileTest::readsFile() {
    QFETCH(QByteArray, text);
    QFETCH(bool, accepted);
    QFETCH(QByteArray, expected);
    ConfigBlock block = StartupBlock();
    std::istringstream in(text.toStdString());
    QCOMPARE(ReadConfigFile(in, block), accepted);
    const QString differences = Differences(block, FromBytes(expected));
    QVERIFY2(differences.isEmpty(), qPrintable(differences));
}

void ConfigFileTest::readsWordsOfAnyLength_data() {
    QTest::addColumn<int>("length");
    QTest::newRow("1") << 1;
    QTest::newRow("271") << 271;
    QTest::newRow("272") << 272;
    QTest::newRow("100000") << 100000;
}

void ConfigFileTest::readsWordsOfAnyLength() {
    QFETCH(int, length);
    std::string word;
    for (int i = 0; i < length; ++i)
        word += char('a' + i % 26);
    std::istringstream in("  " + word + "\nnext");
    WordReader reader(in);
    Word read;

    QVERIFY(reader.Next(read));
    QCOMPARE(read.IsLong(), length > 271);
    QVERIFY(!read.isNumber);
    if (!read.IsLong())
        QCOMPARE(read.text, word);
    QVERIFY(reader.Next(read));
    QCOMPARE(read.text, std::string("next"));
    QVERIFY(!reader.Next(read));
}

QTEST_APPLESS_MAIN(ConfigFileTest)

#include "test_config_file.moc"
