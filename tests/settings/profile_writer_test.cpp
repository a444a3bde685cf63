// Writing emulator INI files: exact bytes, kept content, atomic failure, and write-then-read round trips.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "settings/ini_file.h"
#include "support/cp932_literal.h"
#include "support/profile_fixture.h"

namespace {

class ProfileWriterTest : public ProfileTest {
protected:
    void SetUp() override {
        ProfileTest::SetUp();
        m_strProfile = m_dir.File("profile.ini");
        SetSchema("Flag=11|BOOL|flag\r\nMode=12|ENUM|0,off,1,on|mode\r\nName=0|STR|name\r\n");
    }

    std::string Write(bool legacy) {
        EXPECT_EQ(WriteProfile(m_strProfile, m_strLauncherIni, m_slots, legacy, m_settings), ProfileWriteResult::Written);
        return ReadBytes(m_strProfile);
    }

    std::string m_strProfile;
};

}  // namespace

TEST_F(ProfileWriterTest, NewFileWithoutLegacyBlockHoldsSectionKmxInKeyOrder) {
    m_slots.imagePaths[kSlotFdd1].cp932 = "a.kfd";
    m_slots.imagePaths[kSlotFont].cp932 = "f.bmp";
    m_slots.resume = true;
    m_settings[0].value = "1";
    m_settings[2].value = Sjis("表示");
    EXPECT_EQ(Write(false), "[KMX]\r\nFDD1=a.kfd\r\nFDD2=\r\nHDD1=\r\nHDD2=\r\nFont=f.bmp\r\nResume=1\r\n"
                            "Flag=1\r\nMode=0\r\nName=" + Sjis("表示") + "\r\n");
}

TEST_F(ProfileWriterTest, LegacyBlockComesFirstWithSettingsOnTheirLines) {
    SetSchema("Flag=11|BOOL|flag\r\nMode=12|ENUM|0,off,1,on|mode\r\nLate=14|STR|x\r\nTwo=2|STR|y\r\nNone=0|STR|z\r\n",
              "FDD1Key=Drive0\r\n");
    m_slots.imagePaths = {{{"a.kfd"}, {"b.kfd"}, {"c.khd"}, {"d.khd"}, {"f.bmp"}}};
    m_settings[1].value = "12";  // as read from a file, not a choice number
    m_settings[2].value = "late";
    m_settings[3].value = "replaces FDD2";
    m_settings[4].value = "section only";
    EXPECT_EQ(Write(true),
              "a.kfd\r\nreplaces FDD2\r\nc.khd\r\nd.khd\r\nf.bmp\r\n\r\n\r\n\r\n\r\n0\r\n0\r\n12\r\n\r\nlate\r\n"
              "[KMX]\r\nDrive0=a.kfd\r\nFDD2=b.kfd\r\nHDD1=c.khd\r\nHDD2=d.khd\r\nFont=f.bmp\r\nResume=0\r\n"
              "Flag=0\r\nMode=12\r\nLate=late\r\nTwo=replaces FDD2\r\nNone=section only\r\n");
}

TEST_F(ProfileWriterTest, RewritingKeepsCommentsOtherSectionsAndUnknownKeys) {
    WriteBytes(m_strProfile,
               "old1\r\nold2\r\n; made by hand\r\n[KMX]\r\nFDD1=old.kfd\r\nExtra=keep me\r\nFlag=0\r\n\r\n[Other]\nx=1\n");
    m_slots.imagePaths[kSlotFdd1].cp932 = "new.kfd";
    m_settings[0].value = "1";
    EXPECT_EQ(Write(false),
              "; made by hand\r\n[KMX]\r\nFDD1=new.kfd\r\nExtra=keep me\r\nFlag=1\r\nFDD2=\r\nHDD1=\r\nHDD2=\r\n"
              "Font=\r\nResume=0\r\nMode=0\r\nName=\r\n\r\n[Other]\r\nx=1\r\n");
}

TEST_F(ProfileWriterTest, OldLegacyBlockIsReplacedUpToItsFirstBracketOrCommentLine) {
    WriteBytes(m_strProfile, "one\r\n[two is a path\r\nthree\r\n");
    const std::string bytes = Write(false);
    EXPECT_EQ(bytes.rfind("[two is a path\r\nthree\r\n", 0), 0u) << bytes;
    WriteBytes(m_strProfile, "one\r\ntwo\r\n");
    EXPECT_EQ(Write(false).rfind("[KMX]\r\nFDD1=\r\n", 0), 0u);
}

TEST_F(ProfileWriterTest, DuplicateKeysAreWrittenInOrderAndTheLastValueStays) {
    SetSchema("Same=0|STR|a\r\nSame=0|STR|b\r\n");
    m_settings[0].value = "first";
    m_settings[1].value = "second";
    const std::string bytes = Write(false);
    EXPECT_NE(bytes.find("Same=second\r\n"), std::string::npos);
    EXPECT_EQ(bytes.find("Same=first"), std::string::npos);
}

