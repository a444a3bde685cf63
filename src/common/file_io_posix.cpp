// POSIX half of the file helpers, for the native build of the portable core.
#include "common/file_io.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <vector>

namespace fileio {

bool ReadWholeFile(const std::string& path, std::string& contents) {
    contents.clear();
    const int fd = open(path.c_str(), O_RDONLY);
    if (fd < 0) return false;
    char buffer[65536];
    bool ok = true;
    for (;;) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got == 0) break;
        if (got < 0) {
            if (errno == EINTR) continue;
            ok = false;
            break;
        }
        contents.append(buffer, static_cast<std::size_t>(got));
    }
    close(fd);
    if (!ok) contents.clear();
    return ok;
}

namespace {

bool WriteAll(int fd, const std::string& contents) {
    std::size_t done = 0;
    while (done < contents.size()) {
        const ssize_t wrote = write(fd, contents.data() + done, contents.size() - done);
        if (wrote < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (wrote == 0) return false;
        done += static_cast<std::size_t>(wrote);
    }
    return true;
}

}  // namespace

bool ReplaceFileAtomically(const std::string& path, const std::string& contents) {
    std::vector<char> temp(path.begin(), path.end());
    static const char kSuffix[] = ".XXXXXX";
    temp.insert(temp.end(), kSuffix, kSuffix + sizeof kSuffix);
    const int fd = mkstemp(temp.data());
    if (fd < 0) return false;
    const bool written = WriteAll(fd, contents) && fsync(fd) == 0;
    const bool closed = close(fd) == 0;
    if (!written || !closed || rename(temp.data(), path.c_str()) != 0) {
        unlink(temp.data());
        return false;
    }
    return true;
}

}  // namespace fileio
