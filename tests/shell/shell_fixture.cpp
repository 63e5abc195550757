#include "tests/shell/shell_fixture.h"

#include "platform/sound/play_sound.h"
#include "platform/user/message_api.h"
#include "platform/user/qt_host.h"

void ShellTest::SetUp() {
    std::string error;
    ASSERT_TRUE(vandrel::user::OpenDisplay(&error)) << error;
    g_bAppOK = TRUE;
    RecordedViewCalls() = ViewCalls{};
    vandrel::hooks::SetMessageBoxAnswerer([this](const vandrel::hooks::MessageBoxRequest& request) {
        m_boxes.push_back(request);
        return IDOK;
    });
    vandrel::hooks::SetPostObserver([this](const MSG& msg) { m_posted.push_back(msg); });
    vandrel::hooks::UseAudioOutput(&m_sound);
}

void ShellTest::TearDown() {
    if (CWnd* mainWindow = AfxGetMainWnd()) {
        mainWindow->DestroyWindow();
    }
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
    vandrel::hooks::SetPostObserver(nullptr);
    vandrel::hooks::SetMessageBoxAnswerer(nullptr);
    vandrel::hooks::UseAudioOutput(nullptr);
    vandrel::hooks::ResetSystemMetrics();
    g_bAppOK = TRUE;
}

BOOL ShellTest::Start() {
    return m_app.InitApplication() && m_app.InitInstance();
}

std::vector<MSG> ShellTest::Posted(UINT message) const {
    std::vector<MSG> result;
    for (const MSG& msg : m_posted) {
        if (msg.message == message) {
            result.push_back(msg);
        }
    }
    return result;
}
