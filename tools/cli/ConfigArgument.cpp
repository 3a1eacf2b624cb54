#include "ConfigArgument.h"

#include "CliOutput.h"
#include "store/ConfigFile.h"
#include "store/qt/SafeTextFile.h"

#include <sstream>

namespace kx::cli {

QString PathFromArgument(const std::string& argument) {
    return QString::fromLocal8Bit(argument.c_str());
}

bool ReadConfigArgument(const std::string& file, ConfigBlock& block, const MessageTexts& texts) {
    const auto text = ReadTextFile(PathFromArgument(file));
    if (!text) {
        Say(texts.MsgOpenFileError);
        Say(file);
        return false;
    }
    std::istringstream in(*text);
    if (!ReadConfigFile(in, block)) {
        Say(texts.MsgFileVersionMismatch);
        Say(file);
        return false;
    }
    return true;
}

} // namespace kx::cli
