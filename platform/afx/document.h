// The framework's document: the data its views show, with the list of those
// views. Documents are read from files through Serialize; nothing here
// writes them back.
#pragma once

#include <vector>

#include "platform/afx/cmd_target.h"
#include "platform/base/cstring.h"

class CArchive;
class CView;
class CDocTemplate;

class CDocument : public CCmdTarget {
    DECLARE_DYNAMIC(CDocument);

public:
    ~CDocument() override;

    // A fresh, empty document; FALSE when it cannot be made.
    virtual BOOL OnNewDocument();
    // The document read from a file: FALSE, after telling the user, when the
    // file cannot be opened or read.
    virtual BOOL OnOpenDocument(LPCSTR lpszPathName);
    // Reads the document from, or writes it to, the archive.
    virtual void Serialize(CArchive& ar) = 0;
    // Closes every frame showing the document, then deletes it.
    virtual void OnCloseDocument();
    virtual void DeleteContents() {}

    void AddView(CView* pView);
    void RemoveView(CView* pView);
    const std::vector<CView*>& GetViews() const { return m_viewList; }
    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }
    const CString& GetPathName() const { return m_strPathName; }
    void SetPathName(LPCSTR lpszPathName) { m_strPathName = lpszPathName; }

    BOOL m_bAutoDelete = TRUE;

protected:
    CDocument() = default;

private:
    std::vector<CView*> m_viewList;
    CDocTemplate* m_pDocTemplate = nullptr;
    CString m_strPathName;

    friend class CDocTemplate;
};
