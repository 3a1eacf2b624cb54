#include "CliSession.h"

#include "CliHistory.h"
#include "CliOutput.h"
#include "ConfigArgument.h"
#include "config/EditorClamp.h"
#include "link/PortNames.h"
#include "link/TelegramCsv.h"
#include "store/ConfigFile.h"
#include "store/PortSettings.h"
#include "store/qt/SafeTextFile.h"
#include "store/qt/SettingsFiles.h"
#include "texts/PortFailureTexts.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

namespace kx::cli {

namespace {

// An exchange ends by itself within about thirty ticks; this only guards against a stuck line.
constexpr int kExchangeTickLimit = 400;
// Monitor: how long to wait for the first telegram before giving up.
constexpr int kFirstTelegramTicks = 40;
// The unit stores a new configuration in about two seconds; cutting its power meanwhile may
// leave it with damaged data, so the program waits for its word that storing has ended.
constexpr qint64 kSavingLimitMs = 10000;
constexpr unsigned kBothDataBlocks = (1u << 1) | (1u << 2);

// "COM3" means what it means in the window: the settings file's PORTS section and the
// environment may point it at another device.
std::string DeviceFor(const std::string& port) {
    if (const auto index = PortIndexFromName(port)) {
        const IniFile settings = ReadSettingsFile(SettingsFiles::ForThisSystem().settings);
        return DeviceForPort(*index, PortOverridesFromSettings(settings));
    }
    return port;
}

} // namespace

CliSession::CliSession(const CliOptions& options) : options_(options), link_(block_, port_, *this) {
    LoadMessageTexts(texts_, uint8_t(options_.languageIndex));
    timer_.setInterval(DeviceLink::kTickMs);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &CliSession::onTick);
}

int CliSession::run() {
    if (!prepareRecord() || !mayWriteOutFile())
        return ExitFileError;

    const std::string device = DeviceFor(options_.port);
    if (!port_.open(device)) {
        Say(texts_.MsgComOpenError);
        Say(PortFailureLine(device, port_.openFailure(), port_.errorText(),
                            uint8_t(options_.languageIndex)));
        return ExitPortError;
    }

    if (!options_.csvFile.empty()) {
        csv_ = std::fopen(options_.csvFile.c_str(), "w");
        if (!csv_) {
            Say(texts_.MsgOpenFileError);
            Say(options_.csvFile);
            return ExitFileError;
        }
    }

    switch (options_.command) {
    case Command::Read:
    case Command::Info:
        link_.engine().StartRead();
        break;
    case Command::Verify:
        link_.engine().StartVerify();
        break;
    case Command::Program:
        link_.engine().StartProgram();
        break;
    case Command::Monitor:
        std::fprintf(csv_, "%s\n", TelegramCsvHeader(false).c_str());
        std::fflush(csv_);
        break;
    case Command::Diff: // main runs these without a session
    case Command::History:
    case Command::Help:
    case Command::Version:
        break;
    }

    clock_.start();
    timer_.start();
    QCoreApplication::exec();
    port_.close();
    if (csv_ != stdout)
        std::fclose(csv_);
    if (options_.verbose) {
        Say(text(CliText::VerboseTicks, std::to_string(ticks_)));
        Say(text(CliText::VerboseTime, std::to_string(elapsedMs_)));
    }
    return exitStatus_;
}

bool CliSession::prepareRecord() {
    if (options_.command != Command::Verify && options_.command != Command::Program)
        return true;
    // As the window's Open does: the file over the start-up record, normalised, and brought into
    // the editors' ranges, so the unit gets exactly what the window would show for the file.
    if (!ReadConfigArgument(options_.file, block_, texts_))
        return false;
    NormaliseBlock(block_);
    ClampToEditors(block_);
    return true;
}

// A backup is not replaced by accident; the unit is not even asked before that is settled.
bool CliSession::mayWriteOutFile() {
    if (options_.command != Command::Read || options_.force ||
        !QFileInfo::exists(PathFromArgument(options_.outFile)))
        return true;
    Say(text(CliText::OutFileExists, options_.outFile));
    return false;
}

