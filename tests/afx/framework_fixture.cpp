#include "tests/afx/framework_fixture.h"

#include <iterator>

#include "platform/afx/archive.h"
#include "platform/afx/doc_template.h"
#include "platform/user/hooks.h"
#include "platform/user/message_api.h"
#include "platform/user/qt_host.h"
#include "res/resource.h"

namespace vandrel::testing {

using vandrel::afx::MessageMap;
using vandrel::afx::MessageMapEntry;
using vandrel::afx::OnUpdateCommandUI;

std::vector<std::string>& HandlerLog() {
    static std::vector<std::string> log;
    return log;
}

IMPLEMENT_DYNCREATE(LoggingDoc, CDocument)
IMPLEMENT_DYNCREATE(LoggingView, CView)
IMPLEMENT_DYNCREATE(LoggingFrame, CFrameWnd)

void LoggingDoc::Serialize(CArchive& ar) {
    HandlerLog().push_back(std::string(ar.IsLoading() ? "load " : "store ") +
                           std::to_string(ar.GetFile()->GetLength()) + " bytes");
}

const MessageMap* LoggingDoc::GetThisMessageMap() {
    static const MessageMapEntry entries[] = {
        vandrel::afx::OnCommand<kAllHandle, &LoggingDoc::OnCommandHere>(),
        vandrel::afx::OnCommand<kDocFrameAppHandle, &LoggingDoc::OnCommandHere>(),
    };
    static const MessageMap map{CDocument::GetThisMessageMap(), entries};
    return &map;
}
const MessageMap* LoggingDoc::GetMessageMap() const {
    return GetThisMessageMap();
}

const MessageMap* LoggingView::GetThisMessageMap() {
    static const MessageMapEntry entries[] = {
        vandrel::afx::OnCommand<kAllHandle, &LoggingView::OnCommandHere>(),
        vandrel::afx::OnCommand<ID_DISPLAY_NORMAL, &LoggingView::OnDisplayNormal>(),
        vandrel::afx::OnCommand<ID_DISPLAY_DOUBLED, &LoggingView::OnDisplayDoubled>(),
        vandrel::afx::OnCommand<ID_DISPLAY_WINDOW, &LoggingView::OnDisplayWindow>(),
        OnUpdateCommandUI<ID_DISPLAY_DOUBLED, &LoggingView::OnUpdateDisplayDoubled>(),
        OnUpdateCommandUI<ID_DISPLAY_WINDOW, &LoggingView::OnUpdateDisplayWindow>(),
        OnUpdateCommandUI<ID_INDICATOR_FPS, &LoggingView::OnUpdateRate>(),
        vandrel::afx::OnCommand<ID_INDICATOR_FPS, &LoggingView::OnRate>(),
    };
    static const MessageMap map{CView::GetThisMessageMap(), entries};
    return &map;
}
const MessageMap* LoggingView::GetMessageMap() const {
    return GetThisMessageMap();
}

const MessageMap* LoggingFrame::GetThisMessageMap() {
    static const MessageMapEntry entries[] = {
        vandrel::afx::OnMessage<WM_CREATE, &LoggingFrame::OnCreate>(),
        vandrel::afx::OnCommand<kAllHandle, &LoggingFrame::OnCommandHere>(),
        vandrel::afx::OnCommand<kDocFrameAppHandle, &LoggingFrame::OnCommandHere>(),
        vandrel::afx::OnCommand<kFrameAppHandle, &LoggingFrame::OnCommandHere>(),
    };
    static const MessageMap map{CFrameWnd::GetThisMessageMap(), entries};
    return &map;
}
const MessageMap* LoggingFrame::GetMessageMap() const {
    return GetThisMessageMap();
}

int LoggingFrame::OnCreate(LPCREATESTRUCT lpcs) {
    if (CFrameWnd::OnCreate(lpcs) == -1) {
        return -1;
    }
    static const UINT buttons[] = {ID_DISPLAY_NORMAL, ID_SEPARATOR, ID_DISPLAY_DOUBLED,
                                   ID_DISPLAY_WINDOW, ID_ZORBLE_WAVY};
    static const UINT panes[] = {ID_SEPARATOR, ID_INDICATOR_FPS};
    if (!m_wndToolBar.Create(this) || !m_wndToolBar.LoadBitmap(IDR_MAINFRAME) ||
        !m_wndToolBar.SetButtons(buttons, static_cast<int>(std::size(buttons))) ||
        !m_wndStatusBar.Create(this) ||
        !m_wndStatusBar.SetIndicators(panes, static_cast<int>(std::size(panes)))) {
        return -1;
    }
    m_wndToolBar.SetBarStyle(m_wndToolBar.GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY);
    return 0;
}

const MessageMap* LoggingApp::GetThisMessageMap() {
    static const MessageMapEntry entries[] = {
        vandrel::afx::OnCommand<kAllHandle, &LoggingApp::OnCommandHere>(),
        vandrel::afx::OnCommand<kDocFrameAppHandle, &LoggingApp::OnCommandHere>(),
        vandrel::afx::OnCommand<kFrameAppHandle, &LoggingApp::OnCommandHere>(),
        vandrel::afx::OnCommand<kAppHandles, &LoggingApp::OnCommandHere>(),
    };
    static const MessageMap map{CCmdTarget::GetThisMessageMap(), entries};
    return &map;
}
const MessageMap* LoggingApp::GetMessageMap() const {
    return GetThisMessageMap();
}

void FrameworkTest::SetUp() {
    std::string error;
    ASSERT_TRUE(vandrel::user::OpenDisplay(&error)) << error;
    vandrel::hooks::SetMessageBoxAnswerer([](const vandrel::hooks::MessageBoxRequest& request) {
        ADD_FAILURE() << "unexpected box: " << request.text;
        return IDOK;
    });
    HandlerLog().clear();
    m_app.InitApplication();
    m_app.AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(LoggingDoc),
                                                RUNTIME_CLASS(LoggingFrame),
                                                RUNTIME_CLASS(LoggingView)));
    m_app.OnFileNew();
    ASSERT_NE(Frame(), nullptr);
}

void FrameworkTest::TearDown() {
    m_app.CloseAllDocuments();
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
    vandrel::hooks::SetMessageBoxAnswerer(nullptr);
}

}  // namespace vandrel::testing
