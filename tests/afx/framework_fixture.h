// A document, view, frame and application made of the framework's classes,
// each with handlers that log who ran, for the routing and update tests.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/afx/cmd_ui.h"
#include "platform/afx/document.h"
#include "platform/afx/frame_wnd.h"
#include "platform/afx/status_bar.h"
#include "platform/afx/toolbar.h"
#include "platform/afx/view.h"
#include "platform/afx/win_app.h"

namespace vandrel::testing {

// Command ids for routing: each is handled by the targets its name lists.
inline constexpr UINT kAllHandle = 40001;          // view, document, frame, application
inline constexpr UINT kDocFrameAppHandle = 40002;  // document, frame, application
inline constexpr UINT kFrameAppHandle = 40003;     // frame, application
inline constexpr UINT kAppHandles = 40004;         // application
inline constexpr UINT kNobodyHandles = 40005;

std::vector<std::string>& HandlerLog();

class LoggingDoc : public CDocument {
    DECLARE_DYNCREATE(LoggingDoc);

public:
    static const vandrel::afx::MessageMap* GetThisMessageMap();
    const vandrel::afx::MessageMap* GetMessageMap() const override;
    void OnCommandHere() { HandlerLog().push_back("document"); }
    // Logs what it was given to read.
    void Serialize(CArchive& ar) override;
};

class LoggingView : public CView {
    DECLARE_DYNCREATE(LoggingView);

public:
    static const vandrel::afx::MessageMap* GetThisMessageMap();
    const vandrel::afx::MessageMap* GetMessageMap() const override;
    void OnCommandHere() { HandlerLog().push_back("view"); }
    void OnDisplayNormal() { HandlerLog().push_back("normal"); }
    void OnDisplayWindow() { HandlerLog().push_back("window"); }
    void OnUpdateDisplayDoubled(CCmdUI* pCmdUI) { pCmdUI->SetCheck(1); }
    void OnDisplayDoubled() {}
    void OnUpdateDisplayWindow(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    void OnUpdateRate(CCmdUI* pCmdUI) { pCmdUI->SetText("Fps = 42"); }
    // A pane's id needs a command handler too, or the pane counts as
    // disabled and shows nothing.
    void OnRate() {}

protected:
    void OnDraw(CDC*) override {}
};

// A frame with a toolbar and a two-pane status bar, made as the program's is.
class LoggingFrame : public CFrameWnd {
    DECLARE_DYNCREATE(LoggingFrame);

public:
    static const vandrel::afx::MessageMap* GetThisMessageMap();
    const vandrel::afx::MessageMap* GetMessageMap() const override;
    void OnCommandHere() { HandlerLog().push_back("frame"); }
    int OnCreate(LPCREATESTRUCT lpcs);

    CToolBar m_wndToolBar;
    CStatusBar m_wndStatusBar;
};

class LoggingApp : public CWinApp {
public:
    BOOL InitInstance() override { return TRUE; }
    int Run() override { return 0; }
    static const vandrel::afx::MessageMap* GetThisMessageMap();
    const vandrel::afx::MessageMap* GetMessageMap() const override;
    void OnCommandHere() { HandlerLog().push_back("application"); }
};

// Opens one document with its frame and view, shown.
class FrameworkTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    CFrameWnd* Frame() const { return static_cast<CFrameWnd*>(m_app.m_pMainWnd); }

    LoggingApp m_app;
};

}  // namespace vandrel::testing
