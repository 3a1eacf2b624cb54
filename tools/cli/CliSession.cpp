#include "CliSession.h"

#include "MonitorCsv.h"
#include "link/PortNames.h"
#include "store/ConfigFile.h"
#include "store/qt/SafeTextFile.h"
#include "store/qt/SettingsFiles.h"
#include "ui/text/PortFailureTexts.h"

#include <QCoreApplication>

#include <fstream>

namespace kx::cli {

namespace {

// An exchange ends by itself within about thirty ticks; this only guards against a stuck line.
constexpr int kExchangeTickLimit = 400;
// Monitor: how long to wait for the first telegram before giving up.
constexpr int kFirstTelegramTicks = 40;

// "COM3" means what it means in the window: the settings file's PORTS section and the
// environment may point it at another device.
std::string DeviceFor(const std::string& port) {
    if (const auto index = PortIndexFromName(port)) {
        const IniFile settings = ReadSettingsFile(SettingsFiles::ForThisSystem().settings);
        return DeviceForPort(*index, PortOverridesFromSettings(settings));
    }
    return port;
}

void Say(const std::string& text) {
    std::fprintf(stderr, "%s\n", text.c_str());
}

} // namespace

CliSession::CliSession(const CliOptions& options)
    : options_(options), link_(block_, texts_, port_, *this) {
    LoadMessageTexts(texts_, uint8_t(options_.languageIndex));
    timer_.setInterval(DeviceLink::kTickMs);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &CliSession::onTick);
}

int CliSession::run() {
    if (!prepareRecord())
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
        std::fprintf(csv_, "%s\n", MonitorCsvHeader().c_str());
        std::fflush(csv_);
        break;
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
        Say("ticks: " + std::to_string(ticks_));
        Say("time: " + std::to_string(elapsedMs_) + " ms");
    }
    return exitStatus_;
}

bool CliSession::prepareRecord() {
    if (options_.command != Command::Verify && options_.command != Command::Program)
        return true;
    // As the window's Open does: the file over the start-up record, then normalised.
    std::ifstream in(options_.file);
    if (!in) {
        Say(texts_.MsgOpenFileError);
        Say(options_.file);
        return false;
    }
    if (!ReadConfigFile(in, block_)) {
        Say(texts_.MsgFileVersionMismatch);
        Say(options_.file);
        return false;
    }
    NormaliseBlock(block_);
    return true;
}

void CliSession::showModalMessage(const std::string& text) {
    Say(text);
}

void CliSession::exchangeEnded(ExchangeResult result, TransferMode) {
    result_ = result;
}

void CliSession::onTick() {
    ++ticks_;
    link_.Tick(false, true);
    if (options_.command == Command::Monitor) {
        monitorTick();
        return;
    }
    reportProgress();
    // An exchange that ends in this tick is judged after the whole tick has run, so the program's
    // success caption, which replaces the verify's in the same tick, is the one reported.
    if (result_)
        finishExchange();
    else if (ticks_ >= kExchangeTickLimit)
        finish(ExitNoAnswer);
}

void CliSession::reportProgress() {
    const StatusDisplay& status = link_.engine().status();
    std::string progress = status.LabelHlaseni.caption;
    if (status.gaugeVisible)
        progress += " [" + std::to_string(status.gaugeProgress) + "/" +
                    std::to_string(status.gaugeMaximum) + "]";
    if (options_.verbose && progress != lastProgress_)
        Say("tick " + std::to_string(ticks_) + ": " + progress);
    lastProgress_ = progress;
}

void CliSession::finishExchange() {
    const TransferEngine& engine = link_.engine();
    const std::string& caption = engine.status().LabelHlaseni.caption;
    switch (*result_) {
    case ExchangeResult::VersionMismatch:
        finish(ExitVersion);
        return;
    case ExchangeResult::Failed:
        Say(caption);
        finish(link_.lastAnsweredCommand() == engine.commandByte() ? ExitMismatch : ExitNoAnswer);
        return;
    case ExchangeResult::VerifyPassed:
        break;
    }

    if (options_.command == Command::Info) {
        const UnitInfo& info = engine.unitInfo();
        std::printf("%s\n%s\n%s\n", info.unitVersionText.c_str(), info.unitDateText.c_str(),
                    info.unitTimeText.c_str());
    } else {
        std::printf("%s\n", caption.c_str());
    }
    if (options_.command == Command::Read) {
        // An existing file is replaced only by a complete one.
        if (!WriteTextFileSafely(QString::fromStdString(options_.outFile),
                                 [this](std::ostream& out) { WriteConfigFile(out, block_); })) {
            Say(texts_.MsgOpenFileError);
            Say(options_.outFile);
            finish(ExitFileError);
            return;
        }
    }
    finish(ExitOk);
}

void CliSession::monitorTick() {
    if (link_.telegramCount() != telegramsShown_) {
        telegramsShown_ = link_.telegramCount();
        std::fprintf(csv_, "%s\n", MonitorCsvRow(clock_.elapsed(), link_.lastTelegram()).c_str());
        std::fflush(csv_);
    }
    if (link_.connectionLost() != connectionLostShown_) {
        connectionLostShown_ = link_.connectionLost();
        if (connectionLostShown_ && telegramsShown_ > 0)
            Say("No Connection");
    }
    if (telegramsShown_ == 0 && ticks_ >= kFirstTelegramTicks) {
        Say("No Connection");
        finish(ExitNoAnswer);
    } else if (options_.seconds > 0 && clock_.elapsed() >= options_.seconds * 1000) {
        finish(ExitOk);
    }
}

void CliSession::finish(int status) {
    exitStatus_ = status;
    elapsedMs_ = clock_.elapsed();
    timer_.stop();
    QCoreApplication::exit(status);
}

} // namespace kx::cli
