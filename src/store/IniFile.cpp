#include "store/IniFile.h"

#include <algorithm>
#include <cctype>
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

// Section names compare without regard to letter case, as the platform's profile files do.
bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

} // namespace

void IniFile::Load(std::istream& in) {
    groups_.clear();
    std::string line;
    while (std::getline(in, line)) {
        line = Trimmed(line);
        if (line.empty() || line[0] == ';')
            continue;
        if (line.front() == '[' && line.back() == ']') {
            groups_.push_back({Trimmed(line.substr(1, line.size() - 2)), {}});
            continue;
        }
        const auto equals = line.find('=');
        if (equals == std::string::npos || groups_.empty())
            continue;
        SetText(groups_.back().name, Trimmed(line.substr(0, equals)),
                Trimmed(line.substr(equals + 1)));
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
    for (const Group& group : groups_) {
        if (SameName(group.name, section))
            return &group;
    }
    return nullptr;
}

std::optional<std::string> IniFile::Text(const std::string& section, const std::string& key) const {
    if (const Group* group = Find(section)) {
        for (const Entry& entry : group->entries) {
            if (SameName(entry.key, key))
                return entry.value;
        }
    }
    return std::nullopt;
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
    const long value = std::strtol(text->c_str(), &end, 10);
    return *end == '\0' ? value : defaultValue;
}

void IniFile::SetText(const std::string& section, const std::string& key,
                      const std::string& value) {
    auto group = std::find_if(groups_.begin(), groups_.end(),
                              [&](const Group& g) { return SameName(g.name, section); });
    if (group == groups_.end()) {
        groups_.push_back({section, {}});
        group = groups_.end() - 1;
    }
    for (Entry& entry : group->entries) {
        if (SameName(entry.key, key)) {
            entry.value = value;
            return;
        }
    }
    group->entries.push_back({key, value});
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
