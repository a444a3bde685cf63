// Writes a hard-disk image of the given size in megabytes to the given path through the same
// atomic writer the dialog uses, and prints the time it took: hard_disk_bench PATH MEGABYTES.
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "tools/hard_disk_image.h"

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    const int megabytes = std::atoi(argv[2]);
    const auto start = std::chrono::steady_clock::now();
    fileio::AtomicFile file;
    fileio::FileError error = file.Open(argv[1]);
    if (error == fileio::FileError::None) error = WriteHardDiskImage(file, megabytes, [](int, int) { return true; });
    if (error == fileio::FileError::None) error = file.Commit();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%.3f\n", seconds);
    return error == fileio::FileError::None ? 0 : 1;
}
