#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace kx {

// A small INI file: sections of "key=value" lines. Keys are kept exactly as spelled (the settings
// use one with "->" in it) and sections and keys keep their order, so a file a user edited by
// hand comes back as he left it, apart from the values written.
class IniFile {
  public:
    void Load(std::istream& in);
    void Save(std::ostream& out) const;

    std::optional<std::string> Text(const std::string& section, const std::string& key) const;
    // A missing key, or one whose value is not a whole number, gives the default.
    long Integer(const std::string& section, const std::string& key, long defaultValue) const;
    std::string Text(const std::string& section, const std::string& key,
                     const std::string& defaultValue) const;

    void SetText(const std::string& section, const std::string& key, const std::string& value);
    void SetInteger(const std::string& section, const std::string& key, long value);

    // Every key of a section, in file order.
    std::vector<std::pair<std::string, std::string>> Section(const std::string& section) const;

  private:
    struct Entry {
        std::string key;
        std::string value;
    };
    struct Group {
        std::string name;
        std::vector<Entry> entries;
    };
    const Group* Find(const std::string& section) const;

    std::vector<Group> groups_;
};

} // namespace kx
