#pragma once

#include "CliOptions.h"
#include "CliTexts.h"
#include "config/ConfigBlock.h"
#include "link/DeviceLink.h"
#include "link/serial/QtSerialPort.h"
#include "present/LinkPresenter.h"
#include "store/ConfigDifferences.h"
#include "store/UnitHistory.h"
#include "texts/MessageTexts.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <cstdio>
#include <vector>

namespace kx::cli {

// One command-line run: opens the port, paces the same exchange the window runs with the same
// 55 ms tick, and turns its outcome into output and an exit status.
class CliSession : public QObject, private TransferEvents {
    Q_OBJECT

  public:
    explicit CliSession(const CliOptions& options);
    int run();

  private:
    // After the exchange the program waits for the unit to store; a failed verify reads the unit
    // to list what differs.
    enum class Phase { Exchange, Saving, ListingDifferences };

    void showRecord() override;
    void clearFileName() override {}
    void exchangeEnded(ExchangeResult, TransferMode) override {}
    void versionMismatch(int pcVersion, int unitVersion) override;
    void unitBlockReceived(TransferMode mode, int blockNumber, const uint8_t* payload) override;

    bool prepareRecord();
    bool mayWriteOutFile();
    void onTick();
    void reportProgress();
    void exchangeTick();
    void finishExchange();
    void printUnitInfo();
    void startListingDifferences();
    void listingTick();
    void startSaving();
    void savingTick();
    void writeReadRecord();
    // The record as the unit now holds it, with `file` as the file the command worked with.
    void keepInHistory(HistoryAction action, const std::string& file);
    void monitorTick();
    void finish(int status);
    // The status label's caption and gauge as the window would show them now.
    const StatusDisplay& status();
    TransferOutcome outcome() const { return link_.engine().state().outcome; }
    std::string text(CliText id, const std::string& first = "",
                     const std::string& second = "") const;

    CliOptions options_;
    ConfigBlock block_ = StartupBlock();
    MessageTexts texts_;
    QtSerialPort port_;
    DeviceLink link_;
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 elapsedMs_ = 0; // from the start of the tick timer to the end of the command
    StatusPresenter statusPresenter_;
    int ticks_ = 0;
    int exitStatus_ = ExitOk;
    std::string lastProgress_;
    uint32_t telegramsShown_ = 0;
    bool connectionLostShown_ = false;
    FILE* csv_ = stdout;

    Phase phase_ = Phase::Exchange;
    bool unitInfoArrived_ = false;
    // The unit's bytes as they arrived, before any normalising; bit k set once block k is in.
    ConfigBlock unitImage_ = StartupBlock();
    unsigned unitBlocksIn_ = 0;
    ConfigBlock fileRecord_ = StartupBlock();  // verify: what the unit was compared with
    std::vector<FieldDifference> breaksRules_; // read: what normalising the unit's data changes
    qint64 verifiedAtMs_ = 0;
    // Telegrams after this count were sent once the exchange had ended.
    uint32_t telegramsAtExchangeEnd_ = 0;
    int savingShown_ = -1;
};

} // namespace kx::cli
