// Shared set-up of the surface tests: the process-wide WinG binding started
// afresh for every test (as a new process would have it), a private profile
// folder, a scratch folder for picture files, and a surface that shows the
// members the tests check.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "palette/pal_id.h"
#include "platform/gdi/hooks.h"
#include "platform/kernel/library.h"
#include "platform/kernel/profile.h"
#include "surface/dibg.h"

namespace vandrel::testing {

inline constexpr const char* kProfileMessage = "Profiling your video";

// Shows the protected state of a surface.
class ProbedDib : public CDibG {
public:
    using CDibG::operator=;

    HBITMAP Bitmap() const { return m_hBitmap; }
    HDC OwnDC() const { return m_hOwnDC; }
    const BITMAPINFO& Info() const { return m_bmi; }
    int HeaderHeight() const { return m_bmi.bmiHeader.biHeight; }
};

// Puts every static of the binding back to its value at process start.
inline void ResetWinGBinding() {
    CDibG::ExitWinG();
    CDibG::s_bLoadTried = FALSE;
    CDibG::s_bWinGLoaded = FALSE;
    CDibG::s_bWinG = FALSE;
    CDibG::s_nOrientation = CDibG::kBottomUp;
    CDibG::s_bPaletteDevice = FALSE;
    CDibG::s_nColorUse = 0;
    CDibG::s_hOldBitmap = nullptr;
    CDibG::s_pSelected = nullptr;
    CDibG::s_pfnWinGCreateDC = nullptr;
    CDibG::s_pfnWinGCreateBitmap = nullptr;
    CDibG::s_pfnWinGGetDIBPointer = nullptr;
    CDibG::s_pfnWinGRecommendDIBFormat = nullptr;
    CDibG::s_pfnWinGGetDIBColorTable = nullptr;
    CDibG::s_pfnWinGSetDIBColorTable = nullptr;
    CDibG::s_pfnWinGBitBlt = nullptr;
    CDibG::s_pfnWinGStretchBlt = nullptr;
    CDibG::s_pfnWinGCreateHalftoneBrush = nullptr;
    CDibG::s_pfnWinGCreateHalftonePalette = nullptr;
}

class SurfaceTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = std::filesystem::temp_directory_path() /
                ("vandrel_surface_" + std::to_string(::getpid()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(m_dir / "profile");
        setenv("VANDREL_PROFILE_DIR", (m_dir / "profile").c_str(), 1);
        ResetWinGBinding();
        hooks::SetLibraryFolder(VANDREL_WING_DIR);
    }
    void TearDown() override {
        ResetWinGBinding();
        hooks::SetLibraryFolder("");
        hooks::RecordGdiCalls(false);
        hooks::ClearRecordedGdiCalls();
        hooks::ResetDisplay();
        unsetenv("VANDREL_PROFILE_DIR");
        std::filesystem::remove_all(m_dir);
    }

    // The binding as the view starts it, with the real component.
    static void StartWinG(int forcedOrientation = CDibG::kTopDown) {
        CDibG::InitWinG(kProfileMessage, FALSE, forcedOrientation);
        ASSERT_TRUE(CDibG::s_bWinG);
    }
    static void StartGdi() {
        CDibG::InitWinG(kProfileMessage, TRUE, CDibG::kTopDown);
        ASSERT_FALSE(CDibG::s_bWinG);
    }

    // WIN.INI's "ProfileMessage" of section "WinG", or nothing when absent.
    static std::optional<std::string> ProfileMessage() {
        char value[128];
        GetPrivateProfileStringA("WinG", "ProfileMessage", "<absent>", value, sizeof value,
                                 "WIN.INI");
        return std::string(value) == "<absent>" ? std::nullopt : std::optional<std::string>(value);
    }
    bool WinIniExists() const { return std::filesystem::exists(m_dir / "profile" / "WIN.INI"); }

    CString WriteFile(const std::string& name, const std::vector<BYTE>& bytes) {
        const std::filesystem::path path = m_dir / name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return CString(path.string());
    }
    std::string Folder(const std::string& name) {
        std::filesystem::create_directories(m_dir / name);
        return (m_dir / name).string();
    }

    std::filesystem::path m_dir;
};

}  // namespace vandrel::testing
