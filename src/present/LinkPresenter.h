#pragma once

#include "link/MonitorTelegram.h"
#include "link/TransferEngine.h"
#include "present/Display.h"

#include <cstdint>
#include <string>
#include <utility>

namespace kx {

struct MessageTexts;

// What the status label LabelHlaseni and the progress gauge CGaugeProgram show.
struct StatusDisplay {
    LabelState LabelHlaseni;
    bool labelVisible = false;
    int gaugeMaximum = 2;
    int gaugeProgress = 0;
    bool gaugeVisible = false;
};

// Words the exchange's state in the message texts. The label keeps its caption between the
// engine's messages, as a label does: a message is worded in the language of the moment it is
// given, and the window may put a message of its own (the print heading) in between.
class StatusPresenter {
  public:
    // Brings the display up to the engine: a message given since the last call replaces the
    // caption and its colour ("Programming: OK" keeps the colour the label has).
    const StatusDisplay& Present(const TransferState& state, const MessageTexts& texts);
    // Stays until the engine gives its next message.
    void ShowOwnMessage(LabelState label) { display_.LabelHlaseni = std::move(label); }
    void SetColour(Colour colour) { display_.LabelHlaseni.colour = colour; }

  private:
    StatusDisplay display_;
    uint32_t messagesShown_ = 0;
};

// The modal message of an exchange that met another protocol version, and the monitor's
// LabelVersion: "<MsgVersionMismatch>  PC-<pc>, IGN-<unit>".
std::string VersionMismatchText(const MessageTexts& texts, int pcVersion, int unitVersion);

// Captions, colours and gauge values of the monitor panel, named after the controls showing them.
struct MonitorDisplay {
    LabelState LabelRpm;
    int CGaugeRpm = 0; // percent of the rev limiter, 0..100
    LabelState LabelNapeti;
    LabelState LabelBlocking1;
    LabelState LabelAdvance1;
    LabelState LabelAdvance2;
    LabelState LabelMonPilotLight;
    LabelState LabelMonSnimac1;
    LabelState LabelMonSnimac2;
    LabelState LabelTpsMon;
    int CGaugeTps = 0;
    LabelState LabelPriveraPoz;
    LabelState LabelPriveraMer;
    bool servoLabelsVisible = false;                     // follows the servo group's visibility
    LabelState LabelVersion{std::string(), Colour::Red}; // an alarm, red whatever it says
    bool versionVisible = false;
    bool eeDataErrorVisible = false; // LabelEeDataErr
    LabelState LabelPocetProgramovani;
    LabelState LabelTest[8];
    LabelState LabelMonInput1In;
    LabelState LabelMonInput2In;
    LabelState LabelClutchMon;
    LabelState LabelMonStartLimiterOut;
    LabelState LabelMonRetard;
    LabelState LabelKillSwitch;
};

// The whole panel from the decoded live values and states; a state no telegram has set yet
// leaves its label empty.
MonitorDisplay PresentMonitor(const LiveValues& live, const MonitorState& state,
                              const MessageTexts& texts);

} // namespace kx
