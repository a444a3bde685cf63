// Where each code is drawn in the font bitmap, and the file's layout.
#include "tools/font_bitmap.h"

#include <gtest/gtest.h>

#include <map>

namespace {

std::map<int, std::pair<int, int>> Placements(const std::function<void(const std::function<void(const GlyphPlacement&)>&)>& pass) {
    std::map<int, std::pair<int, int>> placements;
    pass([&](const GlyphPlacement& glyph) {
        const int code = glyph.length == 2 ? (glyph.bytes[0] << 8) | glyph.bytes[1] : glyph.bytes[0];
        placements[code] = {glyph.x, glyph.y};
    });
    return placements;
}

class MemoryFile : public fileio::OutputFile {
public:
    fileio::FileError Write(const void* data, std::size_t size) override {
        bytes.append(static_cast<const char*>(data), size);
        writes.push_back(size);
        return fileio::FileError::None;
    }
    std::string bytes;
    std::vector<std::size_t> writes;
};

}  // namespace

TEST(FontBitmapLayout, CodesLandInTheirCells) {
    const auto ascii = Placements(ForEachAsciiGlyph);
    EXPECT_EQ(ascii.size(), 255u);
    EXPECT_EQ(ascii.at('A'), std::make_pair(520, 0));
    EXPECT_EQ(ascii.at(0xFE), std::make_pair(2032, 0));
    EXPECT_EQ(ascii.count(0xFF), 0u);

    const auto first = Placements([](const auto& draw) { ForEachKanjiGlyph(0x81, 0x9F, 16, draw); });
    const auto second = Placements([](const auto& draw) { ForEachKanjiGlyph(0xE0, 0xED, 1008, draw); });
    EXPECT_EQ(first.size(), 31u * 188u);
    EXPECT_EQ(second.size(), 14u * 188u);
    EXPECT_EQ(ascii.size() + first.size() + second.size(), 8715u);
    EXPECT_EQ(first.at(0x82A0), std::make_pair(64, 544));     // あ, row 4 cell 2
    EXPECT_EQ(first.at(0x889F), std::make_pair(256, 528));    // 亜, row 16 cell 1
    EXPECT_EQ(first.at(0x8140), std::make_pair(16, 528));
    EXPECT_EQ(first.at(0x9FFC), std::make_pair(1008 - 16, 2016));
    EXPECT_EQ(second.at(0xE040), std::make_pair(1008, 528));  // row 63 cell 1
    EXPECT_EQ(second.at(0xEDFC), std::make_pair(1440, 2016)); // row 90 cell 94
    EXPECT_EQ(first.count(0x817F) + first.count(0x81FD), 0u);
}

TEST(FontBitmapFile, HeaderAndRowsBottomFirst) {
    std::vector<std::uint8_t> bits(kFontBitsSize);
    for (int row = 0; row < kFontBitmapSize; ++row) bits[row * kFontRowBytes] = static_cast<std::uint8_t>(row);
    MemoryFile file;
    ASSERT_EQ(WriteFontBitmap(file, bits.data()), fileio::FileError::None);
    ASSERT_EQ(file.bytes.size(), 524350u);
    EXPECT_EQ(file.writes.size(), 3u + 2048u);
    EXPECT_EQ(file.writes[0], 14u);
    EXPECT_EQ(file.writes[1], 40u);
    EXPECT_EQ(file.writes[2], 8u);
    EXPECT_EQ(file.bytes.substr(0, 2), "BM");
    EXPECT_EQ(static_cast<std::uint8_t>(file.bytes[62]), static_cast<std::uint8_t>(2047 & 0xFF));  // bottom row first
    EXPECT_EQ(static_cast<std::uint8_t>(file.bytes[62 + 256 * 2047]), 0);                         // top row last
    const std::string palette = file.bytes.substr(54, 8);
    EXPECT_EQ(palette, std::string("\0\0\0\0\xFF\xFF\xFF\0", 8));
}

TEST(FontBitmapSize, PointsAreTakenAtOneHundredPercent) {
    EXPECT_EQ(FontBitmapHeight(120), -16);  // 12 points: the emulator's 16-pixel cells
    EXPECT_EQ(FontBitmapHeight(90), -12);
    EXPECT_EQ(FontBitmapHeight(180), -24);
    EXPECT_EQ(FontBitmapHeight(110), -15);  // 14.67 pixels, rounded as the platform's MulDiv rounds
    EXPECT_EQ(FontBitmapHeight(105), -14);
}

TEST(FontBitmapFallback, OnlyCodesTheChosenFaceLacksAndTheFallbackHasComeFromIt) {
    constexpr std::uint16_t none = kMissingGlyph;
    // Codes: the empty one (code 0), one the chosen face has, one only the fallback has, one
    // neither has, a two-unit one the chosen face lacks half of, and one the fallback has half of.
    const std::vector<std::size_t> bounds = {0, 0, 1, 2, 3, 5, 7};
    const std::vector<std::uint16_t> chosen = {7, none, none, 9, none, none, 4};
    const std::vector<std::uint16_t> fallback = {7, 8, none, 3, 3, 5, none};
    EXPECT_EQ(CodesFromFallback(bounds, chosen, fallback), (std::vector<bool>{false, false, true, false, true, false}));
    // A face with every character takes nothing from the fallback.
    EXPECT_EQ(CodesFromFallback(bounds, fallback, fallback), std::vector<bool>(6, false));
}
