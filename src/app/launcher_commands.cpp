// The main dialog's commands: Run, Save as, Load, erase the resume file, Help.
#include "app/launcher_dialog.h"

#include <commdlg.h>

#include "common/paths.h"
#include "common/texts.h"
#include "framework/services.h"
#include "resource.h"

namespace {
constexpr char kProfileFilter[] = "INI Files(*.ini)|*.ini|All Files(*.*)|*.*||";
}

void LauncherDialog::OnRun() {
    WriteProfile(EmulatorFile("KMX.INI"));
    HANDLE process = nullptr;
    // A failed start is reported, and the launcher stays open so that the user sees why.
    const bool started = StartEmulator(m_hWnd, m_strEmulatorDir, process);
    if (started && !IsChecked(IDC_WAIT_CHECK)) {
        CloseHandle(process);
        EndDialog(IDOK);
        return;
    }
    if (started) GetServices().WaitForProcessEnd(m_hWnd, process);
    if (IsChecked(IDC_WAIT_CHECK)) ShowItem(IDC_ERASE_RESUME, FileExists(EmulatorFile("SAVEA.CPU")));
}

bool LauncherDialog::ChooseProfile(bool open, std::string& path) {
    FileDialogOptions options;
    options.open = open;
    options.owner = m_hWnd;
    options.defaultExtension = "ini";
    options.filter = kProfileFilter;
    options.flags = open ? OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST : OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    return ChooseFile(options, path);
}

void LauncherDialog::OnSaveAs() {
    std::string path;
    if (ChooseProfile(false, path)) WriteProfile(path);
}

void LauncherDialog::OnLoad() {
    std::string path;
    if (ChooseProfile(true, path)) ReadProfile(path);
}

void LauncherDialog::OnEraseResume() {
    if (ShowMessage(m_hWnd, texts::kEraseResumeQuestion, MB_OKCANCEL) != IDOK) return;
    const std::string resumeFile = EmulatorFile("SAVEA.CPU");
    // The button goes only with the file; a file that stays (read-only, in use) is reported.
    if (GetServices().RemoveFile(resumeFile) || !FileExists(resumeFile)) {
        ShowItem(IDC_ERASE_RESUME, false);
    } else {
        ShowMessage(m_hWnd, resumeFile + texts::kCouldNotErase, MB_OK | MB_ICONSTOP);
    }
}

void LauncherDialog::OnHelp() {
    // A launcher folder that code page 932 cannot name was reported at start-up.
    const std::string directory = GetModuleDirectory();
    if (directory.empty()) return;
    GetServices().OpenWithShell(m_hWnd, directory + "\\orvane.txt", directory);
}
