// The command line on Windows.
#include "app/command_line_run.h"

#include <windows.h>
#include <shellapi.h>

#include "app/emulator_launch.h"
#include "common/file_io.h"
#include "common/paths.h"
#include "common/texts.h"
#include "framework/file_error_report.h"
#include "framework/services.h"
#include "locate/emulator_path_check.h"
#include "settings/ini_file.h"
#include "settings/schema.h"

namespace {

const char* FaultText(CommandLineFault fault) {
    switch (fault) {
        case CommandLineFault::UnknownSwitch: return texts::kUnknownSwitch;
        case CommandLineFault::MissingPath: return texts::kMissingPath;
        case CommandLineFault::SlotTwice: return texts::kSlotTwice;
        case CommandLineFault::TooManyImages: return texts::kTooManyImages;
        case CommandLineFault::ExtraArgument: return texts::kExtraArgument;
        case CommandLineFault::NeedsRun: return texts::kNeedsRun;
        case CommandLineFault::None: break;
    }
    return "";
}

// The full path of a file named on the command line, when it is one the emulator can open and
// it can be read now; else the user is told why, by its name.
bool TakeFile(const std::u16string& argument, std::string& path) {
    const ExactText full = FullPath(argument);
    if (!full.exact.empty()) {
        ReportPathBeyondCp932(nullptr, full);
        return false;
    }
    path = full.cp932;
    const fileio::FileError error = fileio::CheckReadable(path);
    if (error == fileio::FileError::None) return true;
    ReportFileError(nullptr, error, path);
    return false;
}

}  // namespace

std::vector<std::u16string> ReadCommandLine() {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::u16string> taken;
    for (int i = 1; arguments != nullptr && i < count; ++i) {
        const std::wstring_view argument = arguments[i];
        taken.emplace_back(argument.begin(), argument.end());
    }
    LocalFree(arguments);
    return taken;
}

int ReportCommandLine(const ParsedCommandLine& parsed) {
    if (parsed.request.usage) {
        ShowMessage(nullptr, texts::kUsage, MB_OK | MB_ICONINFORMATION);
        return kExitDone;
    }
    ShowMessage(nullptr, ExactTextOf(parsed.argument) + FaultText(parsed.fault), MB_OK | MB_ICONSTOP);
    return kExitBadCommandLine;
}

int RunFromCommandLine(const LaunchRequest& request) {
    std::string profile;
    if (!request.profile.empty() && !TakeFile(request.profile, profile)) return kExitBadFile;
    std::array<std::string, kImageSlotCount> images;
    for (int slot = 0; slot < kImageSlotCount; ++slot) {
        if (!request.images[slot].empty() && !TakeFile(request.images[slot], images[slot])) return kExitBadFile;
    }

    // No drive search from a shortcut: that needs the window, and may take minutes.
    const std::string launcherIniPath = GetLauncherIniPath();
    const std::string emulatorDir = RememberedEmulatorDir(launcherIniPath);
    // Checked first: the emulator in such a folder cannot even be looked for by its path.
    if (!emulatorDir.empty() && !LeavesRoomForEmulatorFiles(emulatorDir)) {
        ReportEmulatorFolderTooLong(emulatorDir);
        return kExitNoEmulator;
    }
    if (emulatorDir.empty() || !FileExists(EmulatorFile(emulatorDir, "KMX.EXE"))) {
        const std::string named = emulatorDir.empty() ? std::string() : EmulatorFile(emulatorDir, "KMX.EXE") + "\n";
        ShowMessage(nullptr, named + texts::kNoEmulatorFolder, MB_OK | MB_ICONSTOP);
        return kExitNoEmulator;
    }

    const ini::IniDocument launcherIni = ini::LoadIniFile(launcherIniPath);
    std::vector<SettingItem> settings;
    LoadSchema(launcherIni, settings);
    ProfileSlots slots;
    const std::string emulatorIni = EmulatorFile(emulatorDir, "KMX.INI");
    // A KMX.INI that is not there yet gives empty values and is written anew.
    ReadProfile(emulatorIni, launcherIniPath, slots, settings);
    if (!profile.empty()) ReadProfile(profile, launcherIniPath, slots, settings);
    for (int slot = 0; slot < kImageSlotCount; ++slot) {
        if (!images[slot].empty()) slots.imagePaths[slot] = {images[slot], {}};
    }

    // Unlike the Run button, never start the emulator on settings the user did not choose.
    const bool legacy = launcherIni.GetInt(kLauncherSection, kLegacyKey, 1) != 0;
    if (!SaveProfile(nullptr, emulatorIni, slots, legacy, settings)) return kExitNotWritten;
    HANDLE process = nullptr;
    if (!StartEmulator(nullptr, emulatorDir, process)) return kExitNotStarted;
    if (!request.wait) {
        CloseHandle(process);
        return kExitDone;
    }
    return static_cast<int>(GetServices().WaitForProcessEnd(nullptr, process));
}
