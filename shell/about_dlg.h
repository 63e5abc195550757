// The About box: the program's name and maker, and whether the WinG library
// draws the pictures and in which row order its surfaces lie.
#pragma once

#include "platform/afx/dialog.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg();
    ~CAboutDlg() override;

    static const vandrel::afx::MessageMap* GetThisMessageMap();
    const vandrel::afx::MessageMap* GetMessageMap() const override;

protected:
    // Writes the WinG status line; called as the box opens and on OK.
    void DoDataExchange(CDataExchange* pDX) override;
};
