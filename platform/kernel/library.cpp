#include "platform/kernel/library.h"

#include <dlfcn.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <utility>

#include "platform/gdi/window_surface.h"

namespace {

std::string g_folderOverride;
UINT g_errorMode = 0;

}  // namespace

namespace vandrel::library {

std::string PrivateFolder() {
    if (!g_folderOverride.empty()) {
        return g_folderOverride;
    }
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return {};
    }
    return (executable.parent_path() / VANDREL_PRIVATE_LIBDIR_FROM_BINDIR).lexically_normal();
}

std::string FileNameFor(const std::string& name) {
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    constexpr std::string_view kSuffix = ".dll";
    if (lower.size() <= kSuffix.size() || !lower.ends_with(kSuffix)) {
        return {};
    }
    lower.resize(lower.size() - kSuffix.size());
    const bool plain = std::all_of(lower.begin(), lower.end(), [](unsigned char c) {
        return std::isalnum(c) || c == '_' || c == '-';
    });
    return plain ? "lib" + lower + ".so" : std::string();
}

}  // namespace vandrel::library

HMODULE LoadLibraryA(LPCSTR name) {
    if (name == nullptr) {
        return nullptr;
    }
    const std::string file = vandrel::library::FileNameFor(name);
    const std::string folder = vandrel::library::PrivateFolder();
    if (file.empty() || folder.empty()) {
        return nullptr;
    }
    // A full path, so the loader searches nothing else.
    const std::string path = folder + "/" + file;
    return static_cast<HMODULE>(dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL));
}

BOOL FreeLibrary(HMODULE module) {
    vandrel::gdi::SettleWindowDrawings();
    return module != nullptr && dlclose(module) == 0 ? TRUE : FALSE;
}

FARPROC GetProcAddress(HMODULE module, LPCSTR name) {
    if (module == nullptr || name == nullptr) {
        return nullptr;
    }
    // The one cast from data to function pointer the loader's interface needs.
    return reinterpret_cast<FARPROC>(dlsym(module, name));
}

UINT SetErrorMode(UINT mode) {
    return std::exchange(g_errorMode, mode);
}

namespace vandrel::hooks {

void SetLibraryFolder(const std::string& folder) {
    g_folderOverride = folder;
}

}  // namespace vandrel::hooks
