// Path helpers that ask the platform.
#include <windows.h>

#include "common/paths.h"

std::string GetModulePath() {
    char path[MAX_PATH] = "";
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path, length < MAX_PATH ? length : 0);
}

std::string GetLauncherIniPath() { return LauncherIniPathFor(GetModulePath()); }

std::string GetModuleDirectory() { return DirectoryOf(GetModulePath()); }

bool FileExists(const std::string& path) {
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA(path.c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return false;
    FindClose(find);
    return true;
}
