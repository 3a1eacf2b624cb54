#pragma once

#include "ui/Dialogs.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kx {

// Answers the window's questions with a preset answer and keeps every message shown.
class RecordingDialogs : public Dialogs {
  public:
    void showMessage(const std::string& text, Severity severity) override {
        messages.push_back(text);
        severities.push_back(severity);
        if (whileShown)
            whileShown();
    }
    Answer askYesNoCancel(const std::string& text) override {
        questions.push_back(text);
        return answer;
    }

    std::optional<std::string> askSaveFile(const std::string& initialPath) override {
        initialPaths.push_back(initialPath);
        return fileAnswer;
    }
    std::optional<std::string> askOpenFile(const std::string& initialPath) override {
        initialPaths.push_back(initialPath);
        return fileAnswer;
    }

    std::optional<std::string> askOpenLog(const std::string& initialFolder,
                                          const std::string& filter) override {
        logFolders.push_back(initialFolder);
        logFilters.push_back(filter);
        return logAnswer;
    }

    std::optional<int> askNumber(const std::string& question, int value, int minimum,
                                 int maximum) override {
        questions.push_back(question);
        numberAsked = {value, minimum, maximum};
        return numberAnswer;
    }

    bool openDocument(const std::string& path) override {
        openedDocuments.push_back(path);
        return openSucceeds;
    }

    Answer answer = Answer::Yes;
    std::optional<std::string> fileAnswer; // the file "chosen", nothing for Cancel
    std::vector<std::string> initialPaths;
    std::optional<std::string> logAnswer; // the log "chosen"
    std::vector<std::string> logFolders;
    std::vector<std::string> logFilters;
    bool openSucceeds = true; // whether the desktop "found" a viewer
    std::vector<std::string> openedDocuments;
    std::vector<std::string> messages;
    std::vector<Severity> severities; // parallel to messages
    // Runs inside showMessage, as the user's time in front of the open box.
    std::function<void()> whileShown;
    std::vector<std::string> questions;
    std::optional<int> numberAnswer;  // the number "typed", nothing for Cancel
    std::array<int, 3> numberAsked{}; // the start value and the range of the last number asked
};

} // namespace kx
