#include "platform/afx/wnd.h"

#include <memory>
#include <unordered_map>

IMPLEMENT_DYNAMIC(CWnd, CObject)

CWnd* CWnd::FromHandle(HWND hWnd) {
    static std::unordered_map<HWND, std::unique_ptr<CWnd>> permanent;
    if (hWnd == nullptr) {
        return nullptr;
    }
    std::unique_ptr<CWnd>& wrapper = permanent[hWnd];
    if (!wrapper) {
        wrapper = std::make_unique<CWnd>();
        wrapper->m_hWnd = hWnd;
    }
    return wrapper.get();
}
