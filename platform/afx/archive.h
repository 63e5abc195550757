// The framework's archive: the file a document's Serialize reads from or
// writes to, and which of the two it does.
#pragma once

#include "platform/afx/file.h"

class CArchive {
public:
    enum Mode { store = 0, load = 1 };

    CArchive(CFile* pFile, UINT nMode) : m_pFile(pFile), m_nMode(nMode) {}
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    BOOL IsLoading() const { return (m_nMode & load) != 0 ? TRUE : FALSE; }
    BOOL IsStoring() const { return IsLoading() ? FALSE : TRUE; }
    CFile* GetFile() const { return m_pFile; }

private:
    CFile* m_pFile;
    UINT m_nMode;
};
