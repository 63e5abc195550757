// An INI file held as its lines, so that editing one value rewrites nothing
// else: comments, blank lines and unknown lines survive as they were.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vandrel::profile {

class IniDocument {
public:
    static IniDocument Parse(std::string_view text);

    std::optional<std::string> Get(std::string_view section, std::string_view key) const;
    void Set(std::string_view section, std::string_view key, std::string_view value);
    void RemoveKey(std::string_view section, std::string_view key);
    void RemoveSection(std::string_view section);

    std::string Text() const;

private:
    struct Line {
        std::string text;
        std::string section;  // the section this line belongs to, as written
        std::string key;      // empty unless this is a key=value line
        bool isHeader = false;
    };

    // Index of the key's line in the section, or npos.
    std::size_t FindKey(std::string_view section, std::string_view key) const;
    // Index one past the last line of the section, or npos when absent.
    std::size_t SectionEnd(std::string_view section) const;

    std::vector<Line> m_lines;
};

}  // namespace vandrel::profile
