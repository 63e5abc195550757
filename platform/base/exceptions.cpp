#include "platform/base/exceptions.h"

#include <cstring>
#include <utility>

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CMemoryException, CException)
IMPLEMENT_DYNAMIC(CResourceException, CException)
IMPLEMENT_DYNAMIC(CFileException, CException)

std::string CException::Describe() const {
    return "unexpected error";
}

std::string CMemoryException::Describe() const {
    return "out of memory";
}

std::string CResourceException::Describe() const {
    return "missing or malformed resource";
}

CFileException::CFileException(int cause, LONG osError, std::string fileName)
    : m_cause(cause), m_lOsError(osError), m_strFileName(std::move(fileName)) {}

std::string CFileException::Describe() const {
    std::string text = "file error";
    if (!m_strFileName.empty()) {
        text += " on '" + m_strFileName + "'";
    }
    if (m_lOsError > 0) {
        text += ": ";
        text += std::strerror(m_lOsError);
    }
    return text;
}

void AfxThrowMemoryException() {
    throw CMemoryException();
}

void AfxThrowResourceException() {
    throw CResourceException();
}

void AfxThrowFileException(int cause, LONG osError, const char* fileName) {
    throw CFileException(cause, osError, fileName != nullptr ? fileName : "");
}
