#include "store/IniFile.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <istream>
#include <ostream>

namespace kx {

namespace {

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::string Lowered(std::string text) {
    for (char& c : text)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

} // namespace

void IniFile::Load(std::istream& in) {
    groups_.clear();
    groupIndex_.clear();
    std::optional<size_t> current; // an index: adding sections moves the groups in memory
    std::string line;
    while (std::getline(in, line)) {
        line = Trimmed(line);
        if (line.empty() || line[0] == ';')
            continue;
        if (line.front() == '[' && line.back() == ']') {
            // A section that appears again continues where it first appeared.
            current = FindOrAdd(Trimmed(line.substr(1, line.size() - 2)));
            continue;
        }
        const auto equals = line.find('=');
        if (equals == std::string::npos || !current)
            continue;
        Set(groups_[*current], Trimmed(line.substr(0, equals)), Trimmed(line.substr(equals + 1)));
    }
}

void IniFile::Save(std::ostream& out) const {
    for (size_t g = 0; g < groups_.size(); ++g) {
        if (g > 0)
            out << '\n';
        out << '[' << groups_[g].name << "]\n";
        for (const Entry& entry : groups_[g].entries)
            out << entry.key << '=' << entry.value << '\n';
    }
}

const IniFile::Group* IniFile::Find(const std::string& section) const {
    const auto found = groupIndex_.find(Lowered(section));
    return found == groupIndex_.end() ? nullptr : &groups_[found->second];
}

size_t IniFile::FindOrAdd(const std::string& section) {
    const auto [slot, added] = groupIndex_.emplace(Lowered(section), groups_.size());
    if (added)
        groups_.push_back({section, {}, {}});
    return slot->second;
}

void IniFile::Set(Group& group, const std::string& key, const std::string& value) {
    const auto [slot, added] = group.keyIndex.emplace(Lowered(key), group.entries.size());
    if (added)
        group.entries.push_back({key, value});
    else
        group.entries[slot->second].value = value;
}

std::optional<std::string> IniFile::Text(const std::string& section, const std::string& key) const {
    const Group* group = Find(section);
    if (!group)
        return std::nullopt;
    const auto found = group->keyIndex.find(Lowered(key));
    if (found == group->keyIndex.end())
        return std::nullopt;
    return group->entries[found->second].value;
}

std::string IniFile::Text(const std::string& section, const std::string& key,
                          const std::string& defaultValue) const {
    return Text(section, key).value_or(defaultValue);
}

long IniFile::Integer(const std::string& section, const std::string& key, long defaultValue) const {
    const auto text = Text(section, key);
    if (!text || text->empty())
        return defaultValue;
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text->c_str(), &end, 10);
    // Callers keep the value in an int (window geometry); a number beyond it is no setting.
    if (*end != '\0' || errno == ERANGE || value < INT_MIN || value > INT_MAX)
        return defaultValue;
    return value;
}

void IniFile::SetText(const std::string& section, const std::string& key,
                      const std::string& value) {
    Set(groups_[FindOrAdd(section)], key, value);
}

void IniFile::SetInteger(const std::string& section, const std::string& key, long value) {
    SetText(section, key, std::to_string(value));
}

std::vector<std::pair<std::string, std::string>>
IniFile::Section(const std::string& section) const {
    std::vector<std::pair<std::string, std::string>> entries;
    if (const Group* group = Find(section)) {
        for (const Entry& entry : group->entries)
            entries.emplace_back(entry.key, entry.value);
    }
    return entries;
}

} // namespace kx
