#include "platform/afx/doc_template.h"

#include "platform/afx/afx_message_box.h"
#include "platform/afx/document.h"
#include "platform/afx/frame_wnd.h"
#include "platform/afx/view.h"
#include "platform/afx/wait_cursor.h"
#include "platform/afx/win_app.h"

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)
IMPLEMENT_DYNAMIC(CSingleDocTemplate, CDocTemplate)

// What a frame of a document is created with, on top of its window style.
inline constexpr DWORD kDocumentFrameStyle = WS_OVERLAPPEDWINDOW;

CDocTemplate::CDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass,
                           const CRuntimeClass* pFrameClass, const CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource),
      m_pDocClass(pDocClass),
      m_pFrameClass(pFrameClass),
      m_pViewClass(pViewClass) {
    m_strDocStrings.LoadString(nIDResource);
}

BOOL CDocTemplate::GetDocString(CString& rString, DocStringIndex index) const {
    int start = 0;
    for (int field = 0; field < index; ++field) {
        const int end = m_strDocStrings.Find('\n', start);
        if (end < 0) {
            rString.Empty();
            return FALSE;
        }
        start = end + 1;
    }
    const int end = m_strDocStrings.Find('\n', start);
    rString = end < 0 ? m_strDocStrings.Mid(start) : m_strDocStrings.Mid(start, end - start);
    return rString.IsEmpty() ? FALSE : TRUE;
}

void CDocTemplate::AttachDocument(CDocument* pDoc, CDocTemplate* pTemplate) {
    pDoc->m_pDocTemplate = pTemplate;
}

CDocument* CDocTemplate::CreateNewDocument() {
    CObject* created = m_pDocClass != nullptr ? m_pDocClass->CreateObject() : nullptr;
    return static_cast<CDocument*>(created);
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* pDoc) {
    CObject* created = m_pFrameClass != nullptr ? m_pFrameClass->CreateObject() : nullptr;
    if (created == nullptr) {
        return nullptr;
    }
    auto* frame = static_cast<CFrameWnd*>(created);
    CCreateContext context;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pCurrentDoc = pDoc;
    context.m_pNewDocTemplate = this;
    // A frame that fails to load deletes itself with its window.
    return frame->LoadFrame(m_nIDResource, kDocumentFrameStyle, nullptr, &context) ? frame
                                                                                   : nullptr;
}

CSingleDocTemplate::CSingleDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass,
                                       const CRuntimeClass* pFrameClass,
                                       const CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass) {}

CSingleDocTemplate::~CSingleDocTemplate() {
    delete m_pOnlyDoc;
}

void CSingleDocTemplate::RemoveDocument(CDocument* pDoc) {
    if (m_pOnlyDoc == pDoc) {
        m_pOnlyDoc = nullptr;
    }
}

void CSingleDocTemplate::CloseAllDocuments() {
    if (m_pOnlyDoc != nullptr) {
        m_pOnlyDoc->OnCloseDocument();
    }
}

CDocument* CSingleDocTemplate::OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible) {
    CWaitCursor wait;
    CDocument* document = m_pOnlyDoc;
    CFrameWnd* frame = nullptr;
    const bool created = document == nullptr;
    if (created) {
        document = CreateNewDocument();
    } else if (!document->GetViews().empty()) {
        frame = document->GetViews().front()->GetParentFrame();
    }
    if (document == nullptr) {
        AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
        return nullptr;
    }
    if (created) {
        AttachDocument(document, this);
        m_pOnlyDoc = document;
    }
    if (frame == nullptr) {
        const BOOL autoDelete = document->m_bAutoDelete;
        document->m_bAutoDelete = FALSE;
        frame = CreateNewFrame(document);
        document->m_bAutoDelete = autoDelete;
        if (frame == nullptr) {
            AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
            if (created) {
                delete document;
            }
            return nullptr;
        }
    }
    const BOOL ready = lpszPathName == nullptr ? document->OnNewDocument()
                                               : document->OnOpenDocument(lpszPathName);
    if (!ready) {
        if (created) {
            frame->DestroyWindow();
            delete document;
        }
        return nullptr;
    }
    CWinApp* app = AfxGetApp();
    if (created && app != nullptr && app->m_pMainWnd == nullptr) {
        app->m_pMainWnd = frame;
    }
    frame->InitialUpdateFrame(document, bMakeVisible);
    return document;
}
