#include "ui/MessageBoxDialogs.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QUrl>

namespace kx {

void MessageBoxDialogs::showMessage(const std::string& text, Severity severity) {
    const QString title = window_->windowTitle();
    const QString message = QString::fromStdString(text);
    switch (severity) {
    case Severity::Information:
        QMessageBox::information(window_, title, message);
        break;
    case Severity::Warning:
        QMessageBox::warning(window_, title, message);
        break;
    case Severity::Error:
        QMessageBox::critical(window_, title, message);
        break;
    }
}

Dialogs::Answer MessageBoxDialogs::askYesNoCancel(const std::string& text) {
    const auto button = QMessageBox::question(
        window_, window_->windowTitle(), QString::fromStdString(text),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    return button == QMessageBox::Yes  ? Answer::Yes
           : button == QMessageBox::No ? Answer::No
                                       : Answer::Cancel;
}

std::optional<std::string> MessageBoxDialogs::askOpenLog(const std::string& initialFolder,
                                                         const std::string& filter) {
    const QString path = QFileDialog::getOpenFileName(window_, window_->windowTitle(),
                                                      QString::fromStdString(initialFolder),
                                                      QString::fromStdString(filter));
    if (path.isEmpty())
        return std::nullopt;
    return path.toStdString();
}

std::optional<int> MessageBoxDialogs::askNumber(const std::string& question, int value, int minimum,
                                                int maximum) {
    bool ok = false;
    const int number =
        QInputDialog::getInt(window_, window_->windowTitle(), QString::fromStdString(question),
                             value, minimum, maximum, 1, &ok);
    if (!ok)
        return std::nullopt;
    return number;
}

} // namespace kx

namespace kx {

namespace {

const QString kConfigFilter = "Ignition Parametrs(*.ign)";
const QString kAllFilesFilter = "All Files (*.*)";

const QString kConfigExtension = ".ign";

// The dialogs start at the last file, or in the user's home folder before there is one.
QString StartPath(const std::string& initialPath) {
    return initialPath.empty() ? QDir::homePath() : QString::fromStdString(initialPath);
}

} // namespace

QString OpenedFileName(const QString& typed) {
    const QFileInfo info(typed);
    if (info.exists() || info.fileName().contains('.'))
        return typed;
    return typed + kConfigExtension;
}

std::optional<std::string> MessageBoxDialogs::askSaveFile(const std::string& initialPath) {
    QFileDialog dialog(window_, window_->windowTitle(), StartPath(initialPath), kConfigFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("ign");
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (!initialPath.empty())
        dialog.selectFile(QString::fromStdString(initialPath));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

std::optional<std::string> MessageBoxDialogs::askOpenFile(const std::string& initialPath) {
    QFileDialog dialog(window_, window_->windowTitle(), StartPath(initialPath),
                       kConfigFilter + ";;" + kAllFilesFilter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // The dialog's own default suffix goes onto every name without a dot, an existing one too,
    // and its existence check then refuses the name. So the dialog takes any name, and the
    // extension is added here only where the name as typed names no file.
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!initialPath.empty())
        dialog.selectFile(QString::fromStdString(initialPath));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return OpenedFileName(dialog.selectedFiles().first()).toStdString();
}

bool MessageBoxDialogs::openDocument(const std::string& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

} // namespace kx
