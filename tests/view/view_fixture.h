// The whole program on the offscreen display: the real application object,
// main frame and view, with the settings file in a folder of the test's own,
// message boxes answered and recorded, and sound sent to a recording sink.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "platform/afx/cmd_ui.h"
#include "platform/sound/recording_sink.h"
#include "platform/user/hooks.h"
#include "shell/main_frame.h"
#include "shell/vandrel_app.h"
#include "view/vandrel_view.h"

// What the update handlers set on an item.
struct ItemState {
    bool enabled = false;
    bool checked = false;
    std::string text;
};

class ViewTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the program as the framework does; false when start-up failed.
    bool Start();
    // Ends it as Ctrl+X would, destroying frame and view.
    void Close();

    CMainFrame* Frame() const { return static_cast<CMainFrame*>(AfxGetMainWnd()); }
    CVandrelView* View() const { return static_cast<CVandrelView*>(Frame()->GetActiveView()); }
    // Sends a command through the frame, as a menu item or key does.
    void Command(UINT id) const;
    ItemState Item(UINT id) const;
    // The one checked item among `ids`, or 0 when none is.
    UINT CheckedAmong(std::span<const UINT> ids) const;
    // Dispatches whatever is queued.
    void Pump() const;

    // The profile folder's "KORVANTH.INI", as text; empty when missing.
    std::string SettingsText() const;
    void WriteSettings(const std::string& text) const;
    // A library folder without the WinG-compatible component.
    void HideWinG() const;

    CVandrelApp m_app;
    std::filesystem::path m_profile;
    std::filesystem::path m_emptyLibraryFolder;
    std::vector<vandrel::hooks::MessageBoxRequest> m_boxes;
    vandrel::hooks::RecordingAudioSink m_sound;
};

// The pixels of a built-in picture as the view's source buffer must hold
// them: in the surface's memory order.
std::vector<BYTE> PictureInSurfaceOrder(const char* name);
