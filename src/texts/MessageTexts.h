#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace kx {

// Every message shown outside the captions, hints and item lists of the controls: status
// captions, message boxes, live-monitor words, the print heading and the manual file name.
// Holds the current language's texts as UTF-8; LoadMessageTexts is the only writer.
struct MessageTexts {
    std::string MsgProgramError;
    std::string MsgVerifyError;
    std::string MsgReadError;
    std::string MsgProgramming;
    std::string MsgVerifying;
    std::string MsgReading;
    std::string MsgSaving;
    std::string MsgVersionMismatch;
    std::string MsgComOpenError;
    std::string MsgOpenFileError;
    std::string MsgFileVersionMismatch;
    std::string MsgAskDefaults;
    std::string MsgPrintDateTime;
    std::string MsgManualFile;
    std::string MsgManualOpenError;
    // Where the manual lies, %1 its path, for the user to open it by hand when no viewer did.
    std::string MsgManualLocation;
    std::string MsgAdvance;
    std::string MsgProgramCount;
    std::string MsgPickup;
    std::string MsgRunning;
    std::string MsgNoSignal;
    std::string MsgPickupError;
    std::string MsgServoDesired;
    std::string MsgServoMeasured;
    std::string MsgMotorOff;
    std::string MsgPilotLight;
    std::string MsgClutch;
    std::string MsgStartLimiter;
    std::string MsgRetard;
    std::string MsgKillSwitch;
    std::string MsgYes;
    std::string MsgNo;
    std::string MsgInput;
    std::string MsgInputOpen;
    std::string MsgInputGrounded;
};

// Fills every entry with the texts of languageIndex (0 English, 1 German, 2 French, 3 Czech).
// An index above 3 gives English rather than reading past the table.
void LoadMessageTexts(MessageTexts& texts, uint8_t languageIndex);

// Number of code points in a UTF-8 string: the pickup-error text is padded to a width in
// characters, and the Czech letters take two bytes each.
inline size_t Utf8Length(const std::string& text) {
    size_t count = 0;
    for (unsigned char byte : text) {
        if ((byte & 0xC0) != 0x80) {
            ++count;
        }
    }
    return count;
}

} // namespace kx
