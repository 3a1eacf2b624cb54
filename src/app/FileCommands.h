#pragma once

#include "app/FormState.h"

#include <string>

namespace kx {

class Dialogs;
class TFormHlav;
class TransferEngine;

// Opens a configuration file into the record and saves the record into one.
class FileCommands {
  public:
    FileCommands(TFormHlav& form, FormState& state, FormRefresh& refresh, Dialogs& dialogs,
                 TransferEngine& engine)
        : form_(form), state_(state), refresh_(refresh), dialogs_(dialogs), engine_(engine) {}

    void MenuOpenClick();
    void MenuSaveClick();
    // File > Open once its dialog has named the file: the same checks, messages and remembering.
    void OpenFile(const std::string& path);

  private:
    TFormHlav& form_;
    FormState& state_;
    FormRefresh& refresh_;
    Dialogs& dialogs_;
    TransferEngine& engine_;
};

} // namespace kx
