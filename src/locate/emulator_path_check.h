// Establishing the emulator folder: the one remembered in the launcher INI, or a new search.
#pragma once

#include <string>

// The emulator folder remembered in KMXPath of the launcher INI; empty when none is.
std::string RememberedEmulatorDir(const std::string& launcherIniPath);

// True when the folder leaves room for the emulator's files ("\KMX.EXE", "\KMX.INI") within the
// platform's path limit; KMX.INI could not be written in another, nor the emulator started.
bool LeavesRoomForEmulatorFiles(const std::string& emulatorDir);
// Tells the user that the folder's path is too long for the emulator to be used from it.
void ReportEmulatorFolderTooLong(const std::string& emulatorDir);

// Reads KMXPath from the launcher INI into emulatorDir; when it is empty or gone, runs the
// search dialog for KMX.EXE and remembers the folder it found. A folder whose path is too long
// is reported and not used. False when no folder was found.
bool CheckEmulatorPath(const std::string& launcherIniPath, std::string& emulatorDir);
