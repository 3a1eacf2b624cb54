#pragma once

#include "config/ConfigBlock.h"
#include "link/DeviceLink.h"
#include "link/serial/QtSerialPort.h"
#include "present/LinkPresenter.h"
#include "texts/MessageTexts.h"

#include <QString>
#include <QTemporaryDir>

#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <string>

namespace kx::soak {

struct SoakOptions {
    int cycles = 200;
    uint32_t seed = 0;
    QString simulatorPath;
    bool verbose = false;
};

// Faults a cycle runs under: one kind alone, or all of them mixed.
constexpr int kFaultSetCount = 6;

// Outcomes of the cycles run under one fault set.
struct FaultSetTally {
    int cycles = 0;
    int succeeded = 0;
    int reportedFailures = 0;
};

// Alternates programming a random record and reading it back, each exchange with its automatic
// verify, against a freshly started simulated unit with random line faults. Every cycle must end
// in a verified success that matches the unit's stored image or in a failure caption, and a
// failed exchange must leave the record as it was (or, for a read whose verify failed, hold the
// unit's normalised data).
class SoakRun : private TransferEvents {
  public:
    explicit SoakRun(const SoakOptions& options);
    // Runs every cycle, prints the counts and returns the exit status: 0 when no invariant broke.
    int run();

  private:
    enum class Exchange { Program, Read };

    void showRecord() override {}
    void clearFileName() override {}
    void exchangeEnded(ExchangeResult result, TransferMode) override { result_ = result; }
    void versionMismatch(int pcVersion, int unitVersion) override {
        modalMessage_ = VersionMismatchText(texts_, pcVersion, unitVersion);
    }

    bool runCycle(int cycle);
    bool runExchange(Exchange exchange);
    ConfigBlock randomRecord();
    ConfigBlock unitImage() const;
    void countInjectedFaults(const QString& simulatorLog);
    std::string judge(Exchange exchange, const ConfigBlock& before, const ConfigBlock& image,
                      bool& succeeded);
    void printReport(qint64 elapsedMs) const;
    bool invariantsHeld() const;

    SoakOptions options_;
    std::mt19937 random_;
    QTemporaryDir dir_;
    QString linkPath_;
    QString imagePath_;
    ConfigBlock block_ = StartupBlock();
    MessageTexts texts_;
    QtSerialPort port_;
    DeviceLink link_;
    StatusPresenter statusPresenter_;
    std::optional<ExchangeResult> result_;
    std::string modalMessage_;

    std::array<FaultSetTally, kFaultSetCount> tallies_{};
    std::array<int, 2> exchanges_{}; // program, read
    std::array<int, 5> injected_{};  // in the simulator's order
    int falseSuccesses_ = 0;
    int damagedRecords_ = 0;
    int unreportedFailures_ = 0;
    int setupErrors_ = 0;
};

} // namespace kx::soak
