#pragma once

#include "ui/Dialogs.h"

#include <QString>

class QWidget;

namespace kx {

// The file an Open dialog's typed name stands for: the name as typed when such a file exists,
// else, when its file name has no dot, that name with the default extension ".ign"; anything
// else as typed, so that opening it reports the missing file.
QString OpenedFileName(const QString& typed);

// Dialogs as the platform's message boxes, titled like the window they belong to.
class MessageBoxDialogs : public Dialogs {
  public:
    explicit MessageBoxDialogs(QWidget* window) : window_(window) {}

    void showMessage(const std::string& text, Severity severity) override;
    Answer askYesNoCancel(const std::string& text) override;
    std::optional<std::string> askSaveFile(const std::string& initialPath) override;
    std::optional<std::string> askOpenFile(const std::string& initialPath) override;
    std::optional<std::string> askOpenLog(const std::string& initialFolder,
                                          const std::string& filter) override;
    std::optional<int> askNumber(const std::string& question, int value, int minimum,
                                 int maximum) override;
    bool openDocument(const std::string& path) override;

  private:
    QWidget* window_;
};

} // namespace kx
