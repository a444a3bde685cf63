// Files with a byte-order mark: read as code page 932 text, written back in their own encoding
// with every untouched line as it stood, also where code page 932 cannot hold a character.
#include <gtest/gtest.h>

#include "settings/ini_document.h"
#include "settings/profile.h"
#include "support/cp932_literal.h"

namespace {

class MarkedIni : public ::testing::TestWithParam<const char*> {
protected:
    std::string File(const std::string& utf8) const { return MarkedFile(GetParam(), utf8); }
};

}  // namespace

TEST_P(MarkedIni, ReadsTheTextAsCp932) {
    const ini::IniDocument doc(File("[KMX]\r\nScreen=1|ENUM|0,ウィンドウ,1,フル|画面\r\n[ORVANE Settings]\nKMXPath = C:\\エミュ\n"));
    EXPECT_EQ(doc.GetSectionNames(), std::vector<std::string>({"KMX", "ORVANE Settings"}));
    EXPECT_EQ(doc.GetString("KMX", "Screen", ""), Sjis("1|ENUM|0,ウィンドウ,1,フル|画面"));
    EXPECT_EQ(doc.GetString("orvane settings", "KMXPath", ""), Sjis("C:\\エミュ"));
    EXPECT_EQ(doc.Text(), Sjis("[KMX]\r\nScreen=1|ENUM|0,ウィンドウ,1,フル|画面\r\n[ORVANE Settings]\nKMXPath = C:\\エミュ\n"));
}

TEST_P(MarkedIni, WritesKeepTheMarkTheEncodingAndEveryUntouchedCodeUnit) {
    // "😀" and "é" are not in code page 932; LF, a lone CR and no final line end are kept too.
    const std::string original = File("; 😀 note é\r\n[ORVANE Settings]\nNote=😀é\rWait = 1\r\nLegacy=1");
    ini::IniDocument doc(original);
    EXPECT_EQ(doc.Serialize(), original);
    doc.WriteString("ORVANE Settings", "Wait", "0");
    doc.WriteString("ORVANE Settings", "KMXPath", Sjis("D:\\エミュ"));
    doc.WriteString(Sjis("新規"), "Key", Sjis("値"));
    EXPECT_EQ(doc.Serialize(), File("; 😀 note é\r\n[ORVANE Settings]\nNote=😀é\rWait=0\r\nLegacy=1\r\n"
                                    "KMXPath=D:\\エミュ\r\n[新規]\r\nKey=値\r\n"));
    // A copy is the same file.
    EXPECT_EQ(ini::IniDocument(doc).Serialize(), doc.Serialize());
}

TEST_P(MarkedIni, ProfilesAreReadAndRewrittenInTheirEncoding) {
    ProfileSlots slots;
    std::vector<SettingItem> none;
    ParseProfile(File("A:\\ディスク.kfd\r\nB:\\2.kfd\r\n"), ReadProfileKeys(""), slots, none);
    EXPECT_EQ(slots.imagePaths[0], Sjis("A:\\ディスク.kfd"));
    EXPECT_EQ(slots.imagePaths[1], "B:\\2.kfd");

    slots.imagePaths = {Sjis("A:\\ディスク.kfd"), "", "", "", ""};
    const std::string rewritten = ComposeProfile(File("old block\r\n[Other]\r\nx=😀\n[KMX]\r\nFDD1=old\r\n"), ReadProfileKeys(""),
                                                 slots, true, none);
    EXPECT_EQ(rewritten, File("A:\\ディスク.kfd\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n0\r\n[Other]\r\nx=😀\r\n[KMX]\r\n"
                              "FDD1=A:\\ディスク.kfd\r\nFDD2=\r\nHDD1=\r\nHDD2=\r\nFont=\r\nResume=0\r\n"));
}

INSTANTIATE_TEST_SUITE_P(Marks, MarkedIni, ::testing::Values("utf-8", "utf-16le", "utf-16be"),
                         [](const auto& info) { return std::string(info.param) == "utf-8" ? "Utf8"
                                                       : std::string(info.param) == "utf-16le" ? "Utf16Le" : "Utf16Be"; });
