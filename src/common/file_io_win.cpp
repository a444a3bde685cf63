// Win32 half of the file helpers: ANSI (code page 932) paths, rename with MoveFileExA.
#include "common/file_io.h"

#include <windows.h>

#include <algorithm>

#include "common/cp932.h"

namespace fileio {

bool ReadWholeFile(const std::string& path, std::string& contents) {
    contents.clear();
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    bool ok = true;
    char buffer[65536];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file, buffer, sizeof buffer, &got, nullptr)) {
            ok = false;
            break;
        }
        if (got == 0) break;
        contents.append(buffer, got);
    }
    CloseHandle(file);
    if (!ok) contents.clear();
    return ok;
}

namespace {

// The folder that holds path, for the temporary file; "." for a bare file name.
std::string DirectoryOf(const std::string& path) {
    std::string directory = path;
    const std::size_t slash = cp932::FindLastChar(directory, '/');
    const std::size_t backslash = cp932::FindLastChar(directory, '\\');
    std::size_t cut = backslash;
    if (slash != std::string::npos && (cut == std::string::npos || slash > cut)) cut = slash;
    if (cut == std::string::npos) return ".";
    // Keep the separator of a drive root ("C:\") so the folder still names the root.
    if (cut == 2 && directory[1] == ':') return directory.substr(0, 3);
    return directory.substr(0, cut == 0 ? 1 : cut);
}

bool WriteAndFlush(HANDLE file, const std::string& contents) {
    std::size_t done = 0;
    while (done < contents.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(contents.size() - done, 1u << 20));
        DWORD wrote = 0;
        if (!WriteFile(file, contents.data() + done, chunk, &wrote, nullptr) || wrote != chunk) return false;
        done += wrote;
    }
    return FlushFileBuffers(file) != 0;
}

}  // namespace

bool ReplaceFileAtomically(const std::string& path, const std::string& contents) {
    char temp[MAX_PATH];
    if (GetTempFileNameA(DirectoryOf(path).c_str(), "orv", 0, temp) == 0) return false;
    HANDLE file = CreateFileA(temp, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        DeleteFileA(temp);
        return false;
    }
    const bool written = WriteAndFlush(file, contents);
    const bool closed = CloseHandle(file) != 0;
    if (!written || !closed || !MoveFileExA(temp, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileA(temp);
        return false;
    }
    return true;
}

}  // namespace fileio
