// The system menu's desktop shortcut: the current settings saved as a profile, and a shortcut on
// the desktop that starts the emulator with that profile, without the window.
#include "app/launcher_dialog.h"

#include "common/cp932.h"
#include "common/paths.h"
#include "common/texts.h"
#include "framework/services.h"

void LauncherDialog::OnCreateShortcut() {
    // The shortcut's /run reads the launcher INI, which such a folder cannot name.
    if (GetLauncherIniPath().empty()) {
        ReportLauncherFolderBeyondCp932();
        return;
    }
    std::string profile;
    if (!ChooseProfile(false, profile)) return;
    std::string name = FileNameOf(profile);
    const std::size_t dot = cp932::FindLastChar(name, '.');
    if (dot != std::string::npos && dot > 0) name.erase(dot);
    const ExactText desktop = GetServices().DesktopFolder();
    const ExactText link = (desktop.cp932.empty() ? ExactText() : desktop + "\\") + name + ".lnk";
    if (desktop.cp932.empty()) {
        ShowMessage(m_hWnd, link + texts::kCouldNotCreate, MB_OK | MB_ICONSTOP);
        return;
    }
    // Asked before anything is written, so that No leaves every file as it was.
    if (FileExists(link) && ShowMessage(m_hWnd, link + texts::kReplaceQuestion, MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return;
    }
    if (!WriteProfile(profile)) return;
    // The launcher's folder is one code page 932 holds, as its INI has a name.
    const Shortcut shortcut = {link, GetModulePath(), "/run \"" + profile + "\"", GetModuleDirectory()};
    if (!GetServices().SaveShortcut(shortcut)) ShowMessage(m_hWnd, link + texts::kCouldNotCreate, MB_OK | MB_ICONSTOP);
}
