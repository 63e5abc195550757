// The framework's file object, for reading files the program is given.
// Failures of the operating system raise CFileException with a cause.
#pragma once

#include "platform/base/cstring.h"
#include "platform/base/exceptions.h"

class CFile : public CObject {
    DECLARE_DYNAMIC(CFile);

public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        typeBinary = 0x8000,  // files are always binary here; accepted for the program's sake
    };
    enum SeekPosition : UINT { begin = 0, current = 1, end = 2 };

    CFile() = default;
    // Raises CFileException when the file cannot be opened.
    CFile(LPCSTR lpszFileName, UINT nOpenFlags);
    ~CFile() override;
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // FALSE, with the cause in *pError when given, if the file cannot be
    // opened for reading; only the flags above are understood.
    BOOL Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr);
    // The new position from the start; a position before the start raises
    // the file exception with cause badSeek.
    LONG Seek(LONG lOff, UINT nFrom);
    // The number of bytes read, fewer only at the end of the file.
    UINT Read(void* lpBuf, UINT nCount);
    DWORD GetLength() const;
    void Close();

    static constexpr int hFileNull = -1;
    int m_hFile = hFileNull;

private:
    [[noreturn]] void ThrowOsError(int error) const;

    CString m_strFileName;
};
