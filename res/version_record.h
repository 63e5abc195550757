// The version record, resource 1 of type RT_VERSION (16): the fixed
// version numbers and the U.S. English, code page 1252 string block.
#pragma once

#include "platform/base/win_types.h"

struct VersionString {
    const char* key;
    const char* value;
};

struct VersionRecord {
    DWORD dwFileVersionMS;
    DWORD dwFileVersionLS;
    DWORD dwProductVersionMS;
    DWORD dwProductVersionLS;
    DWORD dwFileType;
    const char* stringBlock;
    VersionString strings[9];
};

inline constexpr UINT kVersionResourceType = 16;
inline constexpr UINT kVersionResourceId = 1;
inline constexpr DWORD VFT_APP = 1;
