// The framework's dialog: a window built from a dialog template, run
// modally, whose fields (if any) are exchanged with its controls by
// DoDataExchange when it opens and when OK is pressed.
#pragma once

#include "platform/afx/wnd.h"

// What DoDataExchange is asked to do: fill the controls from the fields
// (FALSE) or read them back (TRUE).
class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
};

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog);

public:
    // With no parent the dialog is owned by the main window.
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // Builds the dialog, runs it until it is ended and destroys it again.
    // The result given to EndDialog (IDOK, IDCANCEL), or -1 when the dialog
    // could not be made.
    virtual int DoModal();
    // WM_INITDIALOG: fills the controls. TRUE is the original's request for
    // the focus on the first control that takes it, which the window system
    // here always gives.
    virtual BOOL OnInitDialog();
    // Runs DoDataExchange in the direction asked. No exchange here checks
    // what it reads, so it always succeeds.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    void EndDialog(int nResult);

    static const vandrel::afx::MessageMap* GetThisMessageMap();
    const vandrel::afx::MessageMap* GetMessageMap() const override;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    // IDOK: reads the controls back and ends the dialog with IDOK.
    virtual void OnOK();
    // IDCANCEL (Escape, the close box): ends the dialog with IDCANCEL.
    virtual void OnCancel();

private:
    LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
};
