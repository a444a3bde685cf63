// The hard-disk image file: a 256-byte header whose first word is the size in megabytes times
// 15 (low 16 bits, little-endian), then size megabytes of zeros.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "common/file_io.h"

constexpr std::size_t kMegabyte = 1048576;
constexpr std::size_t kHardDiskHeaderSize = 256;

// The header of an image of the given size in megabytes.
std::array<std::uint8_t, kHardDiskHeaderSize> HardDiskHeader(std::int32_t megabytes);

// Writes the image: the size word, 254 zero bytes, then one write per megabyte from one zero
// buffer, telling progress(block, total) before each block. Stops at the first failed write, or
// with Cancelled when progress answers false.
fileio::FileError WriteHardDiskImage(fileio::OutputFile& file, std::int32_t megabytes,
                                     const std::function<bool(std::int32_t, std::int32_t)>& progress);
