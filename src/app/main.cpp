#include "app/FormController.h"
#include "link/serial/QtSerialPort.h"
#include "ui/FormAbout.h"
#include "ui/FormHlav.h"
#include "ui/MessageBoxDialogs.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    try {
        kx::TFormHlav form;
        kx::QtSerialPort port;
        kx::MessageBoxDialogs dialogs(&form);
        kx::FormController controller(form, port, dialogs, arguments);
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