void CliSession::showRecord() {
    // The engine has just normalised the unit's data of a read. The file is a backup of what the
    // unit holds, so the record goes back to the unit's bytes, and the verify that follows
    // compares the unit with those.
    if (options_.command != Command::Read || link_.engine().transferMode() != ModeRead ||
        unitBlocksIn_ != kBothDataBlocks)
        return;
    breaksRules_ = ListDifferences(unitImage_, block_);
    std::copy(unitImage_.bytes(), unitImage_.bytes() + kImageSize, block_.bytes());
}

void CliSession::versionMismatch(int pcVersion, int unitVersion) {
    Say(VersionMismatchText(texts_, pcVersion, unitVersion));
}

void CliSession::unitBlockReceived(TransferMode mode, int blockNumber, const uint8_t* payload) {
    if (mode != ModeRead)
        return;
    if (blockNumber == 0) {
        unitInfoArrived_ = true;
        return;
    }
    std::copy(payload, payload + kDataBlockSize, unitImage_.bytes() + DataBlockOffset(blockNumber));
    unitBlocksIn_ |= 1u << blockNumber;
}

void CliSession::onTick() {
    ++ticks_;
    link_.Tick(false, true);
    if (options_.command == Command::Monitor)
        monitorTick();
    else if (phase_ == Phase::Saving)
        savingTick();
    else if (phase_ == Phase::ListingDifferences)
        listingTick();
    else
        exchangeTick();
}

void CliSession::exchangeTick() {
    reportProgress();
    // The texts are all info asks for; the rest of the read is not waited for.
    if (options_.command == Command::Info && unitInfoArrived_) {
        printUnitInfo();
        finish(outcome() == TransferOutcome::VersionMismatch ? ExitVersion : ExitOk);
        return;
    }
    // An exchange that ends in this tick is judged after the whole tick has run, so the program's
    // success caption, which replaces the verify's in the same tick, is the one reported.
    if (outcome() != TransferOutcome::None)
        finishExchange();
    else if (ticks_ >= kExchangeTickLimit)
        finish(ExitNoAnswer);
}

void CliSession::reportProgress() {
    const StatusDisplay& status = this->status();
    std::string progress = status.LabelHlaseni.caption;
    if (status.gaugeVisible)
        progress += " [" + std::to_string(status.gaugeProgress) + "/" +
                    std::to_string(status.gaugeMaximum) + "]";
    if (options_.verbose && progress != lastProgress_)
        Say(text(CliText::VerboseTick, std::to_string(ticks_), progress));
    lastProgress_ = progress;
}

void CliSession::finishExchange() {
    telegramsAtExchangeEnd_ = link_.telegramCount();
    const TransferEngine& engine = link_.engine();
    const std::string& caption = status().LabelHlaseni.caption;
    switch (outcome()) {
    case TransferOutcome::VersionMismatch:
        finish(ExitVersion);
        return;
    case TransferOutcome::Failed:
        Say(caption);
        if (link_.lastAnsweredCommand() != engine.commandByte())
            finish(ExitNoAnswer);
        else if (options_.command == Command::Verify)
            startListingDifferences();
        else
            finish(ExitMismatch);
        return;
    case TransferOutcome::None:
    case TransferOutcome::VerifyPassed:
    case TransferOutcome::Programmed:
    case TransferOutcome::Fetched: // the tool never fetches
        break;
    }

    if (options_.command == Command::Program) {
        startSaving();
    } else if (options_.command == Command::Read) {
        writeReadRecord();
    } else {
        Print(caption);
        finish(ExitOk);
    }
}

void CliSession::printUnitInfo() {
    const UnitInfo& info = link_.engine().unitInfo();
    Print(text(CliText::Firmware, info.unitVersionText));
    Print(text(CliText::Date, info.unitDateText));
    Print(text(CliText::Time, info.unitTimeText));
}

// The verify stops at the first block that differs and says nothing of the fields. Reading the
// unit gives its whole image to compare with the file.
void CliSession::startListingDifferences() {
    fileRecord_ = block_;
    unitBlocksIn_ = 0;
    phase_ = Phase::ListingDifferences;
    link_.engine().StartRead();
}

