#include "platform/kernel/ini_document.h"

#include <strings.h>

namespace vandrel::profile {
namespace {

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

}  // namespace

IniDocument IniDocument::Parse(std::string_view text) {
    IniDocument document;
    std::string section;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view raw = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);

        Line line{std::string(raw), section, {}, false};
        const std::string_view trimmed = Trim(raw);
        if (trimmed.size() >= 2 && trimmed.front() == '[' && trimmed.back() == ']') {
            section = std::string(Trim(trimmed.substr(1, trimmed.size() - 2)));
            line.section = section;
            line.isHeader = true;
        } else if (!trimmed.empty() && trimmed.front() != ';') {
            const auto equals = trimmed.find('=');
            if (equals != std::string_view::npos && equals > 0) {
                line.key = std::string(Trim(trimmed.substr(0, equals)));
            }
        }
        document.m_lines.push_back(std::move(line));
    }
    return document;
}

std::size_t IniDocument::FindKey(std::string_view section, std::string_view key) const {
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const Line& line = m_lines[i];
        if (!line.isHeader && !line.key.empty() && SameName(line.section, section) &&
            SameName(line.key, key)) {
            return i;
        }
    }
    return std::string::npos;
}

std::size_t IniDocument::SectionEnd(std::string_view section) const {
    std::size_t end = std::string::npos;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (SameName(m_lines[i].section, section) &&
            (m_lines[i].isHeader || end != std::string::npos)) {
            // Blank lines that close a section stay after the lines we add.
            if (m_lines[i].isHeader || !Trim(m_lines[i].text).empty()) {
                end = i + 1;
            }
        }
    }
    return end;
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const {
    const std::size_t at = FindKey(section, key);
    if (at == std::string::npos) {
        return std::nullopt;
    }
    const std::string_view text = m_lines[at].text;
    return std::string(Trim(text.substr(text.find('=') + 1)));
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    std::string text = std::string(key) + "=" + std::string(value);
    const std::size_t at = FindKey(section, key);
    if (at != std::string::npos) {
        m_lines[at].text = std::move(text);
        return;
    }
    Line line{std::move(text), std::string(section), std::string(key), false};
    const std::size_t end = SectionEnd(section);
    if (end != std::string::npos) {
        line.section = m_lines[end - 1].section;
        m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(end), std::move(line));
        return;
    }
    std::string header = "[";
    header.append(section).append("]");
    m_lines.push_back(Line{std::move(header), std::string(section), {}, true});
    m_lines.push_back(std::move(line));
}

void IniDocument::RemoveKey(std::string_view section, std::string_view key) {
    const std::size_t at = FindKey(section, key);
    if (at != std::string::npos) {
        m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(at));
    }
}

void IniDocument::RemoveSection(std::string_view section) {
    std::erase_if(m_lines, [&](const Line& line) { return SameName(line.section, section); });
}

std::string IniDocument::Text() const {
    std::string text;
    for (const Line& line : m_lines) {
        text += line.text;
        text += '\n';
    }
    return text;
}

}  // namespace vandrel::profile
