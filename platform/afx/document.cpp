#include "platform/afx/document.h"

#include <algorithm>

#include "platform/afx/afx_message_box.h"
#include "platform/afx/archive.h"
#include "platform/afx/doc_template.h"
#include "platform/afx/frame_wnd.h"
#include "platform/afx/view.h"

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

CDocument::~CDocument() {
    for (CView* view : m_viewList) {
        view->m_pDocument = nullptr;
    }
    if (m_pDocTemplate != nullptr) {
        m_pDocTemplate->RemoveDocument(this);
    }
}

BOOL CDocument::OnNewDocument() {
    DeleteContents();
    m_strPathName.Empty();
    return TRUE;
}

BOOL CDocument::OnOpenDocument(LPCSTR lpszPathName) {
    CFile file;
    if (!file.Open(lpszPathName, CFile::modeRead | CFile::typeBinary)) {
        AfxMessageBox(AFX_IDP_FAILED_TO_OPEN_DOC, MB_ICONEXCLAMATION);
        return FALSE;
    }
    DeleteContents();
    try {
        CArchive archive(&file, CArchive::load);
        Serialize(archive);
    } catch (const CException&) {
        DeleteContents();
        AfxMessageBox(AFX_IDP_FAILED_TO_OPEN_DOC, MB_ICONEXCLAMATION);
        return FALSE;
    }
    SetPathName(lpszPathName);
    return TRUE;
}

void CDocument::OnCloseDocument() {
    // Destroying a frame destroys its views, which leave this list.
    const BOOL bAutoDelete = m_bAutoDelete;
    m_bAutoDelete = FALSE;
    while (!m_viewList.empty()) {
        CView* view = m_viewList.front();
        CFrameWnd* frame = view->GetParentFrame();
        if (frame != nullptr) {
            frame->DestroyWindow();
        } else {
            view->DestroyWindow();
        }
        if (!m_viewList.empty() && m_viewList.front() == view) {
            RemoveView(view);  // a view without a window
        }
    }
    m_bAutoDelete = bAutoDelete;
    DeleteContents();
    if (m_bAutoDelete) {
        delete this;
    }
}

void CDocument::AddView(CView* pView) {
    m_viewList.push_back(pView);
    pView->m_pDocument = this;
}

void CDocument::RemoveView(CView* pView) {
    std::erase(m_viewList, pView);
    pView->m_pDocument = nullptr;
}
