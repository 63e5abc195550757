// Resources compiled into the executable, found by type and by name or
// number. String names match without regard to case, as they always have.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/base/win_types.h"

// A resource number travels in a name pointer whose value is below 65,536.
inline LPCSTR MAKEINTRESOURCEA(unsigned id) {
    return reinterpret_cast<LPCSTR>(static_cast<std::uintptr_t>(static_cast<WORD>(id)));
}
inline bool IS_INTRESOURCE(LPCSTR name) {
    return (reinterpret_cast<std::uintptr_t>(name) >> 16) == 0;
}

inline const LPCSTR RT_BITMAP = MAKEINTRESOURCEA(2);
inline const LPCSTR RT_ICON = MAKEINTRESOURCEA(3);

// Null when the module has no such resource.
HRSRC FindResourceA(HMODULE module, LPCSTR name, LPCSTR type);
HGLOBAL LoadResource(HMODULE module, HRSRC resource);
LPVOID LockResource(HGLOBAL loaded);
DWORD SizeofResource(HMODULE module, HRSRC resource);
// Compiled-in resources are never unloaded; kept for callers that pair it.
BOOL FreeResource(HGLOBAL loaded);

namespace vandrel::resources {

// One compiled-in resource. A type or name is either a string or a number;
// for a number the string is null.
struct Entry {
    const char* typeName;
    unsigned typeId;
    const char* name;
    unsigned id;
    const void* data;
    std::size_t size;
};

// Adds a table of resources to a module. Generated resource sources call
// this from a static initialiser; tests may register tables of their own.
void Register(HMODULE module, const Entry* entries, std::size_t count);
// Removes what Register added, for tests that register temporary tables.
void Unregister(HMODULE module, const Entry* entries);

}  // namespace vandrel::resources
