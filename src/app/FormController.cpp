#include "app/FormController.h"

#include "config/EditorClamp.h"
#include "config/Presets.h"
#include "link/PortNames.h"
#include "link/SerialPort.h"
#include "texts/PortFailureTexts.h"
#include "ui/Dialogs.h"
#include "ui/FormHlav.h"
#include "ui/LanguageApplier.h"
#include "ui/QtDialogLanguage.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>

namespace kx {

namespace {

constexpr uint8_t kStartPortIndex = 1;

} // namespace

FormController::FormController(TFormHlav& form, SerialPort& port, Dialogs& dialogs,
                               QStringList arguments)
    : form_(form), port_(port), dialogs_(dialogs), arguments_(std::move(arguments)),
      link_(block_, port_, *this), binding_(form.controls()), monitorPanel_(form.controls()),
      viewRules_(form, form.controls()), marker_(form.controls().advance, form.controls().servo) {
    timer1_.setInterval(DeviceLink::kTickMs);
    timer1_.setTimerType(Qt::PreciseTimer);
    connect(&timer1_, &QTimer::timeout, this, &FormController::Timer1Timer);
    connect(&form_, &TFormHlav::closeRequested, this, &FormController::FormCloseQuery);
    connect(&form_, &TFormHlav::closing, this, &FormController::FormClose);
}

void FormController::FormCreate() {
    form_.FillControlTable();
    ConnectCommands();
    choices_.portIndex = kStartPortIndex;
    block_.bike = 0;
    ApplyPreset(block_, keepSpecial_);

    if (const QScreen* screen = form_.screen()) {
        const QRect area = screen->availableGeometry();
        form_.move(area.x() + (area.width() - form_.width()) / 2,
                   area.y() + (area.height() - form_.height()) / 2);
    }
    LoadSettings();
    ApplyCommandLineLanguage();
    NormaliseBlock(block_, choices_);
    // The saved copy is a file like any other: a hand-edited one must not reach the unit unseen.
    ClampToEditors(block_);
    LoadMessageTexts(texts_, choices_.languageIndex);
    ShowBlock();
    OpenPort();
    ApplyLanguage();
    ShowBlock();

    form_.controls().monitor.message->hide();
    form_.controls().monitor.programGauge->hide();
    form_.controls().frame.dataError->hide();
    form_.controls().frame.version->hide();
    form_.controls().monitor.programGauge->setMaximum(2);
    CheckTestMode();
    for (QLabel* label : form_.controls().frame.tests)
        label->setVisible(testMode_);
    ApplyViewRules();
    timer1_.start();
}

void FormController::Timer1Timer() {
    const QWidget* servoGroup = form_.controls().servo.group;
    ReopenLostPort();
    link_.Tick(printView_, !servoGroup->isHidden());
    ApplyLinkStates();
    const LiveValues& live = link_.live();
    point_ = TrackOperatingPoint(block_, live.liveRpm, live.liveTpsPercent,
                                 form_.controls().advance.tpsRows->isChecked());
    marker_.Mark(point_);
    FinishPendingClose();
}

void FormController::ApplyLinkStates() {
    const StatusDisplay& status = statusPresenter_.Present(link_.engine().state(), texts_);
    auto* label = form_.controls().monitor.message;
    TFormHlav::ApplyLabel(label, status.LabelHlaseni);
    label->setVisible(status.labelVisible);
    auto* gauge = form_.controls().monitor.programGauge;
    if (gauge->maximum() != status.gaugeMaximum)
        gauge->setMaximum(status.gaugeMaximum);
    TFormHlav::ApplyGauge(gauge, status.gaugeProgress);
    gauge->setVisible(status.gaugeVisible);
    if (link_.telegramCount() != telegramsShown_) {
        telegramsShown_ = link_.telegramCount();
        monitorPanel_.Apply(PresentMonitor(link_.live(), link_.monitor(), texts_));
    }
    form_.controls().frame.connection->setVisible(link_.connectionLost());
    form_.controls().frame.version->setVisible(link_.monitor().versionVisible);
}

void FormController::FormCloseQuery(QCloseEvent* event) {
    // A program cut short leaves the unit with some blocks new and the rest old, and the user
    // without a word of it. It ends within about a second, in success or in its failure, while
    // the status label shows how far it is. A read or a verify changes nothing in the unit and is
    // simply dropped.
    closePending_ = ProgramRunning();
    if (closePending_)
        event->ignore();
}

bool FormController::ProgramRunning() const {
    const TransferEngine& engine = link_.engine();
    return engine.transferMode() == ModeProgram ||
           (engine.transferMode() == ModeVerify && engine.programDone());
}

void FormController::FinishPendingClose() {
    // A message the exchange ended with is read before the window goes.
    if (closePending_ && !ProgramRunning() && queuedMessages_ == 0) {
        closePending_ = false;
        form_.close();
    }
}

void FormController::FormClose() {
    if (closed_)
        return;
    closed_ = true;
    timer1_.stop();
    ClosePort();
    ReadForm();
    NormaliseBlock(block_, choices_);
    SaveSettings();
}

void FormController::ReadForm() {
    binding_.ReadForm(block_, testMode_);
    ApplyViewRules();
}

void FormController::ShowBlock() {
    binding_.ShowBlock(block_);
    ApplyViewRules();
}

void FormController::ApplyChange() {
    NormaliseBlock(block_, choices_);
    ShowBlock();
    link_.engine().CheckAutoProgram(form_.controls().miscellaneous.programAfterChange->isChecked());
}

void FormController::ApplyViewRules() {
    ViewInputs inputs;
    inputs.printView = printView_;
    inputs.testMode = testMode_;
    const FormControls& controls = form_.controls();
    inputs.tpsRowsTicked = controls.advance.tpsRows->isChecked();
    inputs.specialSelected = controls.bike.bike->currentIndex() == 4;
    inputs.synchroItem = controls.bike.synchro->currentIndex();
    inputs.programAfterChange = controls.miscellaneous.programAfterChange->isChecked();
    viewRules_.Apply(ComputeViewRules(block_, inputs));

    const UnitInfo& unit = link_.engine().unitInfo();
    const std::array<QLabel*, 3>& version = controls.bike.unitVersion;
    version[0]->setText(QString::fromStdString(unit.unitVersionText));
    version[1]->setText(QString::fromStdString(unit.unitDateText));
    version[2]->setText(QString::fromStdString(unit.unitTimeText));
}

void FormController::OpenPort() {
    const std::string device = DeviceForPort(choices_.portIndex, portOverrides_);
    const bool opened = port_.open(device);
    // An adapter plugged in after the start, or a port another program lets go, is taken up by
    // itself like a pulled adapter that comes back; a missing permission never comes by itself.
    awaitingPort_ = !opened && (port_.openFailure() == PortOpenFailure::NoSuchDevice ||
                                port_.openFailure() == PortOpenFailure::InUse);
    if (!opened)
        dialogs_.showMessage(texts_.MsgComOpenError + "\n" +
                             PortFailureLine(device, port_.openFailure(), port_.errorText(),
                                             choices_.languageIndex));
    for (int i = 0; i < kPortCount; ++i)
        form_.ComItem(i)->setChecked(i == choices_.portIndex);
}

void FormController::ReopenLostPort() {
    // Every two seconds, silently: a pulled adapter comes back without any message box.
    constexpr int kReopenTicks = 2000 / DeviceLink::kTickMs;
    if (!(port_.lost() || awaitingPort_) || ++reopenTicks_ < kReopenTicks)
        return;
    reopenTicks_ = 0;
    if (port_.open(DeviceForPort(choices_.portIndex, portOverrides_)))
        awaitingPort_ = false;
}

void FormController::ClosePort() {
    port_.close();
}

void FormController::ApplyCommandLineLanguage() {
    if (arguments_.isEmpty())
        return;
    if (const auto language = LanguageFromWord(arguments_.first().toStdString()))
        choices_.languageIndex = *language;
}

void FormController::ApplyLanguage() {
    // Messages first: captions and placeholders are built from them.
    LoadMessageTexts(texts_, choices_.languageIndex);
    const bool noConnection = form_.controls().frame.connection->isVisibleTo(&form_);
    ApplyLanguageTexts(form_, choices_.languageIndex, texts_, noConnection);
    ApplyQtDialogLanguage(choices_.languageIndex);
}

void FormController::showRecord() {
    ShowBlock();
}

void FormController::clearFileName() {
    form_.controls().bike.file->setText(QString());
}

void FormController::versionMismatch(int pcVersion, int unitVersion) {
    // This comes from inside a tick, and Qt starts no tick while the last one has not returned:
    // a box opened here would stop the receive poll, the monitor requests and the link watch
    // until the user closed it. Opened once the tick is over, it runs with the ticks going on;
    // the exchange is idle by then, so they only poll and ask for live data.
    ++queuedMessages_;
    const std::string text = VersionMismatchText(texts_, pcVersion, unitVersion);
    QMetaObject::invokeMethod(
        this, [this, text] { ShowQueuedMessage(text); }, Qt::QueuedConnection);
}

void FormController::ShowQueuedMessage(const std::string& text) {
    if (!closed_)
        dialogs_.showMessage(text);
    --queuedMessages_;
    FinishPendingClose();
}

} // namespace kx
