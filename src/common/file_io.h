// Whole-file reading, and files written atomically: the target is replaced only by a complete,
// flushed file, and a write that fails leaves the old file untouched and no temporary file behind.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace fileio {

// What went wrong with a file: the causes the user is told about, numbered as the framework's
// file-error table numbers them.
enum class FileError {
    None,
    Generic,
    FileNotFound,
    BadPath,           // a folder of the path is missing, or the name is malformed or a device
    TooManyOpenFiles,
    AccessDenied,      // a read-only file, a folder in the way, no permission
    InvalidFile,
    RemoveCurrentDir,
    DirectoryFull,
    BadSeek,
    HardIO,
    SharingViolation,  // another program holds the file open
    LockViolation,     // another program has locked a part of the file
    DiskFull,          // also a write that stored fewer bytes than asked
    EndOfFile,
    Cancelled,         // stopped at the user's request; nothing to report
};

// Where file contents go; tests put a failing one in front of a real file.
class OutputFile {
public:
    virtual ~OutputFile() = default;
    virtual FileError Write(const void* data, std::size_t size) = 0;
};

// Writes to a temporary file beside the target; Commit flushes it and renames it over the target.
// Destroyed without a successful Commit, it removes the temporary file.
class AtomicFile : public OutputFile {
public:
    AtomicFile() = default;
    ~AtomicFile() override;
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Checks that the target can be created or replaced (a valid name, no device, not held open
    // by another program), then creates the temporary file in the target's folder.
    FileError Open(const std::string& path);
    FileError Write(const void* data, std::size_t size) override;
    FileError Commit();

private:
    void Discard();

    std::string m_strTarget;
    std::string m_strTemporary;
    std::intptr_t m_handle = -1;  // a file descriptor, or a Win32 HANDLE
};

// Reads the whole file as bytes; contents are emptied on any failure. FileNotFound is the one
// failure that means "there is no such file": any other says that a file may be there.
FileError ReadWholeFile(const std::string& path, std::string& contents);

// Whether the file could be read now: None, or why not (FileNotFound, a folder's AccessDenied, another
// program's SharingViolation). Nothing is read; a large disk image is only opened.
FileError CheckReadable(const std::string& path);

// Reads a file that is about to be rewritten: a missing file reads as empty. False when a file
// is there but could not be read (held by another program, a permission that denies reading):
// it must then not be replaced, or a passing failure would cost it its contents.
bool ReadForRewrite(const std::string& path, std::string& contents);

// Replaces the file with contents through an AtomicFile; false when any step failed.
bool ReplaceFileAtomically(const std::string& path, const std::string& contents);

}  // namespace fileio
