// The application object: start-up with one single-document template and a
// maximized main frame, the two-mode message loop that drives the animation,
// the process priority, and the program's one fatal-error policy.
#pragma once

#include "platform/afx/win_app.h"

// FALSE once a fatal error has been met; only the three exception catchers
// (the loop, the frame's command dispatch, the view's creation) clear it.
extern BOOL g_bAppOK;

class CVandrelApp : public CWinApp {
public:
    CVandrelApp();
    ~CVandrelApp() override;

    BOOL InitInstance() override;
    int Run() override;

    // Stops any sound and tells the user the program will end: string 4 for
    // an exhausted memory, string 5 otherwise.
    void ReportException(CException* e);

    // TRUE: the loop steps a frame whenever the queue is empty.
    BOOL m_bPeekDrive;

    static const vandrel::afx::MessageMap* GetThisMessageMap();
    const vandrel::afx::MessageMap* GetMessageMap() const override;

protected:
    // Each runs its dialog modally and ignores how it was closed.
    void OnAppAbout();
    void OnAboutMaker();
    void OnQuickHelp();
    void OnAppExit();

private:
    // One pass of each loop mode; FALSE when the loop is to return
    // `*pnExitCode`.
    BOOL IdlePass(int* pnExitCode);
    BOOL PeekDrivePass(int* pnExitCode);
    void StepActiveView();
};
