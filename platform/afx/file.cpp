#include "platform/afx/file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

IMPLEMENT_DYNAMIC(CFile, CObject)

namespace {

int CauseOf(int error) {
    switch (error) {
        case ENOENT:
            return CFileException::fileNotFound;
        case ENOTDIR:
        case ENAMETOOLONG:
            return CFileException::badPath;
        case EACCES:
        case EPERM:
        case EISDIR:
            return CFileException::accessDenied;
        case EMFILE:
        case ENFILE:
            return CFileException::tooManyOpenFiles;
        case EINVAL:
            return CFileException::badSeek;
        case EIO:
            return CFileException::hardIO;
        default:
            return CFileException::generic;
    }
}

}  // namespace

CFile::CFile(LPCSTR lpszFileName, UINT nOpenFlags) {
    CFileException error;
    if (!Open(lpszFileName, nOpenFlags, &error)) {
        throw error;
    }
}

CFile::~CFile() {
    if (m_hFile != hFileNull) {
        ::close(m_hFile);
    }
}

BOOL CFile::Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError) {
    const std::string name = lpszFileName != nullptr ? lpszFileName : "";
    int error = 0;
    if ((nOpenFlags & ~UINT{typeBinary}) != modeRead || m_hFile != hFileNull) {
        error = EINVAL;
    } else {
        m_hFile = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
        if (m_hFile == hFileNull) {
            error = errno;
        } else {
            // A directory opens for reading on POSIX, but is no file to read.
            struct stat status {};
            if (::fstat(m_hFile, &status) != 0 || S_ISDIR(status.st_mode)) {
                error = EISDIR;
                ::close(m_hFile);
                m_hFile = hFileNull;
            }
        }
    }
    if (error != 0) {
        if (pError != nullptr) {
            *pError = CFileException(error == EINVAL ? CFileException::generic : CauseOf(error),
                                     error, name);
        }
        return FALSE;
    }
    m_strFileName = name;
    return TRUE;
}

LONG CFile::Seek(LONG lOff, UINT nFrom) {
    if (nFrom > end) {
        ThrowOsError(EINVAL);
    }
    const int whence = nFrom == current ? SEEK_CUR : nFrom == end ? SEEK_END : SEEK_SET;
    const off_t position = ::lseek(m_hFile, lOff, whence);
    if (position < 0) {
        ThrowOsError(errno);
    }
    return static_cast<LONG>(position);
}

UINT CFile::Read(void* lpBuf, UINT nCount) {
    auto* bytes = static_cast<char*>(lpBuf);
    UINT total = 0;
    // A read may stop short before the end of the file; keep going until the
    // count is met or the file ends.
    while (total < nCount) {
        const ssize_t got = ::read(m_hFile, bytes + total, nCount - total);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            ThrowOsError(errno);
        }
        if (got == 0) {
            break;
        }
        total += static_cast<UINT>(got);
    }
    return total;
}

DWORD CFile::GetLength() const {
    struct stat status {};
    if (::fstat(m_hFile, &status) != 0) {
        ThrowOsError(errno);
    }
    return static_cast<DWORD>(status.st_size);
}

void CFile::Close() {
    if (m_hFile != hFileNull) {
        const int result = ::close(m_hFile);
        m_hFile = hFileNull;
        if (result != 0) {
            ThrowOsError(errno);
        }
    }
}

void CFile::ThrowOsError(int error) const {
    AfxThrowFileException(CauseOf(error), error, m_strFileName);
}
