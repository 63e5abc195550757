// The Help commands: each opens its dialog, modally, on the main window.
#include "shell/about_dlg.h"
#include "shell/about_maker_dlg.h"
#include "shell/quick_help_dlg.h"
#include "shell/vandrel_app.h"

void CVandrelApp::OnAppAbout() {
    CAboutDlg aboutDlg;
    aboutDlg.DoModal();
}

void CVandrelApp::OnAboutMaker() {
    CAboutMakerDlg aboutMakerDlg;
    aboutMakerDlg.DoModal();
}

void CVandrelApp::OnQuickHelp() {
    CQuickHelpDlg quickHelpDlg;
    quickHelpDlg.DoModal();
}
