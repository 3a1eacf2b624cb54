#pragma once

#include "CliOptions.h"
#include "config/ConfigBlock.h"
#include "link/DeviceLink.h"
#include "link/serial/QtSerialPort.h"
#include "ui/text/MessageTexts.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <cstdio>
#include <optional>

namespace kx::cli {

// One command-line run: opens the port, paces the same exchange the window runs with the same
// 55 ms tick, and turns its outcome into output and an exit status.
class CliSession : public QObject, private TransferEvents {
    Q_OBJECT

  public:
    explicit CliSession(const CliOptions& options);
    int run();

  private:
    void showRecord() override {}
    void clearFileName() override {}
    void showModalMessage(const std::string& text) override;
    void exchangeEnded(ExchangeResult result, TransferMode mode) override;

    bool prepareRecord();
    void onTick();
    void reportProgress();
    void finishExchange();
    void monitorTick();
    void finish(int status);

    CliOptions options_;
    ConfigBlock block_ = StartupBlock();
    MessageTexts texts_;
    QtSerialPort port_;
    DeviceLink link_;
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 elapsedMs_ = 0; // from the start of the tick timer to the end of the command
    std::optional<ExchangeResult> result_;
    int ticks_ = 0;
    int exitStatus_ = ExitOk;
    std::string lastProgress_;
    uint32_t telegramsShown_ = 0;
    bool connectionLostShown_ = false;
    FILE* csv_ = stdout;
};

} // namespace kx::cli
