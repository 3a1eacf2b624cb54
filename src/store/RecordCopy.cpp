#include "store/RecordCopy.h"

#include "store/WordReader.h"

#include <cstdio>

namespace kx {

void WriteRecordCopy(std::ostream& out, const ConfigBlock& block) {
    for (int i = 0; i < kRecordSize; ++i) {
        char text[8];
        std::snprintf(text, sizeof text, "%5u ", unsigned(block[i]));
        out << text;
        if (i % 10 == 9)
            out << '\n';
        if (i % 100 == 99)
            out << '\n';
    }
}

void ReadRecordCopy(std::istream& in, ConfigBlock& block) {
    WordReader reader(in);
    for (int i = 0; i < kRecordSize; ++i) {
        const auto number = reader.NextNumber();
        if (!number)
            return;
        block[i] = uint8_t(*number);
    }
}

} // namespace kx
