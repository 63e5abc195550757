// Libraries loaded at run time. A name such as "WING32.DLL" means the
// component of that name in the program's own library folder and nowhere
// else: never the current directory, never a folder named by the
// environment, so nobody can slip a library of their own into the process.
#pragma once

#include <string>

#include "platform/base/win_types.h"

using FARPROC = void (*)();

inline constexpr UINT SEM_FAILCRITICALERRORS = 0x0001;
inline constexpr UINT SEM_NOOPENFILEERRORBOX = 0x8000;

// Null when the library is missing or cannot be loaded.
HMODULE LoadLibraryA(LPCSTR name);
BOOL FreeLibrary(HMODULE module);
// Null when the library does not export the name.
FARPROC GetProcAddress(HMODULE module, LPCSTR name);
// Returns the previous mode. Nothing here ever shows an error box, so the
// mode is only kept for callers that save and restore it.
UINT SetErrorMode(UINT mode);

namespace vandrel::library {

// The program's own library folder: relative to the executable, as
// installed and as in the build tree.
std::string PrivateFolder();
// The file a library name stands for in that folder ("WING32.DLL" ->
// "libwing32.so"), or empty for a name that may not be loaded.
std::string FileNameFor(const std::string& name);

}  // namespace vandrel::library

namespace vandrel::hooks {

// Looks libraries up in another folder; an empty path restores the
// program's own. For tests only: the program never calls it.
void SetLibraryFolder(const std::string& folder);

}  // namespace vandrel::hooks
