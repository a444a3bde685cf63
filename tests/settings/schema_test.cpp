// Schema lines into settings, and the display text of every setting type.
#include "settings/schema.h"

#include <gtest/gtest.h>

#include "common/texts.h"
#include "support/cp932_literal.h"
#include "support/temp_dir.h"

namespace {

std::vector<SettingItem> Parse(const std::string& schemaLines) {
    std::vector<SettingItem> settings;
    LoadSchema(ini::IniDocument("[KMX]\r\n" + schemaLines), settings);
    return settings;
}

SettingItem One(const std::string& line) {
    const std::vector<SettingItem> settings = Parse(line + "\r\n");
    EXPECT_EQ(settings.size(), 1u) << line;
    return settings.empty() ? SettingItem() : settings.front();
}

SettingItem Enum(const std::string& choices, const std::string& value) {
    SettingItem item;
    item.type = SettingType::ENUM;
    item.choices = choices;
    item.value = value;
    return item;
}

}  // namespace

TEST(Schema, EachFormGivesItsTypeValueAndFields) {
    const SettingItem flag = One("k=7|BOOL|x");
    EXPECT_EQ(flag.type, SettingType::BOOL);
    EXPECT_EQ(flag.value, "0");
    EXPECT_EQ(flag.legacyLine, 7);

    const SettingItem emptyKey = One("=3|INT|x");
    EXPECT_EQ(emptyKey.key, "");
    EXPECT_EQ(emptyKey.legacyLine, 3);
    EXPECT_EQ(emptyKey.type, SettingType::INT);
    EXPECT_EQ(emptyKey.value, "0");
    EXPECT_EQ(emptyKey.label, "x");

    const SettingItem mode = One("k=7|ENUM|0,off,1,on|Mode");
    EXPECT_EQ(mode.type, SettingType::ENUM);
    EXPECT_EQ(mode.value, "0");
    EXPECT_EQ(mode.choices, "0,off,1,on");
    EXPECT_EQ(mode.label, "Mode");

    const SettingItem text = One("k=7|STR|a|b");
    EXPECT_EQ(text.type, SettingType::STR);
    EXPECT_EQ(text.value, "");
    EXPECT_EQ(text.label, "a|b");

    SettingItem lower = One("k=7|bool|x");
    EXPECT_EQ(lower.type, SettingType::UNDEFINED);
    EXPECT_EQ(lower.value, "");
    EXPECT_EQ(DisplayText(lower), texts::kUndefined);
    EXPECT_EQ(One("k=7| BOOL|x").type, SettingType::UNDEFINED);
}

TEST(Schema, NumbersCommentsAndLinesThatGiveNoSetting) {
    EXPECT_EQ(One("k=abc|INT|x").legacyLine, 0);
    EXPECT_EQ(One("k= 12|INT|x").legacyLine, 12);
    EXPECT_EQ(One("k=-4|INT|x").legacyLine, -4);
    EXPECT_EQ(One("k=99999999999|INT|x").legacyLine, static_cast<std::int32_t>(99999999999LL & 0xFFFFFFFF));
    // Comments, lines without "=", and lines short of the separators their form needs.
    EXPECT_TRUE(Parse(";k=1|BOOL|x\r\nk\r\nk=1\r\nk=1|BOOL\r\nk=1|ENUM|0,a,1,b\r\n").empty());
    EXPECT_TRUE(Parse("").empty());
    std::vector<SettingItem> none;
    TempDir dir;
    LoadSchema(dir.File("missing.ini"), none);
    LoadSchema(ini::IniDocument("[Other]\r\nk=1|BOOL|x\r\n"), none);
    EXPECT_TRUE(none.empty());
}

TEST(Schema, DuplicatesOrderAndDoubleByteLabelsAreKept) {
    const std::vector<SettingItem> settings = Parse("b=1|BOOL|first\r\na=2|INT|second\r\nb=3|STR|third\r\n");
    ASSERT_EQ(settings.size(), 3u);
    EXPECT_EQ(settings[0].label, "first");
    EXPECT_EQ(settings[1].key, "a");
    EXPECT_EQ(settings[2].key, "b");
    EXPECT_EQ(settings[2].label, "third");
    // ポ ends in 0x7C, the byte of "|": it must not split the label or the choices.
    const SettingItem item = One(Sjis("k=1|ENUM|0,ポート,1,ソ|ポインタ|設定"));
    EXPECT_EQ(item.choices, Sjis("0,ポート,1,ソ"));
    EXPECT_EQ(item.label, Sjis("ポインタ|設定"));
    EXPECT_EQ(One(Sjis("k=1|INT|ポ")).label, Sjis("ポ"));
}

TEST(Schema, LoadsFromTheLauncherIniFile) {
    TempDir dir;
    const std::string path = dir.File("orvane.ini");
    WriteBytes(path, "[ORVANE Settings]\r\nLegacy=1\r\n[KMX]\r\n;comment\r\nSound=3|BOOL|" + Sjis("音") + "\r\n");
    std::vector<SettingItem> settings;
    LoadSchema(path, settings);
    ASSERT_EQ(settings.size(), 1u);
    EXPECT_EQ(settings[0].key, "Sound");
    EXPECT_EQ(settings[0].label, Sjis("音"));
}

