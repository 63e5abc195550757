#include "platform/kernel/resources.h"

#include <strings.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace vandrel::resources {
namespace {

struct Table {
    HMODULE module;
    const Entry* entries;
    std::size_t count;
};

std::vector<Table>& Tables() {
    static std::vector<Table> tables;
    return tables;
}

// "#123" names resource number 123, as a numeric name written as text.
bool ParseNumberName(const char* text, unsigned* id) {
    if (text[0] != '#' || text[1] == '\0') {
        return false;
    }
    char* end = nullptr;
    const unsigned long value = std::strtoul(text + 1, &end, 10);
    if (*end != '\0' || value > 0xFFFF) {
        return false;
    }
    *id = static_cast<unsigned>(value);
    return true;
}

bool Matches(LPCSTR wanted, const char* entryName, unsigned entryId) {
    unsigned wantedId = 0;
    if (IS_INTRESOURCE(wanted)) {
        wantedId = static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(wanted));
    } else if (!ParseNumberName(wanted, &wantedId)) {
        return entryName != nullptr && strcasecmp(entryName, wanted) == 0;
    }
    return entryName == nullptr && entryId == wantedId;
}

}  // namespace

void Register(HMODULE module, const Entry* entries, std::size_t count) {
    Tables().push_back(Table{module, entries, count});
}

void Unregister(HMODULE module, const Entry* entries) {
    auto& tables = Tables();
    tables.erase(
        std::remove_if(tables.begin(), tables.end(),
                       [&](const Table& t) { return t.module == module && t.entries == entries; }),
        tables.end());
}

}  // namespace vandrel::resources

using vandrel::resources::Entry;

HRSRC FindResourceA(HMODULE module, LPCSTR name, LPCSTR type) {
    if (name == nullptr || type == nullptr) {
        return nullptr;
    }
    for (const auto& table : vandrel::resources::Tables()) {
        if (table.module != module) {
            continue;
        }
        for (std::size_t i = 0; i < table.count; ++i) {
            const Entry& entry = table.entries[i];
            if (vandrel::resources::Matches(type, entry.typeName, entry.typeId) &&
                vandrel::resources::Matches(name, entry.name, entry.id)) {
                // The handle is the entry itself; nothing else hands these out.
                return reinterpret_cast<HRSRC>(const_cast<Entry*>(&entry));
            }
        }
    }
    return nullptr;
}

HGLOBAL LoadResource(HMODULE /*module*/, HRSRC resource) {
    return reinterpret_cast<HGLOBAL>(resource);
}

LPVOID LockResource(HGLOBAL loaded) {
    if (loaded == nullptr) {
        return nullptr;
    }
    return const_cast<void*>(reinterpret_cast<const Entry*>(loaded)->data);
}

DWORD SizeofResource(HMODULE /*module*/, HRSRC resource) {
    if (resource == nullptr) {
        return 0;
    }
    return static_cast<DWORD>(reinterpret_cast<const Entry*>(resource)->size);
}

BOOL FreeResource(HGLOBAL /*loaded*/) {
    return FALSE;
}
