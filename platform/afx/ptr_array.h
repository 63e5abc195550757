// The framework's growable array of untyped pointers.
#pragma once

#include <cstddef>
#include <vector>

#include "platform/base/object.h"

class CPtrArray : public CObject {
public:
    int GetSize() const { return static_cast<int>(m_items.size()); }
    // Out-of-range indices read as null rather than past the end.
    void* GetAt(int nIndex) const {
        return nIndex >= 0 && nIndex < GetSize() ? m_items[static_cast<std::size_t>(nIndex)]
                                                 : nullptr;
    }
    void* operator[](int nIndex) const { return GetAt(nIndex); }
    // Ignores indices outside the array; SetAtGrow is the one that grows it.
    void SetAt(int nIndex, void* p) {
        if (nIndex >= 0 && nIndex < GetSize()) {
            m_items[static_cast<std::size_t>(nIndex)] = p;
        }
    }
    void SetAtGrow(int nIndex, void* p) {
        if (nIndex < 0) {
            return;
        }
        if (nIndex >= GetSize()) {
            m_items.resize(static_cast<std::size_t>(nIndex) + 1, nullptr);
        }
        m_items[static_cast<std::size_t>(nIndex)] = p;
    }
    void RemoveAll() { m_items.clear(); }

private:
    std::vector<void*> m_items;
};
