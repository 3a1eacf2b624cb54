#include "app/WindowSettings.h"

#include "app/PortKeeper.h"

#include "store/FormSettings.h"
#include "store/IniFile.h"
#include "store/PortSettings.h"
#include "store/RecordCopy.h"
#include "store/qt/SafeTextFile.h"
#include "ui/FormHlav.h"
#include "ui/WindowPlacement.h"

#include <QLabel>
#include <QTabWidget>

#include <algorithm>
#include <sstream>

namespace kx {

void WindowSettings::LoadSettings(PortKeeper& ports) {
    const IniFile ini = ReadSettingsFile(files_.settings);
    // Each key defaults to what the window has now, so a missing file changes nothing but the
    // port: its default, the current index taken as a port number, is Com 1.
    auto* pages = form_.controls().frame.pages;
    FormSettings settings;
    settings.left = form_.x();
    settings.top = form_.y();
    settings.height = form_.height();
    settings.width = form_.width();
    settings.comPort = state_.choices.portIndex;
    settings.language = state_.choices.languageIndex;
    settings.activePage = pages->currentIndex();
    LoadFormSettings(ini, settings);
    LoadWorkbenchSettings(ini, state_.workbench);
    // A stored number of any size still makes a rectangle: bounded far beyond every desktop.
    auto bounded = [](long number) {
        constexpr long kFarOff = 1L << 20;
        return int(std::clamp(number, -kFarOff, kFarOff));
    };
    const QRect stored(bounded(settings.left), bounded(settings.top), bounded(settings.width),
                       bounded(settings.height));
    // A screen unplugged since, or a hand-edited file, must not put the window where no screen
    // shows it, nor make it larger than the screen.
    const QRect placed = FitIntoArea(stored, AvailableAreaFor(stored, form_.screen()));
    form_.move(placed.topLeft());
    form_.resize(placed.size());
    // Low 8 bits first, so that no stored number can overflow the subtraction.
    state_.choices.portIndex = uint8_t(uint8_t(settings.comPort) - 1);
    state_.choices.languageIndex = uint8_t(settings.language);
    form_.controls().bike.file->setText(QString::fromStdString(settings.file));
    state_.lastFilePath = settings.iniDir;
    pages->setCurrentIndex(int(settings.activePage));
    ports.SetOverrides(PortOverridesFromSettings(ini));

    // A copy that can't be read leaves the start-up record: half a copy from a failing disk is
    // worse than none.
    if (const auto copy = ReadTextFile(files_.recordCopy)) {
        std::istringstream in(*copy);
        ReadRecordCopy(in, state_.block);
    }
}

void WindowSettings::SaveSettings() {
    // The rest of the file (the port devices, anything a user added) is kept as it was.
    IniFile ini = ReadSettingsFile(files_.settings);
    FormSettings settings;
    settings.left = form_.x();
    settings.top = form_.y();
    settings.height = form_.height();
    settings.width = form_.width();
    settings.comPort = state_.choices.portIndex + 1;
    settings.language = state_.choices.languageIndex;
    settings.file = form_.controls().bike.file->text().toStdString();
    settings.iniDir = state_.lastFilePath;
    settings.activePage = form_.controls().frame.pages->currentIndex();
    SaveFormSettings(ini, settings);
    SaveWorkbenchSettings(ini, state_.workbench);
    // Failures stay silent at shutdown; the safe writes leave the previous files whole.
    WriteTextFileSafely(files_.settings, [&ini](std::ostream& out) { ini.Save(out); });
    WriteTextFileSafely(files_.recordCopy,
                        [this](std::ostream& out) { WriteRecordCopy(out, state_.block); });
}

void WindowSettings::CheckTestMode() {
    state_.testMode = MarkerSwitchesOnTestMode(files_.marker);
}

} // namespace kx
