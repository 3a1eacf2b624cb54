#include "config/ConfigBlock.h"
#include "store/ConfigFile.h"
#include "store/IniFile.h"
#include "store/RecordCopy.h"
#include "store/TestModeMarker.h"

#include <QtTest>

#include <cstdint>
#include <ctime>
#include <ios>
#include <sstream>
#include <streambuf>
#include <string>

using namespace kx;

namespace {

// Files users may feed the tool by mistake: each is read at half a megabyte and at four. Whatever
// the content, the readers must finish, refuse or read what they can, and take about eight times
// as long for eight times the bytes.
enum class Reader { ConfigFile, RecordCopy, Settings };

struct BadFile {
    const char* name;
    Reader reader;
    std::string (*make)(size_t bytes);
    // ConfigFile: the BASE_ADV read, -1 when the file is refused. RecordCopy: byte 9 (baseAdv)
    // of a record that held 0 there. Settings: ComPort of FORM_HLAV, -1 when missing.
    int expected;
};

std::string Repeated(const std::string& piece, size_t bytes) {
    std::string text;
    text.reserve(bytes + piece.size());
    while (text.size() < bytes)
        text += piece;
    return text;
}

// Reproducible noise with every byte value, NUL and line ends included.
std::string Junk(size_t bytes) {
    std::string text(bytes, '\0');
    uint32_t state = 12345;
    for (char& c : text) {
        state = state * 1103515245u + 12345u;
        c = char(state >> 24);
    }
    return text;
}

const std::string kKey = "KORVANEX_KEY 50 ";
const std::string kSettingsTail = "\n[FORM_HLAV]\nComPort=5\n";

const BadFile kBadFiles[] = {
    {"ign: one huge word", Reader::ConfigFile, [](size_t n) { return std::string(n, 'K'); }, -1},
    {"ign: huge word, then the key", Reader::ConfigFile,
     [](size_t n) { return std::string(n, 'K') + " " + kKey + "BASE_ADV 20"; }, 20},
    {"ign: binary junk", Reader::ConfigFile, Junk, -1},
    {"ign: key, binary junk, a field", Reader::ConfigFile,
     [](size_t n) { return kKey + Junk(n) + " BASE_ADV 20"; }, 20},
    {"ign: key, a huge number as the value", Reader::ConfigFile,
     [](size_t n) { return kKey + "BASE_ADV " + std::string(n, '9') + " BASE_ADV 20"; }, 20},
    {"ign: key, white space only", Reader::ConfigFile,
     [](size_t n) { return kKey + Repeated(" \r\n\t", n); }, 0},
    {"ign: key, thousands of keywords", Reader::ConfigFile,
     [](size_t n) { return kKey + Repeated("BASE_ADV 1 ADVANCE 7 BIKE ", n) + "BASE_ADV 20"; }, 20},
    {"ign: key, keywords without values", Reader::ConfigFile,
     [](size_t n) { return kKey + Repeated("BIKE LIMITER SERVO_MV ", n) + "BASE_ADV 20"; }, 20},
    {"ign: thousands of wrong versions", Reader::ConfigFile,
     [](size_t n) { return Repeated("KORVANEX_KEY 49 ", n) + "BASE_ADV 20"; }, -1},
    {"copy: binary junk", Reader::RecordCopy, Junk, 0},
    {"copy: one huge number", Reader::RecordCopy, [](size_t n) { return std::string(n, '7'); }, 0},
    {"copy: far too many numbers", Reader::RecordCopy, [](size_t n) { return Repeated("20 ", n); },
     20},
    {"ini: binary junk, then the section", Reader::Settings,
     [](size_t n) { return Junk(n) + kSettingsTail; }, 5},
    {"ini: one huge line", Reader::Settings,
     [](size_t n) { return "[FORM_HLAV]\nComPort=" + std::string(n, '3'); }, -1},
    {"ini: thousands of keys", Reader::Settings,
     [](size_t n) {
         std::string text = "[FORM_HLAV]\n";
         for (int i = 0; text.size() < n; ++i)
             text += "Key" + std::to_string(i) + "=" + std::to_string(i) + "\n";
         return text + "ComPort=5\n";
     },
     5},
    {"ini: thousands of sections", Reader::Settings,
     [](size_t n) {
         std::string text;
         for (int i = 0; text.size() < n; ++i)
             text += "[S" + std::to_string(i) + "]\nComPort=9\n";
         return text + kSettingsTail;
     },
     5},
    {"ini: the same key thousands of times", Reader::Settings,
     [](size_t n) { return "[FORM_HLAV]\n" + Repeated("comport=9\nCOMPORT=5\n", n); }, 5},
};

// Reads the text with its reader and returns the row's observed value.
int ReadBadFile(const BadFile& file, const std::string& text) {
    std::istringstream in(text);
    ConfigBlock block = StartupBlock();
    block.baseAdv = 0;
    const ConfigBlock before = block;
    switch (file.reader) {
    case Reader::ConfigFile:
        if (!ReadConfigFile(in, block))
            return block == before ? -1 : -2; // -2: a refused file changed the record
        return block.baseAdv;
    case Reader::RecordCopy:
        ReadRecordCopy(in, block);
        return block.baseAdv;
    case Reader::Settings: {
        IniFile ini;
        ini.Load(in);
        return int(ini.Integer("FORM_HLAV", "ComPort", -1));
    }
    }
    return -3;
}

// A stream that gives some text and then fails as a dying disk does: libstdc++'s file buffer
// throws from the middle of a read.
class FailingBuffer : public std::streambuf {
  public:
    explicit FailingBuffer(std::string text) : text_(std::move(text)) {
        setg(text_.data(), text_.data(), text_.data() + text_.size());
    }

