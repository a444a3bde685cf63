// Whole-file reads and atomic replacement.
#include "common/file_io.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"

TEST(FileIo, ReplaceWritesExactBytesAndLeavesNoTemporaryFile) {
    TempDir dir;
    const std::string path = dir.File("profile.ini");
    WriteBytes(path, "old contents that are longer than the new ones");
    const std::string bytes("a\0b\r\n\xFF", 6);
    ASSERT_TRUE(fileio::ReplaceFileAtomically(path, bytes));
    EXPECT_EQ(ReadBytes(path), bytes);
    EXPECT_EQ(CountEntries(dir.path()), 1);

    std::string read;
    ASSERT_EQ(fileio::ReadWholeFile(path, read), fileio::FileError::None);
    EXPECT_EQ(read, bytes);
}

TEST(FileIo, FailuresAreReportedAndTouchNothing) {
    TempDir dir;
    std::string read = "stale";
    EXPECT_EQ(fileio::ReadWholeFile(dir.File("missing.ini"), read), fileio::FileError::FileNotFound);
    EXPECT_TRUE(read.empty());
    EXPECT_FALSE(fileio::ReplaceFileAtomically(dir.File("no-such-folder") + "/x.ini", "data"));
    EXPECT_EQ(CountEntries(dir.path()), 0);
    // A folder in the way of the target: the rename fails, the folder and the rest stay.
    const std::string folder = dir.File("taken");
    ASSERT_TRUE(fileio::ReplaceFileAtomically(dir.File("keep.ini"), "keep"));
    std::filesystem::create_directory(folder);
    EXPECT_FALSE(fileio::ReplaceFileAtomically(folder, "data"));
    EXPECT_EQ(CountEntries(dir.path()), 2);
    EXPECT_EQ(ReadBytes(dir.File("keep.ini")), "keep");
}
