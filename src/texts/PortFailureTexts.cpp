#include "texts/PortFailureTexts.h"

#include "config/AppChoices.h"

namespace kx {

namespace {

struct Row {
    PortOpenFailure failure;
    const char* text[kLanguageCount]; // English, German, French, Czech
};

const Row kReasons[] = {
    {PortOpenFailure::InUse,
     {"in use by another program", "wird von einem anderen Programm benutzt",
      "utilisé par un autre programme", "používá ho jiný program"}},
    {PortOpenFailure::NoPermission,
     {"no permission", "keine Berechtigung", "accès refusé", "chybí oprávnění"}},
    {PortOpenFailure::NoSuchDevice,
     {"no such device", "Gerät nicht vorhanden", "périphérique introuvable",
      "zařízení neexistuje"}},
};

// On Linux serial devices belong to the group dialout; its members may open them.
[[maybe_unused]] const char* const kDialoutHint[kLanguageCount] = {
    "join the dialout group: sudo usermod -aG dialout $USER, then log in again",
    "der Gruppe dialout beitreten: sudo usermod -aG dialout $USER, dann neu anmelden",
    "rejoindre le groupe dialout : sudo usermod -aG dialout $USER, puis se reconnecter",
    "přidejte se do skupiny dialout: sudo usermod -aG dialout $USER a znovu se přihlaste"};

} // namespace

std::string PortFailureLine(const std::string& device, PortOpenFailure failure,
                            const std::string& systemText, uint8_t languageIndex) {
    const int language = languageIndex < kLanguageCount ? languageIndex : 0;
    std::string reason = systemText;
    for (const Row& row : kReasons) {
        if (row.failure == failure)
            reason = row.text[language];
    }
#ifdef __linux__
    if (failure == PortOpenFailure::NoPermission)
        reason += std::string(" (") + kDialoutHint[language] + ")";
#endif
    return device + ": " + reason;
}

} // namespace kx