  protected:
    int_type underflow() override { throw std::ios_base::failure("read error"); }

  private:
    std::string text_;
};

} // namespace

class BadFilesTest : public QObject {
    Q_OBJECT

  private slots:
    void readInLinearTime_data();
    void readInLinearTime();
    void aReadErrorEndsReadingWithoutAnException();
};

void BadFilesTest::aReadErrorEndsReadingWithoutAnException() {
    {
        FailingBuffer buffer("KORVANEX_KEY 50 BASE_ADV 17 LIMITER 90 ");
        std::istream in(&buffer);
        ConfigBlock block = StartupBlock();
        QVERIFY(ReadConfigFile(in, block));
        QVERIFY(in.bad());
        QCOMPARE(int(block.baseAdv), 17);
    }
    {
        FailingBuffer buffer("1 2 3");
        std::istream in(&buffer);
        ConfigBlock block = StartupBlock();
        ReadRecordCopy(in, block);
        QVERIFY(in.bad());
        QCOMPARE(int(block.bike), 1);
    }
    {
        FailingBuffer buffer("DIAG_SWITC");
        std::istream in(&buffer);
        QVERIFY(!MarkerEnablesTestMode(in));
        QVERIFY(in.bad());
    }
}

void BadFilesTest::readInLinearTime_data() {
    QTest::addColumn<int>("row");
    for (size_t i = 0; i < std::size(kBadFiles); ++i)
        QTest::newRow(kBadFiles[i].name) << int(i);
}

void BadFilesTest::readInLinearTime() {
    QFETCH(int, row);
    const BadFile& file = kBadFiles[row];
    constexpr size_t kMegabyte = 1 << 20;
    qint64 nanoseconds[2] = {};
    const size_t sizes[2] = {kMegabyte / 2, 4 * kMegabyte};
    for (int i = 0; i < 2; ++i) {
        const std::string text = file.make(sizes[i]);
        // Processor time, the best of five, so that a busy machine does not pass for a slow
        // reader: other processes take wall time, not this one's processor time.
        for (int run = 0; run < 5; ++run) {
            const std::clock_t start = std::clock();
            const int result = ReadBadFile(file, text);
            const qint64 elapsed = qint64(std::clock() - start) * (1'000'000'000 / CLOCKS_PER_SEC);
            if (run == 0 || elapsed < nanoseconds[i])
                nanoseconds[i] = elapsed;
            QCOMPARE(result, file.expected);
        }
    }
    qInfo("%s: 0.5 MB %.1f ms, 4 MB %.1f ms", file.name, nanoseconds[0] / 1e6,
          nanoseconds[1] / 1e6);
    // Linear is 8 times. The slack covers caches, a busy machine and a sanitizer's allocator; a
    // quadratic reader takes 64 times.
    QVERIFY2(nanoseconds[1] < 32 * nanoseconds[0] + 50'000'000,
             qPrintable(QString("0.5 MB took %1 ms, 4 MB %2 ms")
                            .arg(nanoseconds[0] / 1e6)
                            .arg(nanoseconds[1] / 1e6)));
}

QTEST_APPLESS_MAIN(BadFilesTest)
#include "test_bad_files.moc"
