// POSIX half of the file helpers, for the native build of the portable core.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <vector>

#include "common/file_io.h"

namespace fileio {

namespace {

FileError ErrorFrom(int error) {
    switch (error) {
        case ENOENT: return FileError::FileNotFound;
        case ENOTDIR:
        case ENAMETOOLONG:
        case ELOOP:
        case ENXIO:
            return FileError::BadPath;
        case EMFILE:
        case ENFILE:
            return FileError::TooManyOpenFiles;
        case EACCES:
        case EPERM:
        case EISDIR:
        case EROFS:
        case EEXIST:
            return FileError::AccessDenied;
        case EBADF: return FileError::InvalidFile;
        case ESPIPE: return FileError::BadSeek;
        case EIO: return FileError::HardIO;
        case ETXTBSY: return FileError::SharingViolation;
        case ENOLCK: return FileError::LockViolation;
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return FileError::DiskFull;
        default: return FileError::Generic;
    }
}

}  // namespace

FileError CheckReadable(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY);
    if (fd < 0) return ErrorFrom(errno);
    struct stat status = {};
    const bool isFolder = fstat(fd, &status) == 0 && S_ISDIR(status.st_mode);
    close(fd);
    return isFolder ? FileError::AccessDenied : FileError::None;
}

FileError ReadWholeFile(const std::string& path, std::string& contents) {
    contents.clear();
    const int fd = open(path.c_str(), O_RDONLY);
    if (fd < 0) return ErrorFrom(errno);
    char buffer[65536];
    FileError error = FileError::None;
    for (;;) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got == 0) break;
        if (got < 0) {
            if (errno == EINTR) continue;
            error = ErrorFrom(errno);
            break;
        }
        contents.append(buffer, static_cast<std::size_t>(got));
    }
    close(fd);
    if (error != FileError::None) contents.clear();
    return error;
}

AtomicFile::~AtomicFile() { Discard(); }

FileError AtomicFile::Open(const std::string& path) {
    Discard();
    struct stat target;
    if (stat(path.c_str(), &target) == 0) {
        if (S_ISDIR(target.st_mode)) return FileError::AccessDenied;
        if (!S_ISREG(target.st_mode)) return FileError::BadPath;  // a device is not a file to replace
        if (access(path.c_str(), W_OK) != 0) return ErrorFrom(errno);
    }
    std::vector<char> temporary(path.begin(), path.end());
    static const char kSuffix[] = ".XXXXXX";
    temporary.insert(temporary.end(), kSuffix, kSuffix + sizeof kSuffix);
    const int fd = mkstemp(temporary.data());
    // The temporary file is new, so a missing entry is a missing folder of the path.
    if (fd < 0) return errno == ENOENT ? FileError::BadPath : ErrorFrom(errno);
    m_handle = fd;
    m_strTarget = path;
    m_strTemporary = temporary.data();
    return FileError::None;
}

FileError AtomicFile::Write(const void* data, std::size_t size) {
    if (m_handle < 0) return FileError::InvalidFile;
    std::size_t done = 0;
    while (done < size) {
        const ssize_t wrote = write(static_cast<int>(m_handle), static_cast<const char*>(data) + done, size - done);
        if (wrote < 0) {
            if (errno == EINTR) continue;
            return ErrorFrom(errno);
        }
        if (wrote == 0) return FileError::DiskFull;
        done += static_cast<std::size_t>(wrote);
    }
    return FileError::None;
}

FileError AtomicFile::Commit() {
    if (m_handle < 0) return FileError::InvalidFile;
    const int fd = static_cast<int>(m_handle);
    m_handle = -1;
    const bool flushed = fsync(fd) == 0;
    const int flushError = errno;
    if (close(fd) != 0 || !flushed) {
        const FileError error = ErrorFrom(flushed ? errno : flushError);
        Discard();
        return error;
    }
    if (rename(m_strTemporary.c_str(), m_strTarget.c_str()) != 0) {
        const FileError error = ErrorFrom(errno);
        Discard();
        return error;
    }
    m_strTemporary.clear();
    return FileError::None;
}

void AtomicFile::Discard() {
    if (m_handle >= 0) close(static_cast<int>(m_handle));
    m_handle = -1;
    if (!m_strTemporary.empty()) unlink(m_strTemporary.c_str());
    m_strTemporary.clear();
}

}  // namespace fileio
