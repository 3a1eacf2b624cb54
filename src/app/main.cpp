#include "ProgramVersion.h"
#include "app/FormController.h"
#include "link/serial/QtSerialPort.h"
#include "store/qt/SafeTextFile.h"
#include "ui/FormAbout.h"
#include "ui/FormHlav.h"
#include "ui/MessageBoxDialogs.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

namespace {

const char kUsage[] =
    "Usage: kx_flam3 [ENGLISH|DEUTSCH|FRANCE|CESKY] [FILE.ign] [--log FILE.csv]\n"
    "The window of the KX_FLAM3 ignition tool: read, verify and program the unit, edit its\n"
    "configuration and watch the running engine live.\n"
    "\n"
    "  ENGLISH, DEUTSCH, FRANCE, CESKY   start in this language (first argument only)\n"
    "  FILE.ign                          open a configuration file, as File > Open does\n"
    "  --log FILE.csv                    open a data log in the log viewer\n"
    "  --help                            show this text\n"
    "  --version                         show the program version\n"
    "\n"
    "Com <n> opens COM<n> on Windows and /dev/ttyS<n-1> elsewhere, unless the environment\n"
    "variable KX_FLAM3_COM<n> or the PORTS section of the settings file names another device.\n";

// The text --help or --version asks for; empty when the window is to start.
std::string InformationAskedFor(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0)
            return kUsage;
        if (std::strcmp(argv[i], "--version") == 0)
            return std::string("kx_flam3 ") + kx::kProgramVersion + "\n";
    }
    return {};
}

} // namespace

int main(int argc, char* argv[]) {
    const std::string information = InformationAskedFor(argc, argv);
#ifndef Q_OS_WIN
    // Printed before any window system is needed, so it works on a machine without a display.
    if (!information.empty()) {
        std::fputs(information.c_str(), stdout);
        return 0;
    }
#endif
    kx::LetOversizedWritesFail();
    QApplication app(argc, argv);
    // Ties the window to its desktop entry, and so to its icon, on Wayland desktops too.
    QGuiApplication::setDesktopFileName("kx_flam3");
#ifdef Q_OS_WIN
    // A windowed program has no console to print to.
    if (!information.empty()) {
        QMessageBox::information(nullptr, "kx_flam3", QString::fromStdString(information));
        return 0;
    }
#endif
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    try {
        kx::TFormHlav form;
        kx::QtSerialPort port;
        kx::MessageBoxDialogs dialogs(&form);
        kx::FormState state;
        kx::FormController controller(form, state, port, dialogs, arguments);
        controller.FormCreate();
        kx::TFormAbout about(&form); // centred on the window FormCreate has just placed
        controller.SetAboutWindow(&about);
        form.show();
        return QApplication::exec();
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, "kx_flam3", QString::fromLocal8Bit(error.what()));
        return 1;
    }
}
