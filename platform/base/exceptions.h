// The framework's exception family. Exceptions are thrown by value and caught
// by reference; the program's catchers pass their address on, so code written
// against the framework's pointer-taking reporters keeps its shape without
// anyone owning a heap-allocated exception.
#pragma once

#include <string>

#include "platform/base/object.h"

class CException : public CObject {
    DECLARE_DYNAMIC(CException);

public:
    // A short English description of the failure, for diagnostics.
    virtual std::string Describe() const;
};

class CMemoryException : public CException {
    DECLARE_DYNAMIC(CMemoryException);

public:
    std::string Describe() const override;
};

class CResourceException : public CException {
    DECLARE_DYNAMIC(CResourceException);

public:
    std::string Describe() const override;
};

class CFileException : public CException {
    DECLARE_DYNAMIC(CFileException);

public:
    enum Cause {
        none,
        generic,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile,
    };

    explicit CFileException(int cause = none, LONG osError = -1, std::string fileName = {});

    std::string Describe() const override;

    int m_cause;
    LONG m_lOsError;
    std::string m_strFileName;
};

[[noreturn]] void AfxThrowMemoryException();
[[noreturn]] void AfxThrowResourceException();
[[noreturn]] void AfxThrowFileException(int cause, LONG osError = -1,
                                        const char* fileName = nullptr);