TEST_F(ProfileWriterTest, LongValuesStayWholeInTheBlockAndTheSection) {
    const std::string longPath = "C:\\" + std::string(500, 'x') + ".kfd";
    m_slots.imagePaths[kSlotFdd1].cp932 = longPath;
    const std::string bytes = Write(true);
    EXPECT_EQ(bytes.rfind(longPath + "\r\n", 0), 0u);
    EXPECT_NE(bytes.find("FDD1=" + longPath + "\r\n"), std::string::npos);
}

TEST_F(ProfileWriterTest, AbsurdLegacyLinesDoNotBlowUpTheBlock) {
    SetSchema("Far=2000000000|STR|far\r\n");
    m_settings[0].value = "v";
    const std::string bytes = Write(true);
    EXPECT_LT(bytes.size(), 1000u);
    EXPECT_NE(bytes.find("Far=v\r\n"), std::string::npos);
}

TEST_F(ProfileWriterTest, FailedWriteReportsAndLeavesTheOldFileWhole) {
    WriteBytes(m_strProfile, "[KMX]\r\nFDD1=precious\r\n");
    m_slots.imagePaths[kSlotFdd1].cp932 = "new";
    EXPECT_EQ(WriteProfile(m_dir.File("missing-folder") + "/p.ini", m_strLauncherIni, m_slots, true, m_settings),
              ProfileWriteResult::CouldNotOpen);
    // The target is a folder: nothing can replace it.
    const std::string folder = m_dir.File("folder.ini");
    std::filesystem::create_directory(folder);
    EXPECT_EQ(WriteProfile(folder, m_strLauncherIni, m_slots, true, m_settings), ProfileWriteResult::CouldNotOpen);
    EXPECT_EQ(ReadBytes(m_strProfile), "[KMX]\r\nFDD1=precious\r\n");
    EXPECT_EQ(CountEntries(m_dir.path()), 3);
}

#ifndef _WIN32
TEST_F(ProfileWriterTest, AFileThatIsThereButCannotBeReadIsNeverReplaced) {
    // A link to itself: there, but every read of it fails. Only a missing file starts empty.
    std::filesystem::create_symlink("profile.ini", m_strProfile);
    EXPECT_EQ(WriteProfile(m_strProfile, m_strLauncherIni, m_slots, false, m_settings), ProfileWriteResult::CouldNotOpen);
    EXPECT_FALSE(ini::WriteIniStrings(m_strProfile, "ORVANE Settings", {{"Wait", "0"}}));
    EXPECT_TRUE(std::filesystem::is_symlink(m_strProfile));
}
#endif

TEST_F(ProfileWriterTest, WriteThenReadGivesBackTheSameState) {
    // Values the private-profile form keeps unchanged: no outer blanks, no line breaks,
    // no matching outer quotes. Includes CP932 text with 0x5C and 0x7C second bytes.
    const std::vector<std::string> pieces = {"a", "Z", "0", "9", " ", "=", ";", "[", "]", "|", ",", "\\", ".",
                                             Sjis("表"), Sjis("ソ"), Sjis("ポ"), Sjis("ゾ"), Sjis("漢字"), Sjis("ｱ")};
    std::mt19937 random(12345);
    auto randomText = [&](std::size_t maxPieces) {
        std::string text;
        const std::size_t count = random() % (maxPieces + 1);
        for (std::size_t i = 0; i < count; ++i) text += pieces[random() % pieces.size()];
        const std::size_t begin = text.find_first_not_of(' ');
        if (begin == std::string::npos) return std::string();
        text = text.substr(begin, text.find_last_not_of(' ') - begin + 1);
        if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') && text.back() == text.front()) text += "x";
        return text;
    };
    SetSchema("B=11|BOOL|b\r\nI=12|INT|i\r\nE=13|ENUM|0,a,1,b|e\r\nS=0|STR|s\r\nU=14|OTHER|u\r\nS2=6|STR|s2\r\n");
    for (int round = 0; round < 300; ++round) {
        ProfileSlots written;
        for (ExactText& path : written.imagePaths) path.cp932 = randomText(12);
        written.resume = random() % 2 == 1;
        std::vector<SettingItem> settings = m_settings;
        for (SettingItem& item : settings) item.value = randomText(20);
        const bool legacy = random() % 2 == 1;
        if (random() % 3 == 0) WriteBytes(m_strProfile, "old\r\n; comment\r\n[KMX]\r\nB=1\r\n[Keep]\r\nk=v\r\n");
        ASSERT_EQ(WriteProfile(m_strProfile, m_strLauncherIni, written, legacy, settings), ProfileWriteResult::Written);

        ProfileSlots read;
        std::vector<SettingItem> readSettings = m_settings;
        ASSERT_EQ(ReadProfile(m_strProfile, m_strLauncherIni, read, readSettings), ProfileReadResult::Read);
        ASSERT_EQ(read.imagePaths, written.imagePaths) << "round " << round;
        ASSERT_EQ(read.resume, written.resume);
        for (std::size_t i = 0; i < settings.size(); ++i) ASSERT_EQ(readSettings[i].value, settings[i].value) << i;
    }
}
