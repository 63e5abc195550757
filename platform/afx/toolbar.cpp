#include "platform/afx/toolbar.h"

#include "platform/afx/cmd_ui.h"
#include "platform/afx/frame_wnd.h"
#include "platform/base/cstring.h"
#include "platform/base/instance.h"
#include "platform/kernel/resources.h"
#include "platform/user/controls.h"
#include "platform/user/dib_image.h"

using vandrel::afx::MessageMap;
using vandrel::afx::MessageMapEntry;
using vandrel::afx::OnMessage;

IMPLEMENT_DYNAMIC(CToolBar, CControlBar)

namespace {

// A button's state as its update handler leaves it.
class CToolCmdUI : public CCmdUI {
protected:
    void ApplyEnable(BOOL bOn) override {
        const auto state = vandrel::user::ToolBarGetButtonState(Bar(), static_cast<int>(m_nIndex));
        vandrel::user::ToolBarSetButtonState(Bar(), static_cast<int>(m_nIndex), bOn != FALSE,
                                             state.checked);
    }
    void ApplyCheck(int nCheck) override {
        const auto state = vandrel::user::ToolBarGetButtonState(Bar(), static_cast<int>(m_nIndex));
        vandrel::user::ToolBarSetButtonState(Bar(), static_cast<int>(m_nIndex), state.enabled,
                                             nCheck != 0);
    }
    void ApplyText(LPCSTR) override {}  // buttons show pictures, not text

private:
    HWND Bar() const { return m_pOther->GetSafeHwnd(); }
};

}  // namespace

const MessageMap* CToolBar::GetThisMessageMap() {
    static const MessageMapEntry entries[] = {
        OnMessage<vandrel::user::kToolBarHotItemChanged, &CToolBar::OnHotItemChanged>(),
    };
    static const MessageMap map{CControlBar::GetThisMessageMap(), entries};
    return &map;
}

const MessageMap* CToolBar::GetMessageMap() const {
    return GetThisMessageMap();
}

vandrel::user::WindowKind CToolBar::KindOfWindow(const CREATESTRUCT& /*cs*/) const {
    return vandrel::user::WindowKind::ToolBar;
}

BOOL CToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
    return CreateBar(pParentWnd, dwStyle, nID);
}

void CToolBar::SetSizes(SIZE sizeButton, SIZE sizeImage) {
    vandrel::user::ToolBarSetSizes(m_hWnd, CSize(sizeButton), CSize(sizeImage));
}

BOOL CToolBar::LoadBitmap(UINT nIDResource) {
    const HINSTANCE instance = AfxGetInstanceHandle();
    const HRSRC resource = FindResourceA(instance, MAKEINTRESOURCEA(nIDResource), RT_BITMAP);
    vandrel::user::Image32 strip;
    if (resource == nullptr ||
        !vandrel::user::DecodePackedDib(LockResource(LoadResource(instance, resource)),
                                        SizeofResource(instance, resource), &strip)) {
        return FALSE;
    }
    vandrel::user::ToolBarSetImageStrip(m_hWnd, strip);
    return TRUE;
}

BOOL CToolBar::SetButtons(const UINT* lpIDArray, int nIDCount) {
    m_ids.assign(lpIDArray, lpIDArray + nIDCount);
    std::vector<vandrel::user::ToolBarButton> buttons;
    int image = 0;
    for (const UINT id : m_ids) {
        buttons.push_back({id, id == ID_SEPARATOR ? -1 : image++});
    }
    vandrel::user::ToolBarSetButtons(m_hWnd, buttons);
    UpdateToolTips();
    return TRUE;
}

void CToolBar::SetBarStyle(DWORD dwStyle) {
    CControlBar::SetBarStyle(dwStyle);
    UpdateToolTips();
}

void CToolBar::UpdateToolTips() {
    std::vector<std::string> tips;
    for (const UINT id : m_ids) {
        CString text;
        int split = -1;
        if ((m_dwStyle & CBRS_TOOLTIPS) != 0 && id != ID_SEPARATOR && text.LoadString(id)) {
            split = text.Find('\n');
        }
        // The tooltip is the part of the command's string after its prompt.
        tips.push_back(split >= 0 ? text.Mid(split + 1).str() : std::string());
    }
    vandrel::user::ToolBarSetToolTips(m_hWnd, tips);
}

LRESULT CToolBar::OnHotItemChanged(WPARAM wParam, LPARAM /*lParam*/) {
    CFrameWnd* frame = GetParentFrame();
    if ((m_dwStyle & CBRS_FLYBY) != 0 && frame != nullptr) {
        frame->SetMessageText(wParam != 0 ? static_cast<UINT>(wParam) : AFX_IDS_IDLEMESSAGE);
    }
    return 0;
}

int CToolBar::CalcFixedHeight() const {
    return vandrel::user::ToolBarHeight(m_hWnd);
}

void CToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) {
    CToolCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = static_cast<UINT>(m_ids.size());
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        state.m_nID = m_ids[state.m_nIndex];
        state.DoUpdate(pTarget, bDisableIfNoHndler);
    }
}
