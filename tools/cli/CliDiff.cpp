#include "CliDiff.h"

#include "CliOutput.h"
#include "ConfigArgument.h"
#include "store/ConfigDifferences.h"
#include "texts/MessageTexts.h"

#include <QFileInfo>

namespace kx::cli {

namespace {

std::string FileName(const std::string& path) {
    return QFileInfo(PathFromArgument(path)).fileName().toLocal8Bit().toStdString();
}

} // namespace

int DiffFiles(const CliOptions& options) {
    MessageTexts texts;
    LoadMessageTexts(texts, uint8_t(options.languageIndex));
    // Over the record verify and program read their files over, so that a keyword missing from
    // both files is no difference; not normalised, so the lines show what the files hold.
    ConfigBlock first = StartupBlock();
    ConfigBlock second = StartupBlock();
    if (!ReadConfigArgument(options.file, first, texts) ||
        !ReadConfigArgument(options.secondFile, second, texts))
        return ExitFileError;

    // Names alone are shorter; two files of the same name need their paths to tell them apart.
    std::string firstLabel = FileName(options.file);
    std::string secondLabel = FileName(options.secondFile);
    if (firstLabel == secondLabel) {
        firstLabel = options.file;
        secondLabel = options.secondFile;
    }
    const std::vector<FieldDifference> differences = ListDifferences(first, second);
    PrintDifferences(differences, options.languageIndex, firstLabel, secondLabel);
    return differences.empty() ? ExitOk : ExitMismatch;
}

} // namespace kx::cli
