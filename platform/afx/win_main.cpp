#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/afx/win_app.h"
#include "platform/afx/wnd.h"
#include "platform/user/qt_host.h"

int AfxWinMain() {
    std::string error;
    if (!vandrel::user::OpenDisplay(&error)) {
        std::fprintf(stderr, "vandrel: cannot open the display: %s\n", error.c_str());
        return EXIT_FAILURE;
    }
    CWinApp* app = AfxGetApp();
    if (app == nullptr || !app->InitApplication()) {
        return EXIT_FAILURE;
    }
    if (!app->InitInstance()) {
        if (app->m_pMainWnd != nullptr) {
            app->m_pMainWnd->DestroyWindow();
        }
        app->ExitInstance();
        return EXIT_FAILURE;
    }
    return app->Run();
}