void CliSession::listingTick() {
    reportProgress();
    if (unitBlocksIn_ == kBothDataBlocks) {
        // The verify does not compare the unit's own "No Reading" flag, so neither does this.
        unitImage_.noReading = fileRecord_.noReading;
        const auto differences = ListDifferences(fileRecord_, unitImage_);
        if (differences.empty())
            Say(text(CliText::ListedMatches));
        PrintDifferences(differences, options_.languageIndex, text(CliText::FileLabel),
                         text(CliText::UnitLabel));
        finish(ExitMismatch);
    } else if (outcome() != TransferOutcome::None || ticks_ >= kExchangeTickLimit) {
        Say(text(CliText::ListingFailed));
        finish(ExitMismatch);
    }
}

void CliSession::startSaving() {
    phase_ = Phase::Saving;
    verifiedAtMs_ = clock_.elapsed();
}

// Idle ticks keep asking for live data; the unit reports what is left to store.
void CliSession::savingTick() {
    const StatusDisplay& status = this->status();
    if (link_.live().saveCountdown > 0 && status.gaugeProgress != savingShown_) {
        savingShown_ = status.gaugeProgress;
        Print(texts_.MsgSaving + " " + std::to_string(savingShown_) + "%");
    }
    if (link_.telegramCount() != telegramsAtExchangeEnd_ &&
        link_.lastTelegram().saveCountdown == 0) {
        keepInHistory(HistoryAction::Program, options_.file);
        Print(status.LabelHlaseni.caption);
        finish(ExitOk);
    } else if (clock_.elapsed() - verifiedAtMs_ >= kSavingLimitMs) {
        Say(text(CliText::StoringNotEnded, std::to_string(kSavingLimitMs / 1000)));
        finish(ExitNoAnswer);
    }
}

void CliSession::writeReadRecord() {
    const QString path = PathFromArgument(options_.outFile);
    // An existing file is replaced only by a complete one.
    if (!WriteTextFileSafely(path, [this](std::ostream& out) { WriteConfigFile(out, block_); })) {
        Say(texts_.MsgOpenFileError);
        Say(options_.outFile);
        finish(ExitFileError);
        return;
    }
    // Only once the backup is written, so no entry names a file that does not hold it.
    keepInHistory(HistoryAction::Read, options_.outFile);
    Print(status().LabelHlaseni.caption);
    Print(text(CliText::Written, options_.outFile));
    if (breaksRules_.empty()) {
        finish(ExitOk);
        return;
    }
    Say(text(CliText::BreaksRules));
    PrintDifferences(breaksRules_, options_.languageIndex, text(CliText::UnitLabel),
                     text(CliText::NormalisedLabel));
    finish(ExitMismatch);
}

void CliSession::monitorTick() {
    if (link_.telegramCount() != telegramsShown_) {
        telegramsShown_ = link_.telegramCount();
        std::fprintf(csv_, "%s\n",
                     TelegramCsvRow(clock_.elapsed(), link_.lastTelegram(), std::nullopt).c_str());
        std::fflush(csv_);
    }
    if (link_.connectionLost() != connectionLostShown_) {
        connectionLostShown_ = link_.connectionLost();
        if (connectionLostShown_ && telegramsShown_ > 0)
            Say(text(CliText::NoConnection));
    }
    const bool runOver = options_.seconds > 0 && clock_.elapsed() >= options_.seconds * 1000;
    if (telegramsShown_ == 0 && (runOver || ticks_ >= kFirstTelegramTicks)) {
        Say(text(CliText::NoConnection));
        finish(ExitNoAnswer);
    } else if (runOver) {
        finish(ExitOk);
    }
}

void CliSession::keepInHistory(HistoryAction action, const std::string& file) {
    const int programCount =
        link_.telegramCount() != telegramsAtExchangeEnd_ ? int(link_.monitor().programCount) : -1;
    KeepInHistory(action, link_.engine().unitInfo(), programCount, file, block_,
                  options_.languageIndex);
}

std::string CliSession::text(CliText id, const std::string& first,
                             const std::string& second) const {
    return Text(id, options_.languageIndex, first, second);
}

const StatusDisplay& CliSession::status() {
    return statusPresenter_.Present(link_.engine().state(), texts_);
}

void CliSession::finish(int status) {
    exitStatus_ = status;
    elapsedMs_ = clock_.elapsed();
    timer_.stop();
    QCoreApplication::exit(status);
}

} // namespace kx::cli
