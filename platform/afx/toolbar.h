// The framework's toolbar: picture buttons cut from one bitmap strip, with
// separators, tooltips and the fly-by prompts in the frame's message pane.
#pragma once

#include <vector>

#include "platform/afx/control_bar.h"

class CToolBar : public CControlBar {
    DECLARE_DYNAMIC(CToolBar);

public:
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP,
                UINT nID = AFX_IDW_TOOLBAR);
    void SetSizes(SIZE sizeButton, SIZE sizeImage);
    // The strip: a bitmap resource; FALSE when it is missing or unreadable.
    BOOL LoadBitmap(UINT nIDResource);
    // Buttons in order; ID_SEPARATOR entries are separators, the others take
    // the strip's images one after the other.
    BOOL SetButtons(const UINT* lpIDArray, int nIDCount);
    void SetBarStyle(DWORD dwStyle) override;
    int GetCount() const { return static_cast<int>(m_ids.size()); }
    UINT GetItemID(int nIndex) const { return m_ids.at(static_cast<std::size_t>(nIndex)); }

    int CalcFixedHeight() const override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

    static const vandrel::afx::MessageMap* GetThisMessageMap();
    const vandrel::afx::MessageMap* GetMessageMap() const override;

protected:
    vandrel::user::WindowKind KindOfWindow(const CREATESTRUCT& cs) const override;
    LRESULT OnHotItemChanged(WPARAM wParam, LPARAM lParam);

private:
    void UpdateToolTips();

    std::vector<UINT> m_ids;
};
