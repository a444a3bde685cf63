// Writing a profile and starting the emulator, for the window and the command line alike.
#include "app/emulator_launch.h"

#include "common/paths.h"
#include "common/texts.h"
#include "framework/services.h"

std::string EmulatorFile(const std::string& emulatorDir, const char* name) { return emulatorDir + "\\" + name; }

bool SaveProfile(HWND owner, const std::string& path, const ProfileSlots& slots, bool legacy,
                 const std::vector<SettingItem>& settings) {
    switch (WriteProfile(path, GetLauncherIniPath(), slots, legacy, settings)) {
        case ProfileWriteResult::Written:
            return true;
        case ProfileWriteResult::CouldNotOpen:
            ShowMessage(owner, path + texts::kCouldNotOpen, MB_OK);
            return false;
        case ProfileWriteResult::CannotHold:
            ShowMessage(owner, path + texts::kCannotHoldValues, MB_OK | MB_ICONSTOP);
            return false;
    }
    return false;
}

bool StartEmulator(HWND owner, const std::string& emulatorDir, HANDLE& process) {
    const std::string program = EmulatorFile(emulatorDir, "KMX.EXE");
    if (GetServices().StartProcess(program, emulatorDir, process)) return true;
    ShowMessage(owner, program + texts::kCouldNotStart, MB_OK | MB_ICONSTOP);
    return false;
}
