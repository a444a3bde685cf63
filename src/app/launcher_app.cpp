// The application object and the program's entry.
#include "app/launcher_app.h"

#include "app/command_line_run.h"
#include "app/launcher_dialog.h"
#include "common/paths.h"

bool LauncherApp::InitInstance() {
    const ParsedCommandLine parsed = ParseCommandLine(ReadCommandLine());
    if (parsed.request.usage || parsed.fault != CommandLineFault::None) {
        m_nExitCode = ReportCommandLine(parsed);
        return false;
    }
    if (parsed.request.run) {
        m_nExitCode = RunFromCommandLine(parsed.request);
        return false;
    }
    LauncherDialog dialog;
    if (!parsed.request.profile.empty()) dialog.m_strStartProfile = FullPath(parsed.request.profile);
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    return false;
}
