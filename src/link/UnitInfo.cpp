#include "link/UnitInfo.h"

namespace kx {

namespace {

// Firmware build month: the unit sends the low byte of the sum of the three letters of the
// English month abbreviation instead of a number.
int MonthFromCode(uint8_t code) {
    constexpr uint8_t kCodes[12] = {25, 13, 32, 35, 39, 45, 43, 29, 40, 38, 51, 12};
    for (int month = 0; month < 12; ++month) {
        if (kCodes[month] == code)
            return month + 1;
    }
    return 0;
}

char Tens(int value) {
    return char('0' + value / 10 % 10);
}
char Units(int value) {
    return char('0' + value % 10);
}

// The unit's texts end at a zero byte like the C strings they are on the unit.
std::string Latin1ToUtf8(const uint8_t* text, size_t maxLength) {
    std::string utf8;
    for (size_t i = 0; i < maxLength && text[i] != 0; ++i) {
        const uint8_t c = text[i];
        if (c < 0x80) {
            utf8 += char(c);
        } else {
            utf8 += char(0xC0 | (c >> 6));
            utf8 += char(0x80 | (c & 0x3F));
        }
    }
    return utf8;
}

} // namespace

void FormatUnitInfo(UnitInfo& info) {
    const auto& b = info.bytes;
    const uint8_t version[5] = {b[0], b[1], b[2], uint8_t(Tens(b[3])), uint8_t(Units(b[3]))};
    info.unitVersionText = b[16] != 0 ? Latin1ToUtf8(&b[16], 30) : Latin1ToUtf8(version, 5);

    const int day = b[4];
    const int month = MonthFromCode(b[5]);
    const int year = b[6];
    std::string date;
    date += day < 10 ? ' ' : Tens(day);
    date += Units(day);
    date += '.';
    date += month == 0 ? '0' : (month < 10 ? ' ' : Tens(month));
    date += Units(month);
    date += ".20";
    date += Tens(year);
    date += Units(year);
    info.unitDateText = date;

    const int hour = b[7];
    const int minute = b[8];
    info.unitTimeText = {Tens(hour), Units(hour), ':', Tens(minute), Units(minute)};
}

} // namespace kx
