#pragma once

#include "ui/Dialogs.h"

#include <string>
#include <vector>

namespace kx {

// Answers the window's questions with a preset answer and keeps every message shown.
class RecordingDialogs : public Dialogs {
  public:
    void showMessage(const std::string& text) override { messages.push_back(text); }
    Answer askYesNoCancel(const std::string& text) override {
        questions.push_back(text);
        return answer;
    }

    Answer answer = Answer::Yes;
    std::vector<std::string> messages;
    std::vector<std::string> questions;
};

} // namespace kx
