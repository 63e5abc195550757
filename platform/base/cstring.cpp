#include "platform/base/cstring.h"

#include <strings.h>
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <vector>

namespace {

std::size_t Clamp(int value, std::size_t limit) {
    return value < 0 ? 0 : std::min(static_cast<std::size_t>(value), limit);
}

}  // namespace

CString CString::Left(int count) const {
    return m_text.substr(0, Clamp(count, m_text.size()));
}

CString CString::Mid(int first) const {
    return m_text.substr(Clamp(first, m_text.size()));
}

CString CString::Mid(int first, int count) const {
    const std::size_t start = Clamp(first, m_text.size());
    return m_text.substr(start, Clamp(count, m_text.size() - start));
}

CString CString::Right(int count) const {
    const std::size_t n = Clamp(count, m_text.size());
    return m_text.substr(m_text.size() - n);
}

int CString::Find(char ch, int start) const {
    const std::size_t at = m_text.find(ch, Clamp(start, m_text.size()));
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::Find(LPCSTR sub, int start) const {
    const std::size_t at = m_text.find(sub != nullptr ? sub : "", Clamp(start, m_text.size()));
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

void CString::MakeUpper() {
    std::transform(m_text.begin(), m_text.end(), m_text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
}

void CString::MakeLower() {
    std::transform(m_text.begin(), m_text.end(), m_text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
}

int CString::CompareNoCase(LPCSTR other) const {
    return strcasecmp(m_text.c_str(), other != nullptr ? other : "");
}

void CString::Format(LPCSTR format, ...) {
    std::va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::FormatV(LPCSTR format, std::va_list args) {
    std::va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (length < 0) {
        m_text.clear();
        return;
    }
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, args);
    m_text.assign(buffer.data(), static_cast<std::size_t>(length));
}
