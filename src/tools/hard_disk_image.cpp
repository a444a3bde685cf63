// Writing hard-disk images.
#include "tools/hard_disk_image.h"

#include <vector>

std::array<std::uint8_t, kHardDiskHeaderSize> HardDiskHeader(std::int32_t megabytes) {
    std::array<std::uint8_t, kHardDiskHeaderSize> header = {};
    const std::uint16_t sizeWord = static_cast<std::uint16_t>(static_cast<std::uint32_t>(megabytes) * 15u);
    header[0] = static_cast<std::uint8_t>(sizeWord & 0xFF);
    header[1] = static_cast<std::uint8_t>(sizeWord >> 8);
    return header;
}

fileio::FileError WriteHardDiskImage(fileio::OutputFile& file, std::int32_t megabytes,
                                     const std::function<bool(std::int32_t, std::int32_t)>& progress) {
    const std::vector<std::uint8_t> zeros(kMegabyte, 0);
    const auto header = HardDiskHeader(megabytes);
    fileio::FileError error = file.Write(header.data(), 2);
    if (error == fileio::FileError::None) error = file.Write(zeros.data(), kHardDiskHeaderSize - 2);
    for (std::int32_t block = 1; block <= megabytes && error == fileio::FileError::None; ++block) {
        if (!progress(block, megabytes)) return fileio::FileError::Cancelled;
        error = file.Write(zeros.data(), zeros.size());
    }
    return error;
}
