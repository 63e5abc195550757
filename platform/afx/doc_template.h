// Document templates: which document, frame and view classes make up a
// document's window, and the resource they share (its template string's
// seven fields, menu, accelerators, icon, toolbar strip).
#pragma once

#include "platform/afx/cmd_target.h"
#include "platform/base/cstring.h"

class CDocument;
class CFrameWnd;

class CDocTemplate : public CCmdTarget {
    DECLARE_DYNAMIC(CDocTemplate);

public:
    enum DocStringIndex {
        windowTitle,
        docName,
        fileNewName,
        filterName,
        filterExt,
        regFileTypeId,
        regFileTypeName,
    };

    // Field `index` of the template string; FALSE when it has none.
    BOOL GetDocString(CString& rString, DocStringIndex index) const;
    // A new document (no path) or one read from a file, in a new or reused
    // frame, shown. Null, after telling the user, when any part cannot be
    // made or read.
    virtual CDocument* OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible = TRUE) = 0;
    virtual void RemoveDocument(CDocument* pDoc) = 0;
    // Closes each of its documents.
    virtual void CloseAllDocuments() = 0;

protected:
    CDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass, const CRuntimeClass* pFrameClass,
                 const CRuntimeClass* pViewClass);

    CDocument* CreateNewDocument();
    CFrameWnd* CreateNewFrame(CDocument* pDoc);
    static void AttachDocument(CDocument* pDoc, CDocTemplate* pTemplate);

    UINT m_nIDResource;
    const CRuntimeClass* m_pDocClass;
    const CRuntimeClass* m_pFrameClass;
    const CRuntimeClass* m_pViewClass;
    CString m_strDocStrings;
};

class CSingleDocTemplate : public CDocTemplate {
    DECLARE_DYNAMIC(CSingleDocTemplate);

public:
    CSingleDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass,
                       const CRuntimeClass* pFrameClass, const CRuntimeClass* pViewClass);
    ~CSingleDocTemplate() override;

    CDocument* OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible = TRUE) override;
    void RemoveDocument(CDocument* pDoc) override;
    void CloseAllDocuments() override;

private:
    CDocument* m_pOnlyDoc = nullptr;
};
