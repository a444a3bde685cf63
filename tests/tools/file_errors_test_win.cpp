// File errors as the platform really produces them here, each with its cause and the text the
// user is shown; and targets named by their full path.
#include <windows.h>

#include <gtest/gtest.h>

#include "common/file_io.h"
#include "framework/file_error_report.h"
#include "support/cp932_literal.h"
#include "support/held_file.h"
#include "support/win_files.h"

using fileio::FileError;

namespace {

const std::string kFolder = "D:\\orvane\\errors";
const std::string kHeld = kFolder + "\\held.ini";

class FileErrorTest : public ::testing::Test {
protected:
    void SetUp() override {
        RemoveTree("D:\\orvane");
        MakeFile(kHeld, "[KMX]\r\n");
    }
    void TearDown() override { RemoveTree("D:\\orvane"); }

    // Checks the cause and its text, "%1" being the path.
    static void Expect(FileError got, FileError cause, const std::string& path, const char* utf8Text) {
        EXPECT_EQ(got, cause) << path;
        std::string text = Sjis(utf8Text);
        text.replace(text.find("%1"), 2, path);
        EXPECT_EQ(FileErrorText(got, path), text) << path;
    }
};

FileError ReadError(const std::string& path) {
    std::string contents;
    return fileio::ReadWholeFile(path, contents);
}

FileError OpenError(const std::string& path) {
    fileio::AtomicFile file;
    return file.Open(path);
}

}  // namespace

TEST_F(FileErrorTest, EachCauseTheFileFunctionsMeetHereReadsAsWhatHappened) {
    Expect(ReadError(kFolder + "\\missing.ini"), FileError::FileNotFound, kFolder + "\\missing.ini",
           "%1 が見つかりませんでした。");
    for (const std::string& bad : {kFolder + "\\missing\\x.ini", kFolder + "\\a<b.khd", kFolder + "\\CON.khd"}) {
        Expect(OpenError(bad), FileError::BadPath, bad, "%1 には無効なﾊﾟｽが含まれています。");
    }
    Expect(OpenError(kFolder), FileError::AccessDenied, kFolder, "%1 へのｱｸｾｽは拒否されました。");
    {
        HeldFile holder(kHeld, 0);
        ASSERT_TRUE(holder.IsHeld());
        Expect(ReadError(kHeld), FileError::SharingViolation, kHeld, "%1 へのｱｸｾｽ中に共有違反が発生しました。");
    }
    {
        // Readable, but the other program does not let it be replaced.
        HeldFile holder(kHeld, FILE_SHARE_READ | FILE_SHARE_WRITE);
        ASSERT_TRUE(holder.IsHeld());
        EXPECT_EQ(ReadError(kHeld), FileError::None);
        Expect(OpenError(kHeld), FileError::SharingViolation, kHeld, "%1 へのｱｸｾｽ中に共有違反が発生しました。");
    }
    EXPECT_EQ(ReadFileText(kHeld), "[KMX]\r\n");
    // A text whose path comes after double-byte characters.
    Expect(FileError::TooManyOpenFiles, FileError::TooManyOpenFiles, "C:\\x", "開いているﾌｧｲﾙが多すぎるため、%1 を開けませんでした。");
}

TEST_F(FileErrorTest, ADriveRelativeTargetGetsItsTemporaryFileInItsOwnFolder) {
    char previous[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, previous);
    SetEnvironmentVariableA("=D:", kFolder.c_str());  // the current folder of drive D:
    SetCurrentDirectoryA("C:\\");
    fileio::AtomicFile file;
    const FileError opened = file.Open("D:disk.khd");
    SetCurrentDirectoryA(previous);
    ASSERT_EQ(opened, FileError::None);
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((kFolder + "\\*.tmp").c_str(), &entry);
    EXPECT_NE(find, INVALID_HANDLE_VALUE) << "the temporary file is not beside its target";
    FindClose(find);
    ASSERT_EQ(file.Write("x", 1), FileError::None);
    ASSERT_EQ(file.Commit(), FileError::None);
    EXPECT_EQ(ReadFileText(kFolder + "\\disk.khd"), "x");
}
