#pragma once

#include "app/FormState.h"

namespace kx {

class Dialogs;
class TFormHlav;

// Opens a configuration file into the record and saves the record into one.
class FileCommands {
  public:
    FileCommands(TFormHlav& form, FormState& state, FormRefresh& refresh, Dialogs& dialogs)
        : form_(form), state_(state), refresh_(refresh), dialogs_(dialogs) {}

    void MenuOpenClick();
    void MenuSaveClick();

  private:
    TFormHlav& form_;
    FormState& state_;
    FormRefresh& refresh_;
    Dialogs& dialogs_;
};

} // namespace kx
