// Hard-disk image bytes, and what a failed write leaves behind.
#include "tools/hard_disk_image.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace {

// Counts what is written instead of storing it, so large images cost no disk.
class CountingFile : public fileio::OutputFile {
public:
    fileio::FileError Write(const void* data, std::size_t size) override {
        const auto* bytes = static_cast<const std::uint8_t*>(data);
        if (m_nWrites == 0) first.assign(bytes, bytes + size);
        for (std::size_t i = 0; i < size; ++i) nonZero += bytes[i] != 0;
        total += size;
        ++m_nWrites;
        sizes.push_back(size);
        return fileio::FileError::None;
    }
    std::vector<std::uint8_t> first;
    std::vector<std::size_t> sizes;
    std::size_t total = 0;
    std::size_t nonZero = 0;

private:
    int m_nWrites = 0;
};

// Passes writes on to a real file until a budget of bytes is spent, then reports a full disk.
class FillingFile : public fileio::OutputFile {
public:
    FillingFile(fileio::OutputFile& file, std::size_t budget) : m_file(file), m_nBudget(budget) {}
    fileio::FileError Write(const void* data, std::size_t size) override {
        if (size > m_nBudget) {
            m_file.Write(data, m_nBudget);
            m_nBudget = 0;
            return fileio::FileError::DiskFull;
        }
        m_nBudget -= size;
        return m_file.Write(data, size);
    }

private:
    fileio::OutputFile& m_file;
    std::size_t m_nBudget;
};

}  // namespace

TEST(HardDiskImage, OneMegabyteIsTheSizeWordZerosAndOneBlock) {
    TempDir dir;
    const std::string path = dir.File("disk.khd");
    std::vector<std::pair<int, int>> progress;
    {
        fileio::AtomicFile file;
        ASSERT_EQ(file.Open(path), fileio::FileError::None);
        ASSERT_EQ(WriteHardDiskImage(file, 1, [&](int block, int total) { progress.emplace_back(block, total); return true; }),
                  fileio::FileError::None);
        ASSERT_EQ(file.Commit(), fileio::FileError::None);
    }
    const std::string bytes = ReadBytes(path);
    ASSERT_EQ(bytes.size(), 1048832u);
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0x0F);
    EXPECT_EQ(bytes.find_first_not_of('\0', 1), std::string::npos);
    EXPECT_EQ(progress, (std::vector<std::pair<int, int>>{{1, 1}}));
    EXPECT_EQ(CountEntries(dir.path()), 1);
}

TEST(HardDiskImage, OneWritePerMegabyteAndTheSizeWordWraps) {
    CountingFile file;
    int lastBlock = 0;
    ASSERT_EQ(WriteHardDiskImage(file, 128, [&](int block, int total) {
                  EXPECT_EQ(block, lastBlock + 1);
                  EXPECT_EQ(total, 128);
                  lastBlock = block;
                  return true;
              }),
              fileio::FileError::None);
    EXPECT_EQ(file.first, (std::vector<std::uint8_t>{0x80, 0x07}));
    EXPECT_EQ(file.total, 256u + 128u * kMegabyte);
    EXPECT_EQ(file.nonZero, 2u);
    EXPECT_EQ(file.sizes.size(), 130u);
    EXPECT_EQ(file.sizes[1], 254u);
    EXPECT_EQ(file.sizes[2], kMegabyte);
    EXPECT_EQ(lastBlock, 128);

    // A stop request before a block ends the write there.
    CountingFile stopped;
    EXPECT_EQ(WriteHardDiskImage(stopped, 128, [](int block, int) { return block < 3; }), fileio::FileError::Cancelled);
    EXPECT_EQ(stopped.total, 256u + 2u * kMegabyte);

    const auto wrapped = HardDiskHeader(4370);  // 4370 x 15 = 65550 does not fit 16 bits
    EXPECT_EQ(wrapped[0], 14);
    EXPECT_EQ(wrapped[1], 0);
    const auto largest = HardDiskHeader(4369);
    EXPECT_EQ(largest[0] | (largest[1] << 8), 65535);
}

TEST(HardDiskImage, AFullDiskLeavesTheEarlierFileAndNoTemporaryFile) {
    TempDir dir;
    const std::string path = dir.File("disk.khd");
    WriteBytes(path, "the user's earlier disk");
    {
        fileio::AtomicFile file;
        ASSERT_EQ(file.Open(path), fileio::FileError::None);
        FillingFile filling(file, 3 * kMegabyte + 100);
        int blocks = 0;
        EXPECT_EQ(WriteHardDiskImage(filling, 8, [&](int block, int) { blocks = block; return true; }), fileio::FileError::DiskFull);
        EXPECT_EQ(blocks, 3);  // the block that failed: the header and two blocks fit
    }
    EXPECT_EQ(ReadBytes(path), "the user's earlier disk");
    EXPECT_EQ(CountEntries(dir.path()), 1);
}

TEST(AtomicFile, ErrorsAreClassifiedBeforeAnythingIsWritten) {
    TempDir dir;
    fileio::AtomicFile file;
    EXPECT_EQ(file.Open(dir.File("missing") + "/disk.khd"), fileio::FileError::BadPath);
    std::filesystem::create_directory(dir.File("folder.khd"));
    EXPECT_EQ(file.Open(dir.File("folder.khd")), fileio::FileError::AccessDenied);
    EXPECT_EQ(CountEntries(dir.path()), 1);
    // Not committed: the temporary file goes with the object.
    {
        fileio::AtomicFile abandoned;
        ASSERT_EQ(abandoned.Open(dir.File("new.khd")), fileio::FileError::None);
        ASSERT_EQ(abandoned.Write("x", 1), fileio::FileError::None);
        EXPECT_EQ(CountEntries(dir.path()), 2);
    }
    EXPECT_EQ(CountEntries(dir.path()), 1);
}
