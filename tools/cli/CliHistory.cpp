#include "CliHistory.h"

#include "CliOutput.h"
#include "CliTexts.h"
#include "ConfigArgument.h"
#include "store/qt/HistoryFolder.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cstddef>
#include <functional>
#include <vector>

namespace kx::cli {

namespace {

// Columns line up by characters, not bytes: headings, actions and paths may hold UTF-8 letters.
std::size_t Width(const std::string& text) {
    return std::size_t(std::count_if(text.begin(), text.end(),
                                     [](char c) { return (uint8_t(c) & 0xC0) != 0x80; }));
}

// Every column as wide as its widest cell, two spaces between; the last is not padded.
std::vector<std::string> AlignedLines(const std::vector<std::vector<std::string>>& rows) {
    std::vector<std::size_t> widths;
    for (const auto& row : rows) {
        widths.resize(std::max(widths.size(), row.size()));
        for (std::size_t i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], Width(row[i]));
    }
    std::vector<std::string> lines;
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t i = 0; i < row.size(); ++i) {
            line += (i > 0 ? "  " : "") + row[i];
            if (i + 1 < row.size())
                line.append(widths[i] - Width(row[i]), ' ');
        }
        lines.push_back(line);
    }
    return lines;
}

CliText ActionText(const HistoryEntry& entry) {
    if (entry.action == HistoryAction::Read)
        return CliText::HistoryRead;
    return entry.nudge ? CliText::HistoryNudge : CliText::HistoryProgram;
}

std::string FirmwareCell(const HistoryEntry& entry) {
    return entry.firmware + ", " + entry.firmwareDate + " " + entry.firmwareTime;
}

} // namespace

void KeepInHistory(HistoryAction action, const UnitInfo& unit, int programCount,
                   const std::string& file, const ConfigBlock& record, int languageIndex) {
    HistoryEntry entry;
    entry.action = action;
    entry.firmware = unit.unitVersionText;
    entry.firmwareDate = unit.unitDateText;
    entry.firmwareTime = unit.unitTimeText;
    entry.programCount = programCount;
    // The listing is read from anywhere, so the file is named independently of this directory.
    entry.openFile = QFileInfo(PathFromArgument(file)).absoluteFilePath().toStdString();
    const HistoryFolder folder(HistoryFolder::ForThisSystem());
    if (!folder.Add(entry, record, QDateTime::currentDateTime()))
        Say(Text(CliText::HistoryNotKept, languageIndex,
                 QDir::toNativeSeparators(folder.folder()).toStdString()));
}

int ListHistory(const CliOptions& options) {
    const int language = options.languageIndex;
    const HistoryFolder folder(HistoryFolder::ForThisSystem());
    const HistoryListing listing = folder.List();

    const std::pair<CliText, std::function<std::string(const HistoryEntry&)>> columns[] = {
        {CliText::HistoryTime, [](const HistoryEntry& entry) { return entry.time; }},
        {CliText::HistoryAction,
         [language](const HistoryEntry& entry) { return Text(ActionText(entry), language); }},
        {CliText::HistoryCount,
         [](const HistoryEntry& entry) {
             return entry.programCount < 0 ? std::string("-") : std::to_string(entry.programCount);
         }},
        {CliText::HistoryFirmware, FirmwareCell},
        {CliText::HistoryOpenFile, [](const HistoryEntry& entry) { return entry.openFile; }},
        // Last, so that a path with spaces still ends the line and can be cut out whole.
        {CliText::HistoryKeptAs,
         [&folder](const HistoryEntry& entry) {
             return QDir::toNativeSeparators(folder.folder() + "/" +
                                             QString::fromStdString(entry.file))
                 .toStdString();
         }},
    };

    std::vector<std::vector<std::string>> rows;
    const std::size_t shown = options.limit > 0
                                  ? std::min(listing.entries.size(), std::size_t(options.limit))
                                  : listing.entries.size();
    if (shown > 0) {
        rows.emplace_back();
        for (const auto& [heading, cell] : columns)
            rows.back().push_back(Text(heading, language));
    }
    for (auto entry = listing.entries.rbegin();
         entry != listing.entries.rbegin() + std::ptrdiff_t(shown); ++entry) {
        rows.emplace_back();
        for (const auto& [heading, cell] : columns)
            rows.back().push_back(cell(*entry));
    }
    for (const std::string& line : AlignedLines(rows))
        Print(line);
    if (listing.skipped > 0 || listing.foreign > 0)
        Say(Text(CliText::HistoryUnlisted, language, std::to_string(listing.skipped),
                 std::to_string(listing.foreign)));
    return ExitOk;
}

} // namespace kx::cli
