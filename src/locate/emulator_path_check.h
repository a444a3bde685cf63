// Establishing the emulator folder: the one remembered in the launcher INI, or a new search.
#pragma once

#include <string>

// The emulator folder remembered in KMXPath of the launcher INI; empty when none is.
std::string RememberedEmulatorDir(const std::string& launcherIniPath);

// Reads KMXPath from the launcher INI into emulatorDir; when it is empty or gone, runs the
// search dialog for KMX.EXE and remembers the folder it found. False when no folder was found.
bool CheckEmulatorPath(const std::string& launcherIniPath, std::string& emulatorDir);
