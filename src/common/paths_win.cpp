// Path helpers that ask the platform.
#include <windows.h>

#include "common/paths.h"
#include "common/wide.h"

std::wstring GetModulePathWide() {
    wchar_t path[MAX_PATH] = L"";
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::wstring(path, length < MAX_PATH ? length : 0);
}

std::wstring GetModuleDirectoryWide() {
    const std::wstring path = GetModulePathWide();
    return path.substr(0, path.find_last_of(L'\\'));
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

ExactText GetModuleDirectoryText() { return ExactTextOf(GetModuleDirectoryWide()); }

ExactText FullPath(std::u16string_view path) {
    const std::wstring name = Wide(path);
    wchar_t full[MAX_PATH] = L"";
    const DWORD length = GetFullPathNameW(name.c_str(), MAX_PATH, full, nullptr);
    return ExactTextOf(length > 0 && length < MAX_PATH ? std::wstring_view(full, length) : std::wstring_view(name));
}

bool IsPathWithinLimit(const std::string& path) { return Wide(path).size() < MAX_PATH; }

bool FileExists(const ExactText& path) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(Wide(path).c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return false;
    FindClose(find);
    return true;
}

bool IsExistingFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}
