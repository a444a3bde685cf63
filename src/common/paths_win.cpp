// Path helpers that ask the platform.
#include <windows.h>

#include "common/paths.h"
#include "common/wide.h"

std::wstring GetModulePathWide() {
    wchar_t path[MAX_PATH] = L"";
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::wstring(path, length < MAX_PATH ? length : 0);
}

std::string GetModulePath() {
    std::string path;
    return Narrow(GetModulePathWide(), path) ? path : std::string();
}

std::string GetLauncherIniPath() {
    const std::string modulePath = GetModulePath();
    return modulePath.empty() ? std::string() : LauncherIniPathFor(modulePath);
}

std::string GetModuleDirectory() { return DirectoryOf(GetModulePath()); }

bool FileExists(const std::string& path) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(Wide(path).c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return false;
    FindClose(find);
    return true;
}
