#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <unordered_map>
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
    // A missing key, or one whose value is not a whole number within the range of int, gives the
    // default.
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
    // Names compare without regard to letter case, as the platform's profile files do. The
    // indexes, keyed by the lower-case name, keep a settings file of any size a matter of one pass.
    struct Group {
        std::string name;
        std::vector<Entry> entries;
        std::unordered_map<std::string, size_t> keyIndex;
    };
    const Group* Find(const std::string& section) const;
    size_t FindOrAdd(const std::string& section); // index into groups_
    static void Set(Group& group, const std::string& key, const std::string& value);

    std::vector<Group> groups_;
    std::unordered_map<std::string, size_t> groupIndex_;
};

} // namespace kx
