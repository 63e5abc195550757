// The Quick Help box: two short paragraphs on what the program does and how
// to leave it. It has no close box; OK, Enter or Escape closes it.
#pragma once

#include "platform/afx/dialog.h"

class CQuickHelpDlg : public CDialog {
public:
    CQuickHelpDlg();
    ~CQuickHelpDlg() override;

    static const vandrel::afx::MessageMap* GetThisMessageMap();
    const vandrel::afx::MessageMap* GetMessageMap() const override;

protected:
    // The box has no fields to exchange.
    void DoDataExchange(CDataExchange* pDX) override;
};
