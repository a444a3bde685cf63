// The system menu's desktop shortcut: the current settings saved as a profile, and a shortcut on
// the desktop that starts the emulator with that profile, without the window.
#include "app/launcher_dialog.h"

#include "common/cp932.h"
#include "common/paths.h"
#include "common/texts.h"
#include "common/wide.h"
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
    const std::wstring desktop = GetServices().DesktopFolder();
    const std::wstring link = (desktop.empty() ? std::wstring() : desktop + L"\\") + Wide(name) + L".lnk";
    if (desktop.empty()) {
        GetServices().ShowMessage(m_hWnd, link + Wide(texts::kCouldNotCreate), MB_OK | MB_ICONSTOP);
        return;
    }
    // Asked before anything is written, so that No leaves every file as it was.
    if (GetFileAttributesW(link.c_str()) != INVALID_FILE_ATTRIBUTES &&
        GetServices().ShowMessage(m_hWnd, link + Wide(texts::kReplaceQuestion), MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return;
    }
    if (!WriteProfile(profile)) return;
    const Shortcut shortcut = {link, GetModulePathWide(), L"/run \"" + Wide(profile) + L"\"", GetModuleDirectoryWide()};
    if (!GetServices().SaveShortcut(shortcut)) {
        GetServices().ShowMessage(m_hWnd, link + Wide(texts::kCouldNotCreate), MB_OK | MB_ICONSTOP);
    }
}
