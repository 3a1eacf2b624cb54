#pragma once

#include "app/FormState.h"

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

  private:
    TFormHlav& form_;
    FormState& state_;
    FormRefresh& refresh_;
    Dialogs& dialogs_;
    TransferEngine& engine_;
};

} // namespace kx
