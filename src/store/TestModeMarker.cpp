#include "store/TestModeMarker.h"

#include "store/WordReader.h"

namespace kx {

bool MarkerEnablesTestMode(std::istream& in) {
    WordReader reader(in);
    Word word;
    while (reader.Next(word)) {
        if (word.Is("DIAG_SWITCH"))
            return true;
    }
    return false;
}

} // namespace kx
