#include "platform/kernel/profile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "platform/kernel/ini_document.h"

namespace vandrel::profile {
namespace {

// Settings files are a few lines long; anything far bigger is not ours and
// is left alone rather than loaded into memory.
constexpr std::uintmax_t kLargestProfile = 1 << 20;

std::string ProfileFolder() {
    if (const char* dir = std::getenv("VANDREL_PROFILE_DIR"); dir != nullptr && *dir != '\0') {
        return dir;
    }
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && *config != '\0') {
        return std::string(config) + "/vandrel";
    }
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr ? home : ".") + "/.config/vandrel";
}

enum class ReadResult { kRead, kMissing, kUnreadable };

ReadResult ReadFile(const std::string& path, std::string* text) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error) {
        return error == std::errc::no_such_file_or_directory ? ReadResult::kMissing
                                                             : ReadResult::kUnreadable;
    }
    if (size > kLargestProfile) {
        return ReadResult::kUnreadable;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return ReadResult::kUnreadable;
    }
    std::ostringstream contents;
    contents << in.rdbuf();
    if (in.bad()) {
        return ReadResult::kUnreadable;
    }
    *text = contents.str();
    return ReadResult::kRead;
}

std::optional<std::string> ReadValue(LPCSTR section, LPCSTR key, LPCSTR fileName) {
    if (section == nullptr || key == nullptr || fileName == nullptr) {
        return std::nullopt;
    }
    std::string text;
    if (ReadFile(PathFor(fileName), &text) != ReadResult::kRead) {
        return std::nullopt;
    }
    return IniDocument::Parse(text).Get(section, key);
}

// A name or value that would break the file's line structure.
bool BreaksTheFormat(LPCSTR text) {
    return text != nullptr && std::strpbrk(text, "\r\n") != nullptr;
}

bool WriteAtomically(const std::string& path, const std::string& text) {
    const std::filesystem::path target(path);
    std::error_code error;
    std::filesystem::create_directories(target.parent_path(), error);
    std::string temporary = path + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) {
        return false;
    }
    const char* data = text.data();
    std::size_t left = text.size();
    bool ok = true;
    while (ok && left > 0) {
        const ssize_t written = write(fd, data, left);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        ok = written > 0;
        if (ok) {
            data += written;
            left -= static_cast<std::size_t>(written);
        }
    }
    ok = ok && fchmod(fd, 0644) == 0 && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    ok = ok && std::rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok) {
        std::remove(temporary.c_str());
    }
    return ok;
}

}  // namespace

std::string PathFor(const std::string& fileName) {
    if (fileName.find('/') != std::string::npos) {
        return fileName;
    }
    return ProfileFolder() + "/" + fileName;
}

}  // namespace vandrel::profile

UINT GetPrivateProfileIntA(LPCSTR section, LPCSTR key, INT defaultValue, LPCSTR fileName) {
    const auto value = vandrel::profile::ReadValue(section, key, fileName);
    if (!value || value->empty() || !std::isdigit(static_cast<unsigned char>(value->front()))) {
        return static_cast<UINT>(defaultValue);
    }
    unsigned long long number = 0;
    for (const char ch : *value) {
        if (!std::isdigit(static_cast<unsigned char>(ch))) {
            break;
        }
        number = std::min<unsigned long long>(number * 10 + static_cast<unsigned>(ch - '0'),
                                              0xFFFFFFFFull);
    }
    return static_cast<UINT>(number);
}

DWORD GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer,
                               DWORD size, LPCSTR fileName) {
    if (buffer == nullptr || size == 0) {
        return 0;
    }
    const auto value = vandrel::profile::ReadValue(section, key, fileName);
    const std::string text = value ? *value : (defaultValue != nullptr ? defaultValue : "");
    const std::size_t copied = std::min<std::size_t>(text.size(), size - 1);
    std::memcpy(buffer, text.data(), copied);
    buffer[copied] = '\0';
    return static_cast<DWORD>(copied);
}

BOOL WritePrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR fileName) {
    using vandrel::profile::IniDocument;
    if (section == nullptr || fileName == nullptr || vandrel::profile::BreaksTheFormat(section) ||
        vandrel::profile::BreaksTheFormat(key) || vandrel::profile::BreaksTheFormat(value) ||
        (key != nullptr && std::strchr(key, '=') != nullptr)) {
        return FALSE;
    }
    const std::string path = vandrel::profile::PathFor(fileName);
    std::string text;
    if (vandrel::profile::ReadFile(path, &text) == vandrel::profile::ReadResult::kUnreadable) {
        return FALSE;
    }
    IniDocument document = IniDocument::Parse(text);
    if (key == nullptr) {
        document.RemoveSection(section);
    } else if (value == nullptr) {
        document.RemoveKey(section, key);
    } else {
        document.Set(section, key, value);
    }
    return vandrel::profile::WriteAtomically(path, document.Text()) ? TRUE : FALSE;
}

BOOL WriteProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value) {
    return WritePrivateProfileStringA(section, key, value, "WIN.INI");
}
