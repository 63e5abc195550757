// Profile (INI) files. A file named without a folder lives in the profile
// folder: $VANDREL_PROFILE_DIR when set, else $XDG_CONFIG_HOME/vandrel, else
// ~/.config/vandrel. Sections and keys match without regard to case. A
// missing, unreadable or malformed file reads as defaults; a write keeps the
// rest of the file and replaces it atomically, so a crash never leaves a
// half-written file.
#pragma once

#include <string>

#include "platform/base/win_types.h"

// The value's leading decimal digits, or the default when the key is
// missing or its value does not start with a digit. Values too large for
// 32 bits read as the largest one.
UINT GetPrivateProfileIntA(LPCSTR section, LPCSTR key, INT defaultValue, LPCSTR fileName);
// Copies the value (or the default) into buffer, cut to fit with its
// terminating zero; returns the number of characters copied.
DWORD GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer,
                               DWORD size, LPCSTR fileName);
// A null value removes the key; a null key removes the whole section.
// FALSE when the file could not be written, or exists but could not be read
// (it is then left as it is rather than replaced by what little we know).
BOOL WritePrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR fileName);
// The same on the user's "WIN.INI".
BOOL WriteProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value);

namespace vandrel::profile {

// Where a profile file of that name lives.
std::string PathFor(const std::string& fileName);

}  // namespace vandrel::profile
