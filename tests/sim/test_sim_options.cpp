#include "SimOptions.h"

#include <QtTest>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

using namespace kx::sim;

Q_DECLARE_METATYPE(std::function<bool(const kx::sim::SimOptions&)>)

namespace {

using Check = std::function<bool(const SimOptions&)>;

struct Parsed {
    ParseResult result;
    SimOptions options;
    std::string error;
};

Parsed Parse(const std::vector<std::string>& words) {
    std::vector<const char*> argv{"kx_flam3_sim"};
    for (const std::string& word : words)
        argv.push_back(word.c_str());
    Parsed parsed;
    parsed.result = ParseSimOptions(int(argv.size()), argv.data(), parsed.options, parsed.error);
    return parsed;
}

} // namespace

class SimOptionsTest : public QObject {
    Q_OBJECT

  private slots:
    void eachOptionSetsItsOwnField_data();
    void eachOptionSetsItsOwnField();
    void valuesOutsideTheirRangeAreRefused_data();
    void valuesOutsideTheirRangeAreRefused();
    void unknownOrIncompleteOptionsAreNamed();
    void helpAndVersionStopAtTheFirstProblem();
};

void SimOptionsTest::eachOptionSetsItsOwnField_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("value");
    QTest::addColumn<Check>("check");

    // Values differ from every default, so a value stored in the wrong field shows.
    QTest::newRow("link") << "--link"
                          << "/tmp/unit"
                          << Check([](const SimOptions& o) { return o.linkPath == "/tmp/unit"; });
    QTest::newRow("image") << "--image"
                           << "a.img"
                           << Check([](const SimOptions& o) { return o.imagePath == "a.img"; });
    QTest::newRow("unit-version") << "--unit-version"
                                  << "255" << Check([](const SimOptions& o) {
                                         return o.unit.protocolVersion == 255;
                                     });
    QTest::newRow("drop-every") << "--drop-every"
                                << "3" << Check([](const SimOptions& o) {
                                       return o.unit.dropEvery == 3 && o.unit.corruptEvery == 0;
                                   });
    QTest::newRow("corrupt-every") << "--corrupt-every"
                                   << "4" << Check([](const SimOptions& o) {
                                          return o.unit.corruptEvery == 4 && o.unit.dropEvery == 0;
                                      });
    QTest::newRow("bad-echo-block")
        << "--bad-echo-block"
        << "2" << Check([](const SimOptions& o) { return o.unit.badEchoBlock == 2; });
    QTest::newRow("delay-ms") << "--delay-ms"
                              << "600000"
                              << Check([](const SimOptions& o) { return o.delayMs == 600000; });
    QTest::newRow("save-ms") << "--save-ms"
                             << "0" << Check([](const SimOptions& o) {
                                    return o.unit.saveDurationMs == 0;
                                });
    QTest::newRow("stray-bytes") << "--stray-bytes"
                                 << "7" << Check([](const SimOptions& o) {
                                        return o.strayBytes == 7 && o.unit.faultPercent == 0;
                                    });
    QTest::newRow("unplug-after") << "--unplug-after"
                                  << "5"
                                  << Check([](const SimOptions& o) { return o.unplugAfter == 5; });
    QTest::newRow("fault-percent")
        << "--fault-percent"
        << "100" << Check([](const SimOptions& o) { return o.unit.faultPercent == 100; });
    QTest::newRow("fault-seed") << "--fault-seed"
                                << "2147483647" << Check([](const SimOptions& o) {
                                       return o.unit.faultSeed == 2147483647u;
                                   });
    QTest::newRow("faults") << "--faults"
                            << "corrupt,bad-echo" << Check([](const SimOptions& o) {
                                   return o.unit.randomFaults == (1u << int(RandomFault::Corrupt) |
                                                                  1u << int(RandomFault::BadEcho));
                               });
    QTest::newRow("silent") << "--silent" << QString()
                            << Check([](const SimOptions& o) { return o.unit.silent; });
    QTest::newRow("line-time") << "--line-time" << QString()
                               << Check([](const SimOptions& o) { return o.lineTime; });
    QTest::newRow("verbose") << "--verbose" << QString()
                             << Check([](const SimOptions& o) { return o.verbose; });
}

void SimOptionsTest::eachOptionSetsItsOwnField() {
    QFETCH(QString, option);
    QFETCH(QString, value);
    QFETCH(Check, check);

    std::vector<std::string> words{option.toStdString()};
    if (!value.isNull())
        words.push_back(value.toStdString());
    const Parsed parsed = Parse(words);
    QCOMPARE(parsed.result, ParseResult::Run);
    QVERIFY(check(parsed.options));
    // An option the parser takes but the help leaves out cannot be found by anyone.
    QVERIFY(std::strstr(kSimUsage, ("  " + option.toStdString() + " ").c_str()) != nullptr);
}

void SimOptionsTest::valuesOutsideTheirRangeAreRefused_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("value");

    QTest::newRow("version above a byte") << "--unit-version"
                                          << "256";
    QTest::newRow("negative version") << "--unit-version"
                                      << "-1";
    QTest::newRow("every zeroth answer") << "--drop-every"
                                         << "0";
    QTest::newRow("no block 0") << "--bad-echo-block"
                                << "0";
    QTest::newRow("no block 3") << "--bad-echo-block"
                                << "3";
    QTest::newRow("delay past ten minutes") << "--delay-ms"
                                            << "600001";
    QTest::newRow("percent above 100") << "--fault-percent"
                                       << "101";
    QTest::newRow("negative seed") << "--fault-seed"
                                   << "-1";
    QTest::newRow("beyond long") << "--unplug-after"
                                 << "99999999999999999999";
    QTest::newRow("beyond int") << "--corrupt-every"
                                << "2147483648";
    QTest::newRow("trailing letters") << "--stray-bytes"
                                      << "5x";
    QTest::newRow("empty") << "--save-ms"
                           << "";
    QTest::newRow("unknown fault") << "--faults"
                                   << "drop,spill";
    QTest::newRow("no faults") << "--faults"
                               << "";
}

void SimOptionsTest::valuesOutsideTheirRangeAreRefused() {
    QFETCH(QString, option);
    QFETCH(QString, value);

    const Parsed parsed = Parse({option.toStdString(), value.toStdString()});
    QCOMPARE(parsed.result, ParseResult::Error);
    QCOMPARE(QString::fromStdString(parsed.error),
             QStringLiteral("bad value for %1: %2").arg(option, value));
}

void SimOptionsTest::unknownOrIncompleteOptionsAreNamed() {
    Parsed parsed = Parse({"--silent", "--link"});
    QCOMPARE(parsed.result, ParseResult::Error);
    QCOMPARE(parsed.error, std::string("unknown option or missing value: --link"));

    // Any word followed by another is taken as an option with a value, so the value is not
    // mistaken for the next option.
    parsed = Parse({"--bogus", "--help"});
    QCOMPARE(parsed.result, ParseResult::Error);
    QCOMPARE(parsed.error, std::string("unknown option: --bogus"));
}

void SimOptionsTest::helpAndVersionStopAtTheFirstProblem() {
    QCOMPARE(Parse({"--silent", "--help", "--bogus"}).result, ParseResult::Help);
    QCOMPARE(Parse({"--version", "--help"}).result, ParseResult::Version);
    QCOMPARE(Parse({"--drop-every", "0", "--help"}).result, ParseResult::Error);
    QCOMPARE(Parse({"--link", "--help"}).result, ParseResult::Run);
}

QTEST_APPLESS_MAIN(SimOptionsTest)
#include "test_sim_options.moc"
