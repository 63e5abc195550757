// The About-maker box: the maker's emblem and how to reach the maker.
#pragma once

#include "platform/afx/dialog.h"

class CAboutMakerDlg : public CDialog {
public:
    CAboutMakerDlg();
    ~CAboutMakerDlg() override;

    static const vandrel::afx::MessageMap* GetThisMessageMap();
    const vandrel::afx::MessageMap* GetMessageMap() const override;

protected:
    // The box has no fields to exchange.
    void DoDataExchange(CDataExchange* pDX) override;
};