TEST(DisplayText, BoolComparesTextExactly) {
    SettingItem item;
    item.type = SettingType::BOOL;
    const std::pair<const char*, std::string> cases[] = {
        {"0", Sjis("なし")}, {"1", Sjis("あり")}, {"", Sjis("不明")}, {"01", Sjis("不明")}, {"2", Sjis("不明")}};
    for (const auto& [value, expected] : cases) {
        item.value = value;
        EXPECT_EQ(DisplayText(item), expected) << value;
        EXPECT_EQ(item.displayText, expected);
    }
}

TEST(DisplayText, EnumComparesNumbersAndTakesTheFirstMatch) {
    SettingItem item = Enum("0,off,1,on", "01");
    EXPECT_EQ(DisplayText(item), "on");
    item.value = " 1";
    EXPECT_EQ(DisplayText(item), "on");
    item.value = "";
    EXPECT_EQ(DisplayText(item), "off");
    item.value = "7";
    EXPECT_EQ(DisplayText(item), Sjis("不明"));
    item = Enum("5,first,5,second", "5");
    EXPECT_EQ(DisplayText(item), "first");
    item = Enum("0,,1,x", "0");
    EXPECT_EQ(DisplayText(item), "");
}

TEST(DisplayText, MalformedChoiceListsNeverReachPastTheirEnd) {
    // A trailing number without a text is no choice.
    SettingItem odd = Enum("0,off,1", "1");
    EXPECT_EQ(DisplayText(odd), Sjis("不明"));
    SettingItem single = Enum("0", "0");
    EXPECT_EQ(DisplayText(single), Sjis("不明"));
    SettingItem empty = Enum("", "0");
    EXPECT_EQ(DisplayText(empty), Sjis("不明"));
    std::string longList;
    for (int i = 0; i < 200; ++i) longList += std::to_string(i) + ",choice" + std::to_string(i) + ",";
    longList += "200,last";
    SettingItem longItem = Enum(longList, "200");
    EXPECT_EQ(DisplayText(longItem), "last");
}

TEST(DisplayText, NumbersAndTextsShowTheirValueAndOtherCodesAreUndefined) {
    SettingItem number;
    number.type = SettingType::INT;
    number.value = "12abc";
    EXPECT_EQ(DisplayText(number), "12abc");
    EXPECT_EQ(number.displayText, "");
    SettingItem other;
    other.type = static_cast<SettingType>(2);
    other.value = "1";
    EXPECT_EQ(DisplayText(other), Sjis("未定義"));
    SettingItem unset;
    EXPECT_EQ(DisplayText(unset), Sjis("未定義"));
}

TEST(SplitChoices, CutsAtCommasOfCp932Text) {
    const std::string list = Sjis("1,表,2,ソ,3");
    const std::vector<Choice> choices = SplitChoices(list);
    ASSERT_EQ(choices.size(), 2u);
    EXPECT_EQ(choices[0].number, "1");
    EXPECT_EQ(choices[0].text, Sjis("表"));
    EXPECT_EQ(choices[1].text, Sjis("ソ"));
    EXPECT_EQ(SplitChoices(",,").size(), 1u);
}

TEST(EditValues, FlagsFlipAndAnythingElseBecomesOff) {
    SettingItem item;
    item.type = SettingType::BOOL;
    const std::pair<const char*, const char*> cases[] = {{"1", "0"}, {"0", "1"}, {"", "0"}, {"2", "0"}, {"01", "0"}};
    for (const auto& [before, after] : cases) {
        item.value = before;
        FlipFlag(item);
        EXPECT_EQ(item.value, after) << before;
    }
}

TEST(EditValues, ChoicesStepWrapAndJumpToTheFirst) {
    SettingItem item = Enum("0,Off,1,On,2,Auto", "1");
    std::string shown;
    const std::pair<const char*, const char*> steps[] = {
        {"1", "Auto"}, {"2", "Off"}, {"7", "Off"}, {" 1", "Auto"}, {"x", "On"}, {"", "On"}};
    for (const auto& [before, expected] : steps) {
        item.value = before;
        ASSERT_TRUE(StepChoice(item, shown)) << before;
        EXPECT_EQ(shown, expected) << before;
    }
    // The value is the number as written; the first of two equal numbers decides.
    item = Enum("0,a, 05,b,5,c", "0");
    ASSERT_TRUE(StepChoice(item, shown));
    EXPECT_EQ(item.value, " 05");
    EXPECT_EQ(shown, "b");
    ASSERT_TRUE(StepChoice(item, shown));
    EXPECT_EQ(item.value, "5");
    EXPECT_EQ(shown, "c");
    // 5 still matches " 05" first, so the step from it lands on "5" again.
    ASSERT_TRUE(StepChoice(item, shown));
    EXPECT_EQ(item.value, "5");
}

TEST(EditValues, ChoiceListsWithoutACompleteChoiceChangeNothing) {
    std::string shown = "untouched";
    for (const char* list : {"", "3", "0"}) {
        SettingItem item = Enum(list, "9");
        EXPECT_FALSE(StepChoice(item, shown)) << list;
        EXPECT_EQ(item.value, "9");
    }
    EXPECT_EQ(shown, "untouched");
    // A trailing number without a text is passed over: the list wraps before it.
    SettingItem odd = Enum("0,off,1,on,2", "1");
    ASSERT_TRUE(StepChoice(odd, shown));
    EXPECT_EQ(odd.value, "0");
    EXPECT_EQ(shown, "off");
}
