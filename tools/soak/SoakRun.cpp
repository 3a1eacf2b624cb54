#include "SoakRun.h"

#include "store/RecordCopy.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <fstream>

namespace kx::soak {

namespace {

// An exchange ends by itself within about a hundred ticks even when every request is repeated;
// this only catches one that never ends.
constexpr int kTickLimit = 400;
constexpr int kSimulatorStartMs = 5000;

// The fault sets, named as the simulator's --faults takes them. A bad echo only happens on
// program blocks, so a read never runs under it alone.
struct FaultSet {
    const char* name;
    const char* faults;
    bool forReads;
};
const FaultSet kFaultSets[kFaultSetCount] = {
    {"drop", "drop", true},          {"corrupt", "corrupt", true},
    {"stray", "stray", true},        {"delay", "delay", true},
    {"bad-echo", "bad-echo", false}, {"mixed", "drop,corrupt,stray,delay,bad-echo", true},
};
const char* const kInjectedNames[] = {"drop", "corrupt", "stray", "delay", "bad-echo"};

// Per answer, from rarely (most requests pass at the first or second send) to so often that
// five sends are not enough.
constexpr int kFaultPercentMin = 10;
constexpr int kFaultPercentMax = 90;

bool SameImage(const ConfigBlock& a, const ConfigBlock& b) {
    return std::equal(a.bytes(), a.bytes() + kImageSize, b.bytes());
}

bool SameSpare(const ConfigBlock& a, const ConfigBlock& b) {
    return std::equal(a.bytes() + kImageSize, a.bytes() + kRecordSize, b.bytes() + kImageSize);
}

} // namespace

SoakRun::SoakRun(const SoakOptions& options)
    : options_(options), random_(options.seed), link_(block_, port_, *this) {
    LoadMessageTexts(texts_, 0);
    linkPath_ = dir_.filePath("unit");
    imagePath_ = dir_.filePath("image.txt");
}

int SoakRun::run() {
    std::printf("soak: seed %u, %d cycles\n", options_.seed, options_.cycles);
    std::fflush(stdout);
    QElapsedTimer clock;
    clock.start();
    for (int cycle = 0; cycle < options_.cycles; ++cycle) {
        if (!runCycle(cycle)) {
            ++setupErrors_;
            break;
        }
    }
    printReport(clock.elapsed());
    return invariantsHeld() ? 0 : 1;
}

bool SoakRun::runCycle(int cycle) {
    const Exchange exchange = cycle % 2 == 0 ? Exchange::Program : Exchange::Read;
    int set = int(random_() % kFaultSetCount);
    while (exchange == Exchange::Read && !kFaultSets[set].forReads)
        set = int(random_() % kFaultSetCount);
    const int percent =
        kFaultPercentMin + int(random_() % (kFaultPercentMax - kFaultPercentMin + 1));
    const uint32_t simulatorSeed = random_() % 0x7FFFFFFF;

    QProcess simulator;
    simulator.setProgram(options_.simulatorPath);
    simulator.setArguments({"--link", linkPath_, "--image", imagePath_, "--fault-percent",
                            QString::number(percent), "--fault-seed",
                            QString::number(simulatorSeed), "--faults", kFaultSets[set].faults});
    simulator.start();
    if (!simulator.waitForReadyRead(kSimulatorStartMs)) {
        std::fprintf(stderr, "soak: the simulator did not start: %s\n",
                     qPrintable(options_.simulatorPath));
        return false;
    }
    if (!port_.open(linkPath_.toStdString())) {
        std::fprintf(stderr, "soak: cannot open %s: %s\n", qPrintable(linkPath_),
                     port_.errorText().c_str());
        return false;
    }

    // A program sends a new record; a read starts from another one it must replace.
    block_ = randomRecord();
    const ConfigBlock before = block_;
    const bool finished = runExchange(exchange);
    port_.close();
    simulator.terminate();
    simulator.waitForFinished(kSimulatorStartMs);
    countInjectedFaults(QString::fromUtf8(simulator.readAllStandardError()));

    bool succeeded = false;
    const std::string broken =
        finished ? judge(exchange, before, unitImage(), succeeded) : "no outcome";
    if (!finished)
        ++unreportedFailures_;
    FaultSetTally& tally = tallies_[size_t(set)];
    ++tally.cycles;
    ++exchanges_[exchange == Exchange::Program ? 0 : 1];
    if (broken.empty())
        ++(succeeded ? tally.succeeded : tally.reportedFailures);

    const char* name = exchange == Exchange::Program ? "program" : "read";
    const std::string& caption =
        statusPresenter_.Present(link_.engine().state(), texts_).LabelHlaseni.caption;
    if (options_.verbose || !broken.empty())
        std::printf("cycle %d: %s under %s %d%% (simulator seed %u): %s%s%s\n", cycle + 1, name,
                    kFaultSets[set].name, percent, simulatorSeed, caption.c_str(),
                    broken.empty() ? "" : " -- BROKEN: ", broken.c_str());
    std::fflush(stdout);
    return true;
}

bool SoakRun::runExchange(Exchange exchange) {
    result_.reset();
    modalMessage_.clear();
    if (exchange == Exchange::Program)
        link_.engine().StartProgram();
    else
        link_.engine().StartRead();

    QEventLoop loop;
    QTimer timer;
    timer.setInterval(DeviceLink::kTickMs);
    timer.setTimerType(Qt::PreciseTimer);
    int ticks = 0;
    // Judged after the whole tick, as the window shows it: a program's success caption replaces
    // the verify's in the same tick.
    QObject::connect(&timer, &QTimer::timeout, [&] {
        link_.Tick(false, true);
        if (result_ || ++ticks >= kTickLimit)
            loop.quit();
    });
    timer.start();
    loop.exec();
    return result_.has_value();
}

ConfigBlock SoakRun::randomRecord() {
    ConfigBlock record = block_;
    for (int i = 0; i < kImageSize; ++i)
        record[i] = uint8_t(random_());
    NormaliseBlock(record);
    return record;
}

ConfigBlock SoakRun::unitImage() const {
    // Until the first program the unit holds its start-up configuration.
    ConfigBlock image = StartupBlock();
    std::ifstream in(imagePath_.toStdString());
    if (in)
        ReadRecordCopy(in, image);
    return image;
}

void SoakRun::countInjectedFaults(const QString& simulatorLog) {
    for (size_t i = 0; i < injected_.size(); ++i) {
        const QRegularExpression count(QString(" %1=(\\d+)").arg(kInjectedNames[i]));
        const QRegularExpressionMatch match = count.match(simulatorLog);
        if (match.hasMatch())
            injected_[i] += match.captured(1).toInt();
    }
}

std::string SoakRun::judge(Exchange exchange, const ConfigBlock& before, const ConfigBlock& image,
                           bool& succeeded) {
    const TransferState& state = link_.engine().state();
    if (*result_ == ExchangeResult::VersionMismatch) {
        ++unreportedFailures_;
        return "version mismatch: " + modalMessage_;
    }
    succeeded = *result_ == ExchangeResult::VerifyPassed;
    const bool program = exchange == Exchange::Program;

    if (succeeded) {
        const StatusMessage shown =
            program ? StatusMessage::Programmed : StatusMessage::VerifyPassed;
        const TransferOutcome ended =
            program ? TransferOutcome::Programmed : TransferOutcome::VerifyPassed;
        if (state.message != shown || state.outcome != ended || !SameImage(block_, image) ||
            !SameSpare(block_, before)) {
            ++falseSuccesses_;
            return "success reported, but the record and the unit differ";
        }
        if (program && block_ != before) {
            ++damagedRecords_;
            return "programming changed the record";
        }
        return {};
    }

    const TransferMode step = program ? ModeProgram : ModeRead;
    const bool verifyFailed = state.failedExchange == ModeVerify;
    if (state.message != StatusMessage::Failed || state.outcome != TransferOutcome::Failed ||
        (state.failedExchange != step && !verifyFailed)) {
        ++unreportedFailures_;
        return "failure without its caption";
    }
    // A read whose verify failed has taken the unit's data, normalised; any other failure leaves
    // the record alone.
    ConfigBlock normalisedImage = image;
    NormaliseBlock(normalisedImage);
    const bool readTaken =
        !program && verifyFailed && SameImage(block_, normalisedImage) && SameSpare(block_, before);
    if (block_ != before && !readTaken) {
        ++damagedRecords_;
        return "a failed exchange changed the record";
    }
    return {};
}

void SoakRun::printReport(qint64 elapsedMs) const {
    std::printf("%d program and %d read exchanges in %.0f s\n", exchanges_[0], exchanges_[1],
                double(elapsedMs) / 1000.0);
    std::printf("%-10s %7s %10s %9s\n", "faults", "cycles", "succeeded", "reported");
    for (int i = 0; i < kFaultSetCount; ++i) {
        const FaultSetTally& tally = tallies_[size_t(i)];
        std::printf("%-10s %7d %10d %9d\n", kFaultSets[i].name, tally.cycles, tally.succeeded,
                    tally.reportedFailures);
    }
    std::printf("injected faults:");
    for (size_t i = 0; i < injected_.size(); ++i)
        std::printf(" %s=%d", kInjectedNames[i], injected_[i]);
    std::printf("\nfalse successes: %d\n", falseSuccesses_);
    std::printf("records changed by a failed exchange: %d\n", damagedRecords_);
    std::printf("failures without their caption: %d\n", unreportedFailures_);
    std::printf("%s\n", invariantsHeld() ? "soak passed" : "soak FAILED");
}

bool SoakRun::invariantsHeld() const {
    return falseSuccesses_ == 0 && damagedRecords_ == 0 && unreportedFailures_ == 0 &&
           setupErrors_ == 0;
}

} // namespace kx::soak
