// Reading emulator INI files in sectioned and legacy form.
#include <gtest/gtest.h>

#include "common/texts.h"
#include "support/cp932_literal.h"
#include "support/profile_fixture.h"

namespace {

class ProfileReaderTest : public ProfileTest {
protected:
    void SetUp() override {
        ProfileTest::SetUp();
        SetSchema("Flag=11|BOOL|flag\r\nMode=12|ENUM|0,off,1,on,2,auto|mode\r\nName=0|STR|name\r\nShared=3|INT|shared\r\n");
    }

    ProfileReadResult Read(const std::string& bytes) {
        WriteBytes(m_dir.File("KMX.INI"), bytes);
        return ReadProfile(m_dir.File("KMX.INI"), m_strLauncherIni, m_slots, m_settings);
    }

    const std::string& Value(std::size_t index) const { return m_settings.at(index).value.cp932; }
};

}  // namespace

TEST_F(ProfileReaderTest, SectionedFormFillsSlotsResumeAndValuesWhole) {
    const std::string longPath = "C:\\" + std::string(400, 'p') + ".kfd";
    ASSERT_EQ(Read("legacy line ignored\r\n[KMX]\r\nFDD1=" + longPath + "\r\nHDD2=" + Sjis("表\\ソ.khd") +
                   "\r\nResume=1\r\nFlag=1\r\nMode=2\r\nName= spaced \r\nUnknown=kept aside\r\n[Other]\r\nFDD2=no\r\n"),
              ProfileReadResult::Read);
    EXPECT_EQ(m_slots.imagePaths[kSlotFdd1].cp932, longPath);
    EXPECT_EQ(m_slots.imagePaths[kSlotFdd2].cp932, "");
    EXPECT_EQ(m_slots.imagePaths[kSlotHdd2].cp932, Sjis("表\\ソ.khd"));
    EXPECT_TRUE(m_slots.resume);
    EXPECT_EQ(Value(0), "1");
    EXPECT_EQ(m_settings[0].displayText, Sjis("あり"));
    EXPECT_EQ(Value(1), "2");
    EXPECT_EQ(m_settings[1].displayText, "auto");
    EXPECT_EQ(Value(2), "spaced");
    EXPECT_EQ(Value(3), "");
}

TEST_F(ProfileReaderTest, SectionsWithoutKmxEmptyEverything) {
    m_slots.imagePaths[kSlotFont].cp932 = "old.bmp";
    m_slots.resume = true;
    ASSERT_EQ(Read("[Other]\r\nFont=x.bmp\r\nResume=1\r\n"), ProfileReadResult::Read);
    EXPECT_EQ(m_slots.imagePaths[kSlotFont].cp932, "");
    EXPECT_FALSE(m_slots.resume);
    EXPECT_EQ(Value(0), "");
    EXPECT_EQ(m_settings[0].displayText, Sjis("不明"));
    EXPECT_EQ(m_settings[1].displayText, "off");
}

TEST_F(ProfileReaderTest, CompanionKeysRenameTheSlotKeys) {
    SetSchema("Flag=11|BOOL|flag\r\n", "HDD1Key=Disk0\r\nResumeKey=Warm\r\n");
    Read("[KMX]\r\nHDD1=wrong\r\nDisk0=right.khd\r\nResume=0\r\nWarm=1\r\n");
    EXPECT_EQ(m_slots.imagePaths[kSlotHdd1].cp932, "right.khd");
    EXPECT_TRUE(m_slots.resume);
}

TEST_F(ProfileReaderTest, LegacyProfileIsReadByLinePosition) {
    ASSERT_EQ(Read("a.kfd\r\nb.kfd\nc.khd\r\n\r\nfont.bmp\r\n6\r\n7\r\n8\r\n9\r\n1\r\n1\r\n1\r\n"), ProfileReadResult::Read);
    EXPECT_EQ(m_slots.imagePaths[kSlotFdd1].cp932, "a.kfd");
    EXPECT_EQ(m_slots.imagePaths[kSlotFdd2].cp932, "b.kfd");
    EXPECT_EQ(m_slots.imagePaths[kSlotHdd1].cp932, "c.khd");
    EXPECT_EQ(m_slots.imagePaths[kSlotHdd2].cp932, "");
    EXPECT_EQ(m_slots.imagePaths[kSlotFont].cp932, "font.bmp");
    EXPECT_TRUE(m_slots.resume);
    EXPECT_EQ(Value(0), "1");
    EXPECT_EQ(Value(1), "1");
    EXPECT_EQ(m_settings[1].displayText, "on");
    EXPECT_EQ(Value(2), "");           // legacy line 0: never from the file
    EXPECT_EQ(Value(3), "c.khd");      // shares line 3 with HDD1
}

TEST_F(ProfileReaderTest, ShortAndEmptyLegacyProfilesEmptyWhatIsMissing) {
    m_slots.imagePaths[kSlotFont].cp932 = "old.bmp";
    m_slots.resume = true;
    ASSERT_EQ(Read("only.kfd\r\nsecond"), ProfileReadResult::Read);
    EXPECT_EQ(m_slots.imagePaths[kSlotFdd1].cp932, "only.kfd");
    EXPECT_EQ(m_slots.imagePaths[kSlotFdd2].cp932, "second");
    EXPECT_EQ(m_slots.imagePaths[kSlotFont].cp932, "");
    EXPECT_FALSE(m_slots.resume);
    EXPECT_EQ(Value(0), "");
    ASSERT_EQ(Read(""), ProfileReadResult::Read);
    EXPECT_EQ(m_slots.imagePaths[kSlotFdd1].cp932, "");
}

TEST_F(ProfileReaderTest, MissingFileKeepsSlotsAndEmptiesEveryValue) {
    m_slots.imagePaths[kSlotFdd1].cp932 = "kept.kfd";
    m_slots.resume = true;
    m_settings[0].value = "1";
    EXPECT_EQ(ReadProfile(m_dir.File("absent.ini"), m_strLauncherIni, m_slots, m_settings),
              ProfileReadResult::CouldNotOpen);
    EXPECT_EQ(m_slots.imagePaths[kSlotFdd1].cp932, "kept.kfd");
    EXPECT_TRUE(m_slots.resume);
    for (const SettingItem& item : m_settings) EXPECT_EQ(item.value, "") << item.key;
    EXPECT_EQ(m_settings[0].displayText, Sjis("不明"));
    EXPECT_EQ(m_settings[1].displayText, "off");
    EXPECT_EQ(std::string(texts::kCouldNotOpen), Sjis("が開けませんでした。"));
}

TEST(SplitTextLines, LineEndsAreLfOrCrLf) {
    EXPECT_EQ(SplitTextLines("a\r\nb\nc"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(SplitTextLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
    EXPECT_EQ(SplitTextLines(""), std::vector<std::string>());
    EXPECT_EQ(SplitTextLines("x\r"), std::vector<std::string>{"x\r"});
}
