#pragma once

#include <optional>
#include <string>

namespace kx {

// The modal questions and messages of the window. The application shows real message boxes;
// tests answer them without a user.
class Dialogs {
  public:
    enum class Answer { Yes, No, Cancel };
    // What a message reports, which its box shows by its icon: a failed action is an error, a
    // finished one that needs the user's attention a warning.
    enum class Severity { Information, Warning, Error };

    virtual ~Dialogs() = default;
    virtual void showMessage(const std::string& text, Severity severity) = 0;
    virtual Answer askYesNoCancel(const std::string& text) = 0;
    // The file dialogs for configuration files; nothing when the user cancels.
    virtual std::optional<std::string> askSaveFile(const std::string& initialPath) = 0;
    virtual std::optional<std::string> askOpenFile(const std::string& initialPath) = 0;
    // The file dialog for a data log; filter is its list of file types, as Qt writes it.
    virtual std::optional<std::string> askOpenLog(const std::string& initialFolder,
                                                  const std::string& filter) = 0;
    // A whole number within minimum..maximum, starting at value; nothing when the user cancels.
    virtual std::optional<int> askNumber(const std::string& question, int value, int minimum,
                                         int maximum) = 0;
    // Hands a document to the desktop's viewer; false when nothing could open it.
    virtual bool openDocument(const std::string& path) = 0;
};

} // namespace kx
