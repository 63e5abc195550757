// The program's one application object, and its entry into the framework.
#include "platform/afx/win_app.h"
#include "shell/vandrel_app.h"

CVandrelApp theApp;

int main() {
    return AfxWinMain();
}
