// The framework's string: a value type over std::string that converts to a
// C string wherever the program passes one to the platform.
#pragma once

#include <cstdarg>
#include <string>
#include <string_view>

#include "platform/base/win_types.h"

class CString {
public:
    CString() = default;
    CString(LPCSTR text) : m_text(text != nullptr ? text : "") {}  // NOLINT: implicit by design
    CString(std::string text) : m_text(std::move(text)) {}         // NOLINT: implicit by design
    CString(std::string_view text) : m_text(text) {}               // NOLINT: implicit by design

    operator LPCSTR() const { return m_text.c_str(); }  // NOLINT: the framework's conversion
    const std::string& str() const { return m_text; }

    // The program's string resource `id`; FALSE, leaving the string as it
    // was, when there is none.
    BOOL LoadString(UINT id);

    int GetLength() const { return static_cast<int>(m_text.size()); }
    BOOL IsEmpty() const { return m_text.empty() ? TRUE : FALSE; }
    void Empty() { m_text.clear(); }
    char GetAt(int index) const { return m_text.at(static_cast<std::size_t>(index)); }

    CString Left(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Right(int count) const;
    // Index of the first occurrence at or after `start`, or -1.
    int Find(char ch, int start = 0) const;
    int Find(LPCSTR sub, int start = 0) const;
    void MakeUpper();
    void MakeLower();
    // Negative, zero or positive, ignoring ASCII case.
    int CompareNoCase(LPCSTR other) const;

    // printf-style formatting into this string.
    void Format(LPCSTR format, ...) __attribute__((format(printf, 2, 3)));
    void FormatV(LPCSTR format, std::va_list args);

    CString& operator+=(const CString& other) {
        m_text += other.m_text;
        return *this;
    }
    CString& operator+=(LPCSTR other) {
        m_text += other != nullptr ? other : "";
        return *this;
    }
    CString& operator+=(char ch) {
        m_text += ch;
        return *this;
    }
    friend CString operator+(CString left, const CString& right) { return left += right; }
    friend CString operator+(CString left, LPCSTR right) { return left += right; }
    friend CString operator+(LPCSTR left, const CString& right) { return CString(left) += right; }

    friend bool operator==(const CString& a, const CString& b) { return a.m_text == b.m_text; }
    friend bool operator==(const CString& a, LPCSTR b) { return a.m_text == (b ? b : ""); }

private:
    std::string m_text;
};
