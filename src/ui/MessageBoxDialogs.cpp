#include "ui/MessageBoxDialogs.h"

#include <QMessageBox>

namespace kx {

void MessageBoxDialogs::showMessage(const std::string& text) {
    QMessageBox::information(window_, window_->windowTitle(), QString::fromStdString(text));
}

Dialogs::Answer MessageBoxDialogs::askYesNoCancel(const std::string& text) {
    const auto button = QMessageBox::question(
        window_, window_->windowTitle(), QString::fromStdString(text),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    return button == QMessageBox::Yes  ? Answer::Yes
           : button == QMessageBox::No ? Answer::No
                                       : Answer::Cancel;
}

} // namespace kx
