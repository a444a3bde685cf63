// Win32 half of the file helpers: code page 932 paths opened through the wide functions, so no
// system locale changes which file a name means; rename with MoveFileExW.
#include <windows.h>

#include <algorithm>

#include "common/cp932.h"
#include "common/file_io.h"
#include "common/wide.h"

namespace fileio {

namespace {

FileError ErrorFrom(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_NO_MORE_FILES:
        case ERROR_OPEN_FAILED:
            return FileError::FileNotFound;
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
        case ERROR_BAD_PATHNAME:
        case ERROR_INVALID_DRIVE:
        case ERROR_FILENAME_EXCED_RANGE:
        case ERROR_DIRECTORY:
        case ERROR_NOT_SAME_DEVICE:
        case ERROR_BAD_NETPATH:
        case ERROR_BAD_NET_NAME:
        case ERROR_DEV_NOT_EXIST:
        case ERROR_WRONG_DISK:
            return FileError::BadPath;
        case ERROR_TOO_MANY_OPEN_FILES:
        case ERROR_SHARING_BUFFER_EXCEEDED:
        case ERROR_NO_MORE_SEARCH_HANDLES:
            return FileError::TooManyOpenFiles;
        case ERROR_ACCESS_DENIED:
        case ERROR_INVALID_ACCESS:
        case ERROR_WRITE_PROTECT:
        case ERROR_NETWORK_ACCESS_DENIED:
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return FileError::AccessDenied;
        case ERROR_INVALID_HANDLE:
        case ERROR_INVALID_TARGET_HANDLE:
        case ERROR_BAD_FORMAT:
        case ERROR_NOT_DOS_DISK:
        case ERROR_FILE_INVALID:
            return FileError::InvalidFile;
        case ERROR_CURRENT_DIRECTORY:
            return FileError::RemoveCurrentDir;
        case ERROR_CANNOT_MAKE:
            return FileError::DirectoryFull;
        case ERROR_SEEK:
        case ERROR_NEGATIVE_SEEK:
        case ERROR_SEEK_ON_DEVICE:
        case ERROR_SECTOR_NOT_FOUND:
        case ERROR_BAD_LENGTH:
            return FileError::BadSeek;
        case ERROR_CRC:
        case ERROR_NOT_READY:
        case ERROR_BAD_UNIT:
        case ERROR_BAD_COMMAND:
        case ERROR_READ_FAULT:
        case ERROR_WRITE_FAULT:
        case ERROR_GEN_FAILURE:
        case ERROR_IO_DEVICE:
        case ERROR_NET_WRITE_FAULT:
        case ERROR_ADAP_HDW_ERR:
        case ERROR_UNEXP_NET_ERR:
            return FileError::HardIO;
        case ERROR_SHARING_VIOLATION:
            return FileError::SharingViolation;
        case ERROR_LOCK_VIOLATION:
        case ERROR_LOCK_FAILED:
        case ERROR_DRIVE_LOCKED:
            return FileError::LockViolation;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return FileError::DiskFull;
        case ERROR_HANDLE_EOF:
            return FileError::EndOfFile;
        default:
            return FileError::Generic;
    }
}

FileError LastError() { return ErrorFrom(GetLastError()); }

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

// Whether the finished file can take the target's place, asked before any data is written.
// An existing target must be a file we may replace that no other program holds open without
// letting it go (the rename needs delete access); a new name must be one that can be created.
// A device name ("CON.khd" and the like) is not a file at all.
FileError CheckTarget(const std::wstring& full) {
    if (full.rfind(L"\\\\.\\", 0) == 0) return FileError::BadPath;
    const DWORD attributes = GetFileAttributesW(full.c_str());
    HANDLE probe;
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) return FileError::AccessDenied;
        probe = CreateFileW(full.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
    } else {
        probe = CreateFileW(full.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    }
    if (probe == INVALID_HANDLE_VALUE) return LastError();
    const bool isFile = GetFileType(probe) == FILE_TYPE_DISK;
    CloseHandle(probe);
    return isFile ? FileError::None : FileError::BadPath;
}

}  // namespace

FileError ReadWholeFile(const std::string& path, std::string& contents) {
    contents.clear();
    HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return LastError();
    FileError error = FileError::None;
    char buffer[65536];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file, buffer, sizeof buffer, &got, nullptr)) {
            error = LastError();
            break;
        }
        if (got == 0) break;
        contents.append(buffer, got);
    }
    CloseHandle(file);
    if (error != FileError::None) contents.clear();
    return error;
}

FileError CheckReadable(const std::string& path) {
    // Opened as ReadWholeFile opens it; a folder is refused, as it is without backup semantics.
    HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return LastError();
    CloseHandle(file);
    return FileError::None;
}

AtomicFile::~AtomicFile() { Discard(); }

FileError AtomicFile::Open(const std::string& path) {
    Discard();
    // Named by its full path, the target stays the same file however the current folders change
    // during a long write, and a drive-relative name such as "C:disk.khd" gets its temporary
    // file in the target's own folder.
    wchar_t full[MAX_PATH];
    const DWORD length = GetFullPathNameW(Wide(path).c_str(), MAX_PATH, full, nullptr);
    if (length == 0) return LastError();
    if (length >= MAX_PATH) return FileError::BadPath;
    const FileError checked = CheckTarget(full);
    if (checked != FileError::None) return checked;
    // A relative name in a current folder that code page 932 cannot name makes no usable path.
    std::string fullPath;
    if (!Narrow(std::wstring_view(full, length), fullPath)) return FileError::BadPath;
    wchar_t temporary[MAX_PATH];
    if (GetTempFileNameW(Wide(FolderOf(fullPath)).c_str(), L"orv", 0, temporary) == 0) return LastError();
    HANDLE file = CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const FileError error = LastError();
        DeleteFileW(temporary);
        return error;
    }
    m_handle = reinterpret_cast<std::intptr_t>(file);
    m_strTarget = fullPath;
    m_strTemporary = Narrow(temporary);
    return FileError::None;
}

FileError AtomicFile::Write(const void* data, std::size_t size) {
    if (m_handle == -1) return FileError::InvalidFile;
    std::size_t done = 0;
    while (done < size) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size - done, 1u << 20));
        DWORD wrote = 0;
        if (!WriteFile(AsHandle(m_handle), static_cast<const char*>(data) + done, chunk, &wrote, nullptr)) {
            return LastError();
        }
        if (wrote != chunk) return FileError::DiskFull;  // a short write is a full disk
        done += wrote;
    }
    return FileError::None;
}

FileError AtomicFile::Commit() {
    if (m_handle == -1) return FileError::InvalidFile;
    HANDLE file = AsHandle(m_handle);
    m_handle = -1;
    const BOOL flushed = FlushFileBuffers(file);
    const DWORD flushError = GetLastError();
    if (!CloseHandle(file) || !flushed) {
        const FileError error = ErrorFrom(flushed ? GetLastError() : flushError);
        Discard();
        return error;
    }
    if (!MoveFileExW(Wide(m_strTemporary).c_str(), Wide(m_strTarget).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const FileError error = LastError();
        Discard();
        return error;
    }
    m_strTemporary.clear();
    return FileError::None;
}

void AtomicFile::Discard() {
    if (m_handle != -1) CloseHandle(AsHandle(m_handle));
    m_handle = -1;
    if (!m_strTemporary.empty()) DeleteFileW(Wide(m_strTemporary).c_str());
    m_strTemporary.clear();
}

}  // namespace fileio
