// Path helpers: the launcher INI and directory derived from the executable's path, and file existence.
#pragma once

#include <string>
#include <string_view>

#include "common/exact_text.h"

// The path ended at its last "." (kept whole when it has none) followed by ".ini".
std::string LauncherIniPathFor(const std::string& modulePath);

// The path ended at its last backslash: the folder without a trailing backslash.
std::string DirectoryOf(const std::string& path);

// The last part of a path, after its last backslash.
std::string FileNameOf(const std::string& path);

#ifdef _WIN32
// The executable's full path, every character of it.
std::wstring GetModulePathWide();
// The executable's folder, every character of it, without a trailing backslash.
std::wstring GetModuleDirectoryWide();
// The executable's full path in code page 932; empty when code page 932 cannot hold it, and so
// are the two below: a file of an empty name reads as missing and is never written.
std::string GetModulePath();
// The launcher INI: the executable's path with ".ini" for its extension.
std::string GetLauncherIniPath();
// The launcher's folder, without a trailing backslash.
std::string GetModuleDirectory();
// The launcher's folder with every character, to name one that code page 932 cannot hold.
ExactText GetModuleDirectoryText();
// The full path of a name given relative to the current folder; the name itself when it has none.
ExactText FullPath(std::u16string_view path);
// True when the path fits the platform's limit of 259 characters, as a file name and a working
// folder must.
bool IsPathWithinLimit(const std::string& path);
// True when a directory listing of the path yields an entry; folders count as existing.
bool FileExists(const ExactText& path);
// True when the path names a file, not a folder.
bool IsExistingFile(const std::string& path);
#endif
