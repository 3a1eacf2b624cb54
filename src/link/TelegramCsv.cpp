#include "link/TelegramCsv.h"

#include <functional>
#include <string>
#include <vector>

namespace kx {

namespace {

struct Column {
    const char* name;
    std::function<long(const MonitorTelegram&)> value;
};

long Flag(uint8_t byte) {
    return byte != 0;
}

// The one list of columns: the header and every row are built from it.
const std::vector<Column>& Columns() {
    using T = MonitorTelegram;
    static const std::vector<Column> columns = {
        {csv_column::kRpm, [](const T& t) { return long(t.rpm); }},
        {csv_column::kTpsPercent, [](const T& t) { return long(t.tpsPercent); }},
        {"tps_mv", [](const T& t) { return long(RawToMillivolts(t.tpsRaw)); }},
        {csv_column::kSupplyMv, [](const T& t) { return long(t.supplyMv); }},
        {csv_column::kAdvance1, [](const T& t) { return long(t.outputAdvance[0]) - 100; }},
        {csv_column::kAdvance2, [](const T& t) { return long(t.outputAdvance[1]) - 100; }},
        {"advance_limit1", [](const T& t) { return long(t.advanceLimit[0]); }},
        {"advance_limit2", [](const T& t) { return long(t.advanceLimit[1]); }},
        {"servo_desired_mv", [](const T& t) { return long(RawToMillivolts(t.servoDesiredRaw)); }},
        {"servo_measured_mv", [](const T& t) { return long(RawToMillivolts(t.servoMeasuredRaw)); }},
        {"program_count", [](const T& t) { return long(t.programCount); }},
        {"save_countdown", [](const T& t) { return long(t.saveCountdown); }},
        {"unit_version", [](const T& t) { return long(t.unitVersion); }},
        {"kill_switch", [](const T& t) { return Flag(t.killSwitchActive); }},
        {"retard", [](const T& t) { return Flag(t.retardActive); }},
        {"start_limiter", [](const T& t) { return Flag(t.startLimiterActive); }},
        {"clutch", [](const T& t) { return Flag(t.clutchActive); }},
        {"pilot_light", [](const T& t) { return Flag(t.pilotLightOn); }},
        {"pickup1_running", [](const T& t) { return Flag(t.pickupRunning[0]); }},
        {"pickup2_running", [](const T& t) { return Flag(t.pickupRunning[1]); }},
        {"rpm_alarm", [](const T& t) { return Flag(t.rpmAlarm); }},
        {"rpm_warning", [](const T& t) { return Flag(t.rpmWarning); }},
        {"motor_off", [](const T& t) { return Flag(t.motorOff); }},
        {"servo_ok", [](const T& t) { return Flag(t.servoOk); }},
        {"input1_grounded", [](const T& t) { return Flag(t.inputGrounded[0]); }},
        {"input2_grounded", [](const T& t) { return Flag(t.inputGrounded[1]); }},
        {"eeprom_error", [](const T& t) { return Flag(t.eepromError); }},
    };
    return columns;
}

} // namespace

std::string TelegramCsvHeader(bool withMapCell) {
    std::string header = csv_column::kTime;
    for (const Column& column : Columns())
        header += std::string(",") + column.name;
    if (withMapCell)
        header += std::string(",") + csv_column::kMapColumn + "," + csv_column::kMapRow;
    return header;
}

std::string TelegramCsvRow(int64_t timeMs, const MonitorTelegram& telegram,
                           const std::optional<OperatingPoint>& point) {
    std::string row = std::to_string(timeMs);
    for (const Column& column : Columns())
        row += "," + std::to_string(column.value(telegram));
    if (point) {
        if (point->rpmBelowAxis)
            row += ",,";
        else
            row += "," + std::to_string(point->rpmColumn + 1) + "," +
                   std::to_string(point->tpsRow + 1);
    }
    return row;
}

} // namespace kx
