// The application object of the program, started on the offscreen display
// with the recording view, boxes answered, posts and sound observed.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/sound/recording_sink.h"
#include "platform/user/hooks.h"
#include "shell/main_frame.h"
#include "shell/vandrel_app.h"
#include "tests/shell/recording_view.h"

// The program's application object, recording the loop's idle passes and
// the messages it takes, with an exit code of its own.
class LoopRecordingApp : public CVandrelApp {
public:
    static constexpr int kExitCode = 42;

    BOOL OnIdle(LONG lCount) override {
        log.push_back("idle" + std::to_string(lCount));
        if (onIdle) {
            onIdle(lCount);
        }
        return CVandrelApp::OnIdle(lCount);
    }
    BOOL PreTranslateMessage(MSG* pMsg) override {
        if (pMsg->message == WM_COMMAND) {
            log.push_back("command");
        }
        return CVandrelApp::PreTranslateMessage(pMsg);
    }
    int ExitInstance() override {
        CVandrelApp::ExitInstance();
        return kExitCode;
    }

    std::vector<std::string> log;
    std::function<void(LONG)> onIdle;
};

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // InitApplication and InitInstance, as the framework's start-up does.
    BOOL Start();
    CMainFrame* Frame() const { return static_cast<CMainFrame*>(AfxGetMainWnd()); }
    // Posted messages of one kind, in order.
    std::vector<MSG> Posted(UINT message) const;

    LoopRecordingApp m_app;
    std::vector<vandrel::hooks::MessageBoxRequest> m_boxes;
    std::vector<MSG> m_posted;
    vandrel::hooks::RecordingAudioSink m_sound;
};
