#include "config/EditorFields.h"

#include <cstddef>

namespace kx {

namespace {

using B = ConfigBlock;

std::vector<SpinFieldSpec> BuildSpinFields() {
    std::vector<SpinFieldSpec> fields = {
        {"PocPalcu", offsetof(B, lobeCount), Scale::Plain, 1, 58, 40, 1},
        {"PocKanalu", offsetof(B, outputCount), Scale::Plain, 1, 2, 2, 1},
        {"PilotLight", offsetof(B, pilotLight), Scale::Hundreds, 1000, 25000, 15000, 100},
        {"BaseAdv", offsetof(B, baseAdv), Scale::Plain, 0, 40, 40, 1},
        {"PocSynchro", offsetof(B, noIgnitionRevs), Scale::Plain, 0, 40, 40, 1},
        {"RpmPulsu", offsetof(B, tachoPulses), Scale::Plain, 0, 6, 1, 1},
        {"RpmKorekce", offsetof(B, tachoCorrection), Scale::Bias100, -60, 60, 0, 1},
        {"Omez1", offsetof(B, startLimiter), Scale::Hundreds, 999, 25000, 15000, 100},
        {"Omez2", offsetof(B, limiter), Scale::Hundreds, 999, 25000, 15000, 100},
        {"PrivHyster", offsetof(B, servoHyster), Scale::Fives, 0, 1275, 300, 5},
        {"Tps0", offsetof(B, tps0), Scale::Tens, 250, 2500, 300, 10},
        {"Tps100", offsetof(B, tps100), Scale::Tps100, 2500, 4750, 2500, 10},
        {"Kompenz1", offsetof(B, compensation1), Scale::Plain, 0, 255, 40, 1},
        {"Kompenz2", offsetof(B, compensation2), Scale::Plain, 0, 255, 40, 1},
        {"Retard", offsetof(B, retard), Scale::Plain, 0, 25, 0, 1},
        {"ClutchTime", offsetof(B, clutchTime), Scale::Tens, 0, 2500, 0, 10},
        {"ClutchPause", offsetof(B, clutchPause), Scale::Tens, 0, 2500, 0, 10},
    };
    for (int channel = 0; channel < kUsedChannels; ++channel) {
        const std::string palec = "Palec" + std::to_string(channel + 1);
        fields.push_back(
            {palec + "Zac", int(offsetof(B, maxAdvLobe)) + channel, Scale::Plain, 1, 58, 40, 1});
        fields.push_back(
            {palec + "End", int(offsetof(B, startAdvLobe)) + channel, Scale::Plain, 1, 58, 40, 1});
    }
    constexpr int kServoMvStart = 100;
    for (int i = 0; i < kAxisPoints; ++i) {
        const std::string number = std::to_string(i + 1);
        // The first axis point may sit just below 200 rpm; the first two servo points at 200.
        fields.push_back({"RpmAdv" + number, int(offsetof(B, rpmAdv)) + i, Scale::Hundreds,
                          i == 0 ? 199 : 300, 20100, 1000 * (i + 1), 100});
        constexpr int kServoStart[kAxisPoints] = {1000, 2000,  3000,  4000,  6000,
                                                  8000, 10000, 12000, 14000, 16000};
        fields.push_back({"RpmPriv" + number, int(offsetof(B, servoRpm)) + i, Scale::Hundreds,
                          i < 2 ? 200 : 300, 20100, kServoStart[i], 100});
        fields.push_back({"NapPriv" + number, int(offsetof(B, servoMv)) + i, Scale::Twenties, 20,
                          5000, kServoMvStart, 20});
    }
    for (int cell = 0; cell < kMapRows * kMapColumns; ++cell) {
        fields.push_back({std::to_string(50 + cell), int(offsetof(B, advance)) + cell, Scale::Plain,
                          0, kAdvanceMax, 20, 1});
    }
    return fields;
}

} // namespace

const std::vector<SpinFieldSpec>& SpinFields() {
    static const std::vector<SpinFieldSpec> fields = BuildSpinFields();
    return fields;
}

const std::vector<CheckFieldSpec>& CheckFields() {
    static const std::vector<CheckFieldSpec> fields = {
        {"CheckBoxZakazCteni", offsetof(B, noReading), false},
        {"CheckBoxInvInput1", offsetof(B, pickup1Inverted), true},
        {"CheckBoxInvInput2", offsetof(B, pickup2Inverted), true},
        {"CheckBoxPrivEnable", offsetof(B, servoEnable), true},
        {"CheckBoxTpsMapa", offsetof(B, tpsMapa), true},
        {"CheckBoxPalec1ZacH2", offsetof(B, maxAdvEdge2) + 0, true},
        {"CheckBoxPalec2ZacH2", offsetof(B, maxAdvEdge2) + 1, true},
        {"CheckBoxPalec1EndH2", offsetof(B, startAdvEdge2) + 0, true},
        {"CheckBoxPalec2EndH2", offsetof(B, startAdvEdge2) + 1, true},
        {"CheckBoxPalec1ZacP2", offsetof(B, maxAdvPickup2) + 0, true},
        {"CheckBoxPalec2ZacP2", offsetof(B, maxAdvPickup2) + 1, true},
        {"CheckBoxPalec1EndP2", offsetof(B, startAdvPickup2) + 0, true},
        {"CheckBoxPalec2EndP2", offsetof(B, startAdvPickup2) + 1, true},
    };
    return fields;
}

} // namespace kx
