// The emulator path check.
#include "locate/emulator_path_check.h"

#include "common/cp932.h"
#include "common/paths.h"
#include "common/texts.h"
#include "framework/services.h"
#include "locate/emulator_search_dialog.h"
#include "settings/ini_file.h"
#include "settings/setting_item.h"

namespace {
constexpr char kEmulatorPathKey[] = "KMXPath";
constexpr char kEmulatorProgram[] = "KMX.EXE";
}  // namespace

std::string RememberedEmulatorDir(const std::string& launcherIniPath) {
    return ini::LoadIniFile(launcherIniPath).GetString(kLauncherSection, kEmulatorPathKey, "");
}

bool LeavesRoomForEmulatorFiles(const std::string& emulatorDir) {
    return IsPathWithinLimit(emulatorDir + "\\" + kEmulatorProgram);
}

void ReportEmulatorFolderTooLong(const std::string& emulatorDir) {
    ShowMessage(nullptr, emulatorDir + texts::kEmulatorFolderTooLong, MB_OK | MB_ICONSTOP);
}

bool CheckEmulatorPath(const std::string& launcherIniPath, std::string& emulatorDir) {
    emulatorDir = RememberedEmulatorDir(launcherIniPath);
    if (!emulatorDir.empty() && FileExists(emulatorDir)) {
        if (LeavesRoomForEmulatorFiles(emulatorDir)) return true;
        // Its KMX.INI is never shown, as Run could not use it: another folder is searched for.
        ReportEmulatorFolderTooLong(emulatorDir);
    }

    EmulatorSearchDialog search(nullptr);
    search.m_strTarget = kEmulatorProgram;
    if (search.DoModal() != IDOK) return false;
    emulatorDir = search.m_strResult;
    cp932::CutAtLastBackslash(emulatorDir);
    if (!LeavesRoomForEmulatorFiles(emulatorDir)) {
        ReportEmulatorFolderTooLong(emulatorDir);
        return false;
    }
    // A failed write goes unnoticed: the folder is used all the same, and searched for next time.
    ini::WriteIniStrings(launcherIniPath, kLauncherSection, {{kEmulatorPathKey, emulatorDir}});
    return true;
}
