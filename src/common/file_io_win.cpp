// Win32 half of the file helpers: ANSI (code page 932) paths, rename with MoveFileExA.
#include <windows.h>

#include <algorithm>

#include "common/file_io.h"
#include "common/cp932.h"

namespace fileio {

namespace {

FileError ErrorFrom(DWORD error) {
    switch (error) {
        case ERROR_PATH_NOT_FOUND:
        case ERROR_FILE_NOT_FOUND:
        case ERROR_INVALID_NAME:
        case ERROR_BAD_PATHNAME:
        case ERROR_INVALID_DRIVE:
        case ERROR_FILENAME_EXCED_RANGE:
        case ERROR_DIRECTORY:
            return FileError::InvalidPath;
        case ERROR_ACCESS_DENIED:
        case ERROR_WRITE_PROTECT:
        case ERROR_SHARING_VIOLATION:
            return FileError::AccessDenied;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return FileError::DiskFull;
        default:
            return FileError::Other;
    }
}

// The folder that holds path, for the temporary file; "." for a bare file name. Both "\\" and
// "/" separate folders here, as they do for the platform's file functions.
std::string FolderOf(const std::string& path) {
    const std::size_t backslash = cp932::FindLastChar(path, '\\');
    const std::size_t slash = cp932::FindLastChar(path, '/');
    std::size_t cut = backslash;
    if (slash != std::string::npos && (cut == std::string::npos || slash > cut)) cut = slash;
    if (cut == std::string::npos) return ".";
    // Keep the separator of a root ("C:\\", "\\"), so the folder still names the root.
    if (cut == 0 || (cut == 2 && path[1] == ':')) return path.substr(0, cut + 1);
    return path.substr(0, cut);
}

HANDLE AsHandle(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

}  // namespace

bool ReadWholeFile(const std::string& path, std::string& contents) {
    contents.clear();
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
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

AtomicFile::~AtomicFile() { Discard(); }

FileError AtomicFile::Open(const std::string& path) {
    Discard();
    // A target that exists must be one we may replace: not read-only, not a folder.
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY))) {
        return FileError::AccessDenied;
    }
    char temporary[MAX_PATH];
    if (GetTempFileNameA(FolderOf(path).c_str(), "orv", 0, temporary) == 0) return ErrorFrom(GetLastError());
    HANDLE file = CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        DeleteFileA(temporary);
        return ErrorFrom(error);
    }
    m_handle = reinterpret_cast<std::intptr_t>(file);
    m_strTarget = path;
    m_strTemporary = temporary;
    return FileError::None;
}

FileError AtomicFile::Write(const void* data, std::size_t size) {
    if (m_handle == -1) return FileError::Other;
    std::size_t done = 0;
    while (done < size) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size - done, 1u << 20));
        DWORD wrote = 0;
        if (!WriteFile(AsHandle(m_handle), static_cast<const char*>(data) + done, chunk, &wrote, nullptr)) {
            return ErrorFrom(GetLastError());
        }
        if (wrote != chunk) return FileError::DiskFull;  // a short write is a full disk
        done += wrote;
    }
    return FileError::None;
}

FileError AtomicFile::Commit() {
    if (m_handle == -1) return FileError::Other;
    HANDLE file = AsHandle(m_handle);
    m_handle = -1;
    const BOOL flushed = FlushFileBuffers(file);
    const DWORD flushError = GetLastError();
    if (!CloseHandle(file) || !flushed) {
        const FileError error = ErrorFrom(flushed ? GetLastError() : flushError);
        Discard();
        return error;
    }
    if (!MoveFileExA(m_strTemporary.c_str(), m_strTarget.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const FileError error = ErrorFrom(GetLastError());
        Discard();
        return error;
    }
    m_strTemporary.clear();
    return FileError::None;
}

void AtomicFile::Discard() {
    if (m_handle != -1) CloseHandle(AsHandle(m_handle));
    m_handle = -1;
    if (!m_strTemporary.empty()) DeleteFileA(m_strTemporary.c_str());
    m_strTemporary.clear();
}

}  // namespace fileio
