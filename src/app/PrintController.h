#pragma once

#include "app/FormState.h"

#include <QImage>

#include <vector>

namespace kx {

class Dialogs;
class StatusPresenter;
class TFormHlav;
class TransferEngine;

// Prints the window as it looks, a page at a time: on the default printer, or into a PDF when
// there is none, it refuses, or files were asked for.
class PrintController {
  public:
    PrintController(TFormHlav& form, FormState& state, FormRefresh& refresh, Dialogs& dialogs,
                    StatusPresenter& status, TransferEngine& engine)
        : form_(form), state_(state), refresh_(refresh), dialogs_(dialogs), status_(status),
          engine_(engine) {}

    // The page shown now.
    void SpeedButtonPrintClick();
    // Every page, one after the other, in one command.
    void MenuPrintAllClick();

  private:
    void BeginPrint();
    void PrintJob();
    void EndPrint();

    TFormHlav& form_;
    FormState& state_;
    FormRefresh& refresh_;
    Dialogs& dialogs_;
    StatusPresenter& status_;
    TransferEngine& engine_;
    std::vector<QImage> unprintedPages_; // pages of this print command no printer took
};

} // namespace kx
