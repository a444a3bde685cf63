// Path helpers that need no platform.
#include "common/paths.h"

#include "common/cp932.h"

std::string LauncherIniPathFor(const std::string& modulePath) {
    std::string path = modulePath;
    const std::size_t dot = cp932::FindLastChar(path, '.');
    if (dot != std::string::npos) path.erase(dot);
    return path + ".ini";
}

std::string DirectoryOf(const std::string& path) {
    std::string directory = path;
    cp932::CutAtLastBackslash(directory);
    return directory;
}

std::string FileNameOf(const std::string& path) {
    const std::size_t backslash = cp932::FindLastChar(path, '\\');
    return backslash == std::string::npos ? path : path.substr(backslash + 1);
}
