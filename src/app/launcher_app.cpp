// The application object and the program's entry.
#include "app/launcher_app.h"

#include "app/launcher_dialog.h"

bool LauncherApp::InitInstance() {
    LauncherDialog dialog;
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    return false;
}
