// Writing a profile and starting the emulator, with the user told of each failure: the work of
// the Run and Save as buttons, shared with the command line's /run.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "settings/profile.h"

// A file of the emulator's folder ("KMX.INI", "KMX.EXE", "SAVEA.CPU").
std::string EmulatorFile(const std::string& emulatorDir, const char* name);

// Writes the slots and settings into an emulator INI; false, after a message, when the file could
// not be written or cannot hold a value.
bool SaveProfile(HWND owner, const std::string& path, const ProfileSlots& slots, bool legacy,
                 const std::vector<SettingItem>& settings);

// Starts KMX.EXE in the emulator's folder; false, after a message, when it could not be started.
bool StartEmulator(HWND owner, const std::string& emulatorDir, HANDLE& process);
