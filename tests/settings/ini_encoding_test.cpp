// Files with a byte-order mark: read as code page 932 text, written back in their own encoding
// with every untouched line as it stood, also where code page 932 cannot hold a character.
#include <gtest/gtest.h>

#include "settings/ini_document.h"
#include "settings/profile.h"
#include "settings/schema.h"
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
    EXPECT_EQ(slots.imagePaths[0].cp932, Sjis("A:\\ディスク.kfd"));
    EXPECT_EQ(slots.imagePaths[1].cp932, "B:\\2.kfd");

    slots.imagePaths = {{{Sjis("A:\\ディスク.kfd")}, {}, {}, {}, {}}};
    const std::optional<std::string> rewritten = ComposeProfile(File("old block\r\n[Other]\r\nx=😀\n[KMX]\r\nFDD1=old\r\n"), ReadProfileKeys(""),
                                                 slots, true, none);
    EXPECT_EQ(*rewritten, File("A:\\ディスク.kfd\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n0\r\n[Other]\r\nx=😀\r\n[KMX]\r\n"
                              "FDD1=A:\\ディスク.kfd\r\nFDD2=\r\nHDD1=\r\nHDD2=\r\nFont=\r\nResume=0\r\n"));
}

TEST_P(MarkedIni, ValuesBeyondCp932AreReadWholeKeptUnchangedAndWrittenWhole) {
    const std::string original = File("[KMX]\r\nTitle = café ☃ 日本\r\nKé☃y=\"old\"\r\nPlain=日本\r\n");
    ini::IniDocument doc(original);
    EXPECT_EQ(doc.GetText("KMX", "Title", "").exact, u"café ☃ 日本");
    EXPECT_EQ(doc.GetText("KMX", "Plain", "").exact, u"");  // code page 932 holds it
    // Written back as read: the line stays, its spacing too.
    doc.WriteText("KMX", "Title", doc.GetText("KMX", "Title", ""));
    doc.WriteString("KMX", "Plain", Sjis("日本"));
    EXPECT_EQ(doc.Serialize(), original);
    // Changed: a key keeps its own characters, and a value is written with every one of its own.
    const std::string key = textenc::Cp932FromUtf16(u"Ké☃y");
    doc.WriteText("KMX", key, {textenc::Cp932FromUtf16(u"néw ☃"), u"néw ☃"});
    doc.WriteString("KMX", "Title", "x");
    doc.WriteText("KMX", "New", {"?", u"😀"});
    EXPECT_EQ(doc.GetText("KMX", key, "").exact, u"néw ☃");
    EXPECT_EQ(doc.Serialize(), File("[KMX]\r\nTitle=x\r\nKé☃y=néw ☃\r\nPlain=日本\r\nNew=😀\r\n"));
}

TEST_P(MarkedIni, ProfileValuesBeyondCp932SurviveAWriteAndNeedAMarkedFile) {
    std::vector<SettingItem> settings(1);
    settings[0].key = "Title";
    settings[0].type = SettingType::STR;
    settings[0].legacyLine = 6;
    ProfileSlots slots;
    const std::string file = File("[KMX]\r\nFDD1=C:\\Zoë\\a.kfd\r\nTitle=café ☃ 日本\r\n");
    ParseProfile(file, ReadProfileKeys(""), slots, settings);
    EXPECT_EQ(slots.imagePaths[kSlotFdd1].exact, u"C:\\Zoë\\a.kfd");
    EXPECT_EQ(settings[0].value.exact, u"café ☃ 日本");
    EXPECT_EQ(DisplayText(settings[0]), settings[0].value.cp932);
    // Nothing touched: every character goes back, into section KMX and the legacy block alike.
    EXPECT_EQ(*ComposeProfile(file, ReadProfileKeys(""), slots, true, settings),
              File("C:\\Zoë\\a.kfd\r\n\r\n\r\n\r\n\r\ncafé ☃ 日本\r\n\r\n\r\n\r\n0\r\n[KMX]\r\n"
                   "FDD1=C:\\Zoë\\a.kfd\r\nTitle=café ☃ 日本\r\nFDD2=\r\nHDD1=\r\nHDD2=\r\nFont=\r\nResume=0\r\n"));
    // A legacy profile in the same form gives its lines whole.
    ParseProfile(File("C:\\Zoë\\b.kfd\r\n\r\n\r\n\r\n\r\nnaïve\r\n"), ReadProfileKeys(""), slots, settings);
    EXPECT_EQ(CharactersOf(slots.imagePaths[kSlotFdd1]), u"C:\\Zoë\\b.kfd");
    EXPECT_EQ(settings[0].value.exact, u"naïve");
    // A file in code page 932 cannot hold them: nothing is composed, rather than a "?".
    EXPECT_FALSE(ComposeProfile("[KMX]\r\nTitle=x\r\n", ReadProfileKeys(""), slots, false, settings).has_value());
    settings[0].value = "typed";
    slots.imagePaths[kSlotFdd1] = {"a.kfd", {}};
    EXPECT_TRUE(ComposeProfile("[KMX]\r\nTitle=x\r\n", ReadProfileKeys(""), slots, false, settings).has_value());
}

TEST_P(MarkedIni, SchemaLabelsAndNewCompanionKeysKeepEveryCharacter) {
    std::vector<SettingItem> settings;
    LoadSchema(ini::IniDocument(File("[KMX]\r\nT=0|STR|Zoë ☃\r\nM=1|ENUM|0,a,1,c|Modé|x\r\nP=2|INT|音\r\n")), settings);
    ASSERT_EQ(settings.size(), 3u);
    EXPECT_EQ(CharactersOf(settings[0].label), u"Zoë ☃");
    EXPECT_EQ(CharactersOf(settings[1].label), u"Modé|x");
    EXPECT_EQ(settings[2].label, ExactText(Sjis("音")));
    // A key the launcher INI names beyond code page 932 is created whole in a marked file, and
    // as code page 932 makes it in a file of that code page, as before.
    ProfileKeys keys;
    for (int slot = 0; slot < kImageSlotCount; ++slot) keys.imagePaths[slot] = kImageSlots[slot].name;
    keys.imagePaths[kSlotFdd1] = {textenc::Cp932FromUtf16(u"Drïve"), u"Drïve"};
    keys.resume = "Resume";
    ProfileSlots slots;
    slots.imagePaths[kSlotFdd1] = "a.kfd";
    EXPECT_EQ(*ComposeProfile(File("[KMX]\r\n"), keys, slots, false, {}),
              File("[KMX]\r\nDrïve=a.kfd\r\nFDD2=\r\nHDD1=\r\nHDD2=\r\nFont=\r\nResume=0\r\n"));
    EXPECT_EQ(*ComposeProfile("[KMX]\r\n", keys, slots, false, {}),
              "[KMX]\r\n" + textenc::Cp932FromUtf16(u"Drïve") + "=a.kfd\r\nFDD2=\r\nHDD1=\r\nHDD2=\r\nFont=\r\nResume=0\r\n");
}

INSTANTIATE_TEST_SUITE_P(Marks, MarkedIni, ::testing::Values("utf-8", "utf-16le", "utf-16be"),
                         [](const auto& info) { return std::string(info.param) == "utf-8" ? "Utf8"
                                                       : std::string(info.param) == "utf-16le" ? "Utf16Le" : "Utf16Be"; });
