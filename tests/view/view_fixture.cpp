#include "tests/view/view_fixture.h"

#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "platform/base/instance.h"
#include "platform/kernel/library.h"
#include "platform/kernel/resources.h"
#include "platform/sound/play_sound.h"
#include "platform/user/message_api.h"
#include "platform/user/qt_host.h"
#include "surface/dibg.h"

namespace fs = std::filesystem;

void ViewTest::SetUp() {
    std::string error;
    ASSERT_TRUE(vandrel::user::OpenDisplay(&error)) << error;
    const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    m_profile =
        fs::temp_directory_path() / ("vandrel-view-" + std::to_string(getpid()) + "-" + name);
    fs::create_directories(m_profile);
    m_emptyLibraryFolder = m_profile / "no-libraries";
    fs::create_directories(m_emptyLibraryFolder);
    setenv("VANDREL_PROFILE_DIR", m_profile.c_str(), 1);
    g_bAppOK = TRUE;
    vandrel::hooks::SetMessageBoxAnswerer([this](const vandrel::hooks::MessageBoxRequest& request) {
        m_boxes.push_back(request);
        return IDOK;
    });
    vandrel::hooks::UseAudioOutput(&m_sound);
}

void ViewTest::TearDown() {
    Close();
    vandrel::hooks::SetMessageBoxAnswerer(nullptr);
    vandrel::hooks::UseAudioOutput(nullptr);
    vandrel::hooks::ResetSystemMetrics();
    vandrel::hooks::SetLibraryFolder({});
    g_bAppOK = TRUE;
    unsetenv("VANDREL_PROFILE_DIR");
    fs::remove_all(m_profile);
}

bool ViewTest::Start() {
    if (!m_app.InitApplication() || !m_app.InitInstance() || Frame() == nullptr) {
        return false;
    }
    Pump();
    return true;
}

void ViewTest::Close() {
    if (CWnd* mainWindow = AfxGetMainWnd()) {
        mainWindow->DestroyWindow();
    }
    Pump();
}

void ViewTest::Command(UINT id) const {
    Frame()->SendMessage(WM_COMMAND, id, 0);
}

namespace {

// An item that only keeps what it is told.
class RecordingItem : public CCmdUI {
public:
    ItemState state;

protected:
    void ApplyEnable(BOOL bOn) override { state.enabled = bOn != FALSE; }
    void ApplyCheck(int nCheck) override { state.checked = nCheck != 0; }
    void ApplyText(LPCSTR lpszText) override { state.text = lpszText; }
};

}  // namespace

ItemState ViewTest::Item(UINT id) const {
    RecordingItem item;
    item.m_nID = id;
    item.DoUpdate(Frame(), TRUE);
    return item.state;
}

UINT ViewTest::CheckedAmong(std::span<const UINT> ids) const {
    UINT checked = 0;
    for (const UINT id : ids) {
        if (Item(id).checked) {
            EXPECT_EQ(checked, 0u) << "two items checked: " << checked << " and " << id;
            checked = id;
        }
    }
    return checked;
}

void ViewTest::Pump() const {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message != WM_QUIT) {
            DispatchMessageA(&msg);
        }
    }
}

std::string ViewTest::SettingsText() const {
    std::ifstream in(m_profile / "KORVANTH.INI");
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void ViewTest::WriteSettings(const std::string& text) const {
    std::ofstream(m_profile / "KORVANTH.INI") << text;
}

void ViewTest::HideWinG() const {
    vandrel::hooks::SetLibraryFolder(m_emptyLibraryFolder);
}

std::vector<BYTE> PictureInSurfaceOrder(const char* name) {
    HMODULE module = AfxGetInstanceHandle();
    HRSRC found = FindResourceA(module, name, RT_BITMAP);
    if (found == nullptr) {
        return {};
    }
    const auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
    const BYTE* bottomUp = bytes + 40 + 1024;
    std::vector<BYTE> pixels(bottomUp, bottomUp + 65536);
    if (CDibG::s_nOrientation == CDibG::kTopDown) {
        for (int r = 0; r < 256; ++r) {
            std::memcpy(pixels.data() + r * 256, bottomUp + (255 - r) * 256, 256);
        }
    }
    return pixels;
}
