// The framework's document: the data its views show, with the list of those
// views. This program's document holds nothing, so documents here are never
// read from or written to files.
#pragma once

#include <vector>

#include "platform/afx/cmd_target.h"

class CView;
class CDocTemplate;

class CDocument : public CCmdTarget {
    DECLARE_DYNAMIC(CDocument);

public:
    ~CDocument() override;

    // A fresh, empty document; FALSE when it cannot be made.
    virtual BOOL OnNewDocument();
    // Closes every frame showing the document, then deletes it.
    virtual void OnCloseDocument();
    virtual void DeleteContents() {}

    void AddView(CView* pView);
    void RemoveView(CView* pView);
    const std::vector<CView*>& GetViews() const { return m_viewList; }
    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }
    void SetModifiedFlag(BOOL bModified = TRUE) { m_bModified = bModified; }
    BOOL IsModified() const { return m_bModified; }

    BOOL m_bAutoDelete = TRUE;

protected:
    CDocument() = default;

private:
    std::vector<CView*> m_viewList;
    CDocTemplate* m_pDocTemplate = nullptr;
    BOOL m_bModified = FALSE;

    friend class CDocTemplate;
};
