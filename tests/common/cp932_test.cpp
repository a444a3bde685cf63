// Code page 932 stepping, separator search and case folding, and what it cannot hold.
#include "common/cp932.h"

#include <gtest/gtest.h>

#include "common/exact_text.h"
#include "common/text_encoding.h"

#include "support/cp932_literal.h"

using cp932::CharLength;
using cp932::CutAtLastBackslash;
using cp932::EqualsIgnoreCase;
using cp932::FindChar;
using cp932::FindLastChar;

TEST(Cp932Text, SecondBytesThatLookLikeSeparatorsAreNeverSeparators) {
    // ソ and 表 end in 0x5C, ポ in 0x7C, ゾ in 0x5D.
    const std::string text = Sjis("ソ表ポゾ") + "\\|]";
    EXPECT_EQ(FindChar(text, '\\'), 8u);
    EXPECT_EQ(FindChar(text, '|'), 9u);
    EXPECT_EQ(FindChar(text, ']'), 10u);
    EXPECT_EQ(FindChar(Sjis("ソ表"), '\\'), std::string::npos);
    EXPECT_EQ(FindLastChar(Sjis("a\\ソ"), '\\'), 1u);
    EXPECT_EQ(FindChar("a|b|c", '|', 2), 3u);
}

TEST(Cp932Text, TruncatedAndInvalidSequencesStayInsideTheText) {
    const std::string loneLead = "ab\x83";
    EXPECT_EQ(CharLength(loneLead, 2), 1u);
    EXPECT_EQ(FindChar(loneLead, '\\'), std::string::npos);
    // A lead byte before a byte that cannot end a pair stands alone; the next byte is seen.
    const std::string leadBeforeSeparator = "\x83=x";
    EXPECT_EQ(CharLength(leadBeforeSeparator, 0), 1u);
    EXPECT_EQ(FindChar(leadBeforeSeparator, '='), 1u);
    EXPECT_EQ(CharLength(std::string_view("\x83", 1), 0), 1u);
    // Half-width katakana are single bytes.
    EXPECT_EQ(CharLength(Sjis("ｱ"), 0), 1u);
}

TEST(Cp932Text, CaseFoldingComparesDoubleByteCharactersWhole) {
    EXPECT_TRUE(EqualsIgnoreCase("KMX.EXE", "kmx.exe"));
    // Only ASCII letters fold; full-width and Greek letters stay distinct.
    EXPECT_FALSE(EqualsIgnoreCase(Sjis("ＫＭＸ"), Sjis("ｋｍｘ")));
    EXPECT_FALSE(EqualsIgnoreCase(Sjis("Α"), Sjis("α")));
    EXPECT_TRUE(EqualsIgnoreCase(Sjis("表.EXE"), Sjis("表.exe")));
    // ア is 0x83 0x41: folding its trail byte 'A' would turn it into 0x83 0x61, another character.
    EXPECT_FALSE(EqualsIgnoreCase(Sjis("ア"), "\x83\x61"));
    EXPECT_FALSE(EqualsIgnoreCase("KMX.EXE", "KMX.EX"));
    EXPECT_FALSE(EqualsIgnoreCase(Sjis("ソ"), Sjis("ポ")));
    EXPECT_EQ(cp932::HashIgnoreCase(Sjis("Key表A")), cp932::HashIgnoreCase(Sjis("kEY表a")));
}

TEST(Cp932Text, CutAtLastBackslashCutsOnlyAtRealBackslashes) {
    std::string path = Sjis("C:\\表示\\ソフト\\KMX.EXE");
    EXPECT_NE(CutAtLastBackslash(path), std::string::npos);
    EXPECT_EQ(path, Sjis("C:\\表示\\ソフト"));

    std::string noSeparator = Sjis("表ソ");
    EXPECT_EQ(CutAtLastBackslash(noSeparator), std::string::npos);
    EXPECT_EQ(noSeparator, Sjis("表ソ"));

    std::string root = "D:\\KMX.EXE";
    EXPECT_EQ(CutAtLastBackslash(root), 2u);
    EXPECT_EQ(root, "D:");
}

TEST(Cp932Text, TextsThatCodePage932CannotHoldAreToldApartAndKeptExactly) {
    // Refused as paths, kept whole as values of a marked file.
    for (const std::u16string text : {u"C:\\Users\\Zoë\\disk.kfd", u"D:\\€\\a.kfd", u"café ☃ 日本", u"😀"}) {
        std::string cp932;
        EXPECT_FALSE(textenc::HeldByCp932(text, cp932));
        const ExactText exact = ExactTextOf(text);
        EXPECT_EQ(exact.exact, text);
        EXPECT_EQ(CharactersOf(exact), text);
    }
    // Held: the very bytes code page 932 gives them, with no exact form beside them.
    std::string cp932;
    EXPECT_TRUE(textenc::HeldByCp932(u"D:\\表\\ソ.khd", cp932));
    EXPECT_EQ(cp932, Sjis("D:\\表\\ソ.khd"));
    EXPECT_EQ(ExactTextOf(u"ｱ＝≒"), (ExactText{Sjis("ｱ＝≒"), {}}));
}
