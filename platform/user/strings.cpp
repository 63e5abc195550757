#include <algorithm>
#include <cstring>

#include "platform/base/cstring.h"
#include "platform/base/instance.h"
#include "platform/kernel/resources.h"
#include "platform/user/string_api.h"

namespace {

// The text of string `id`, or null.
const char* FindString(HINSTANCE instance, UINT id, std::size_t* length) {
    const HRSRC resource = FindResourceA(instance, MAKEINTRESOURCEA(id), RT_STRING);
    if (resource == nullptr) {
        return nullptr;
    }
    *length = SizeofResource(instance, resource);
    return static_cast<const char*>(LockResource(LoadResource(instance, resource)));
}

}  // namespace

int LoadStringA(HINSTANCE instance, UINT id, LPSTR buffer, int size) {
    if (buffer == nullptr || size <= 0) {
        return 0;
    }
    std::size_t length = 0;
    const char* text = FindString(instance, id, &length);
    const std::size_t count =
        text != nullptr ? std::min(length, static_cast<std::size_t>(size - 1)) : 0;
    if (count > 0) {
        std::memcpy(buffer, text, count);
    }
    buffer[count] = '\0';
    return static_cast<int>(count);
}

BOOL CString::LoadString(UINT id) {
    std::size_t length = 0;
    const char* text = FindString(AfxGetInstanceHandle(), id, &length);
    if (text == nullptr) {
        return FALSE;
    }
    m_text.assign(text, length);
    return TRUE;
}
