#pragma once

#include "ui/Dialogs.h"

class QWidget;

namespace kx {

// Dialogs as the platform's message boxes, titled like the window they belong to.
class MessageBoxDialogs : public Dialogs {
  public:
    explicit MessageBoxDialogs(QWidget* window) : window_(window) {}

    void showMessage(const std::string& text) override;
    Answer askYesNoCancel(const std::string& text) override;
    std::optional<std::string> askSaveFile(const std::string& initialPath) override;
    std::optional<std::string> askOpenFile(const std::string& initialPath) override;
    bool openDocument(const std::string& path) override;

  private:
    QWidget* window_;
};

} // namespace kx
