// Choosing the picture: the four on the File menu, Next Bitmap, and the two
// hidden ones behind the tenth Ctrl+J or Ctrl+Y.
#include <algorithm>
#include <cstring>

#include "engine/render_state.h"
#include "platform/afx/cmd_ui.h"
#include "platform/afx/dc.h"
#include "platform/afx/wait_cursor.h"
#include "platform/gdi/gdi.h"
#include "platform/user/message_api.h"
#include "view/vandrel_view.h"

namespace {

// The hidden pictures' numbers; any number from kFirstHiddenPicture on that
// is not Tavik's shows Morlo.
constexpr int kFirstHiddenPicture = 99;
constexpr int kTavik = 2001;
constexpr int kMorlo = 2010;
constexpr int kHiddenPresses = 10;
constexpr int kResourceSourceKind = 4;

int g_nHiddenJCount = kHiddenPresses;
int g_nHiddenYCount = kHiddenPresses;

// Counts a press down; TRUE on the press that reaches zero, which also
// starts the count again.
bool CountDown(int& count) {
    if (--count > 0) {
        return false;
    }
    count = kHiddenPresses;
    return true;
}

}  // namespace

void CVandrelView::SelectBitmap(int nBitmap) {
    if (nBitmap == m_nBitmap) {
        return;
    }
    // Held for the whole load, and let go also when the load fails.
    CWaitCursor wait;
    ClearView();
    m_dib.Destroy();
    delete m_pPalette;
    m_pPalette = new CPalId;

    CString name;
    if (nBitmap < kFirstHiddenPicture) {
        nBitmap = std::clamp(nBitmap, 1, 4);
        name.Format("zorble%i", nBitmap);
    } else {
        // The hidden picture keeps its own number, so no File menu item is
        // checked while it shows and Next Bitmap goes on to picture 1.
        name = nBitmap == kTavik ? "tavik" : "morlo";
    }
    m_dib.Create(name, m_pPalette, kResourceSourceKind);
    // The renderer reads the picture in the surface's own memory order.
    std::memcpy(g_pSourceBits, m_dib.GetBits(), 256 * 256);
    m_dib.SelectIntoWinGDC();
    {
        CClientDC dc(this);
        dc.SelectPalette(m_pPalette, FALSE);
        dc.RealizePalette();
    }
    ::SendMessageA(HWND_BROADCAST, WM_PALETTECHANGED, reinterpret_cast<WPARAM>(GetSafeHwnd()), 0);
    m_nBitmap = nBitmap;
}

void CVandrelView::ClearView() {
    CClientDC dc(this);
    CGdiObject* pOldBrush = dc.SelectStockObject(LTGRAY_BRUSH);
    CGdiObject* pOldPen = dc.SelectStockObject(NULL_PEN);
    CRect client;
    GetClientRect(&client);
    // Grown by a pixel on every side, so the outline-less rectangle covers
    // the whole client area.
    client.InflateRect(1, 1);
    dc.Rectangle(&client);
    if (pOldPen != nullptr) {
        dc.SelectObject(pOldPen);
    }
    if (pOldBrush != nullptr) {
        dc.SelectObject(pOldBrush);
    }
}

void CVandrelView::OnFileBitmap1() {
    SelectBitmap(1);
}

void CVandrelView::OnFileBitmap2() {
    SelectBitmap(2);
}

void CVandrelView::OnFileBitmap3() {
    SelectBitmap(3);
}

void CVandrelView::OnFileBitmap4() {
    SelectBitmap(4);
}

void CVandrelView::OnUpdateFileBitmap1(CCmdUI* pCmdUI) {
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(m_nBitmap == 1);
}

void CVandrelView::OnUpdateFileBitmap2(CCmdUI* pCmdUI) {
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(m_nBitmap == 2);
}

void CVandrelView::OnUpdateFileBitmap3(CCmdUI* pCmdUI) {
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(m_nBitmap == 3);
}

void CVandrelView::OnUpdateFileBitmap4(CCmdUI* pCmdUI) {
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(m_nBitmap == 4);
}

void CVandrelView::OnFileNextBitmap() {
    int n = m_nBitmap + 1;
    if (n < 1 || n > 4) {
        n = 1;
    }
    SelectBitmap(n);
}

void CVandrelView::OnHiddenTavik() {
    if (CountDown(g_nHiddenJCount)) {
        SelectBitmap(kTavik);
    }
}

void CVandrelView::OnHiddenMorlo() {
    if (CountDown(g_nHiddenYCount)) {
        SelectBitmap(kMorlo);
    }
}
