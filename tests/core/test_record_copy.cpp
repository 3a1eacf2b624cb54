#include "config/ConfigBlock.h"
#include "store/RecordCopy.h"
#include "store/TestModeMarker.h"

#include <QtTest>

#include <random>
#include <sstream>
#include <string>

using namespace kx;

class RecordCopyTest : public QObject {
    Q_OBJECT

  private slots:
    void roundTripKeepsAllBytes();
    void writesLinesOfTen();
    void readsRecordCopy_data();
    void readsRecordCopy();
    void markerFile_data();
    void markerFile();
};

namespace {

std::string Write(const ConfigBlock& block) {
    std::ostringstream out;
    WriteRecordCopy(out, block);
    return out.str();
}

QByteArray Bytes(const ConfigBlock& block) {
    return QByteArray(reinterpret_cast<const char*>(block.bytes()), kRecordSize);
}

QByteArray Numbers(int count, int first) {
    QByteArray text;
    for (int i = 0; i < count; ++i)
        text += QByteArray::number(first + i) + (i % 7 == 6 ? "\r\n" : "\t ");
    return text;
}

} // namespace

void RecordCopyTest::roundTripKeepsAllBytes() {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int run = 0; run < 50; ++run) {
        ConfigBlock original{};
        ConfigBlock copy{};
        for (int i = 0; i < kRecordSize; ++i) {
            original[i] = uint8_t(byte(random));
            copy[i] = uint8_t(~original[i]);
        }
        std::istringstream in(Write(original));
        ReadRecordCopy(in, copy);
        QCOMPARE(Bytes(copy), Bytes(original));
    }
}

void RecordCopyTest::writesLinesOfTen() {
    ConfigBlock block{};
    for (int i = 0; i < kRecordSize; ++i)
        block[i] = uint8_t(i * 5);
    const QStringList lines = QString::fromStdString(Write(block)).split('\n');

    QCOMPARE(lines.size(), 23); // 10 lines, empty, 10 lines, empty, the last line
    for (int i = 0; i < lines.size(); ++i) {
        if (i == 10 || i == 21)
            QCOMPARE(lines.at(i), QString());
        else if (i < 22)
            QCOMPARE(lines.at(i).size(), 60);
    }
    QCOMPARE(lines.at(0), "    0     5    10    15    20    25    30    35    40    45 ");
    QCOMPARE(lines.at(11), "  244   249   254     3     8    13    18    23    28    33 ");
    QCOMPARE(lines.at(22), "  232   237   242   247   252     1     6 ");
}

void RecordCopyTest::readsRecordCopy_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("changedCount"); // bytes 0.. that take the numbers of the text
    QTest::addColumn<int>("first");        // number read into byte 0, the others count up

    QTest::newRow("empty file") << QByteArray() << 0 << 0;
    QTest::newRow("150 numbers") << Numbers(150, 1) << 150 << 1;
    QTest::newRow("more than 207 numbers") << Numbers(300, 1) << 207 << 1;
    QTest::newRow("low 8 bits") << Numbers(10, 300) << 10 << 300;
    QTest::newRow("negative numbers") << Numbers(5, -3) << 5 << -3;
    QTest::newRow("word stops reading") << Numbers(3, 1) + "x 4 5" << 3 << 1;
    QTest::newRow("number with junk stops reading") << Numbers(2, 9) + "11a 12" << 2 << 9;
}

void RecordCopyTest::readsRecordCopy() {
    QFETCH(QByteArray, text);
    QFETCH(int, changedCount);
    QFETCH(int, first);
    ConfigBlock expected = StartupBlock();
    expected.spare[6] = 0x99;
    ConfigBlock block = expected;
    for (int i = 0; i < changedCount; ++i)
        expected[i] = uint8_t(first + i);

    std::istringstream in(text.toStdString());
    ReadRecordCopy(in, block);
    QCOMPARE(Bytes(block), Bytes(expected));
}

void RecordCopyTest::markerFile_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("testMode");

    QTest::newRow("word alone") << QByteArray("DIAG_SWITCH") << true;
    QTest::newRow("among other words") << QByteArray("notes:\r\n\tDIAG_SWITCH 1\n") << true;
    QTest::newRow("other letter case") << QByteArray("diag_switch Diag_Switch") << false;
    QTest::newRow("longer word") << QByteArray("DIAG_SWITCHES XDIAG_SWITCH DIAG_SWITCH_") << false;
    QTest::newRow("empty file") << QByteArray() << false;
    QTest::newRow("after a very long word") << QByteArray(5000, 'D') + " DIAG_SWITCH" << true;
}

void RecordCopyTest::markerFile() {
    QFETCH(QByteArray, text);
    QFETCH(bool, testMode);
    std::istringstream in(text.toStdString());
    QCOMPARE(MarkerEnablesTestMode(in), testMode);
}

QTEST_APPLESS_MAIN(RecordCopyTest)

#include "test_record_copy.moc"
