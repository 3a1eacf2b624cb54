#include "app/CommandLine.h"

#include "config/AppChoices.h"

namespace kx {

CommandLine ParseCommandLine(const QStringList& arguments) {
    CommandLine line;
    bool logSeen = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (i == 0)
            line.language = LanguageFromWord(argument.toStdString());
        if (line.language && i == 0)
            continue;
        if (argument == "--log") {
            if (!logSeen && i + 1 < arguments.size())
                line.log = arguments[i + 1];
            logSeen = true;
            ++i;
        } else if (!argument.startsWith("--") && line.file.isEmpty()) {
            line.file = argument;
        }
    }
    return line;
}

} // namespace kx
