// Font bitmap layout and file.
#include "tools/font_bitmap.h"

namespace {

void Put16(std::uint8_t* at, std::uint16_t value) {
    at[0] = static_cast<std::uint8_t>(value);
    at[1] = static_cast<std::uint8_t>(value >> 8);
}

void Put32(std::uint8_t* at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace

void ForEachAsciiGlyph(const std::function<void(const GlyphPlacement&)>& draw) {
    // 255 codes: 0xFF would start at x = 2040 and is left out.
    for (int code = 0; 8 * code < kFontBitmapSize - 8; ++code) {
        draw({{static_cast<unsigned char>(code), 0}, code == 0 ? 0 : 1, 8 * code, 0});
    }
}

void ForEachKanjiGlyph(unsigned char firstLead, unsigned char lastLead, int baseX,
                       const std::function<void(const GlyphPlacement&)>& draw) {
    int x = baseX;
    for (int lead = firstLead; lead <= lastLead; ++lead) {
        int n = 0;
        for (int trail = 0x40; trail < 0xFD; ++trail) {
            if (trail == 0x7F) continue;
            draw({{static_cast<unsigned char>(lead), static_cast<unsigned char>(trail)}, 2, x + 16 * (n / 94),
                  16 * (33 + n % 94)});
            ++n;
        }
        x += 32;
    }
}

int FontBitmapHeight(int pointSize) {
    // 720 tenths of a point are an inch of 96 pixels, rounded to the nearest pixel as MulDiv does.
    constexpr int kTenthsPerInch = 720;
    constexpr int kPixelsPerInch = 96;
    return -((pointSize * kPixelsPerInch + kTenthsPerInch / 2) / kTenthsPerInch);
}

std::vector<bool> CodesFromFallback(const std::vector<std::size_t>& bounds, const std::vector<std::uint16_t>& chosen,
                                    const std::vector<std::uint16_t>& fallback) {
    std::vector<bool> fromFallback(bounds.empty() ? 0 : bounds.size() - 1, false);
    for (std::size_t code = 0; code < fromFallback.size(); ++code) {
        bool lacking = false;
        bool available = true;
        for (std::size_t unit = bounds[code]; unit < bounds[code + 1]; ++unit) {
            lacking = lacking || chosen[unit] == kMissingGlyph;
            available = available && fallback[unit] != kMissingGlyph;
        }
        fromFallback[code] = lacking && available;
    }
    return fromFallback;
}

std::array<std::uint8_t, kFontHeaderSize> FontBitmapHeader() {
    std::array<std::uint8_t, kFontHeaderSize> header = {};
    std::uint8_t* at = header.data();
    at[0] = 'B';
    at[1] = 'M';
    Put32(at + 2, static_cast<std::uint32_t>(kFontFileSize));
    Put32(at + 10, static_cast<std::uint32_t>(kFontHeaderSize));
    Put32(at + 14, 40);
    Put32(at + 18, kFontBitmapSize);
    Put32(at + 22, kFontBitmapSize);  // positive: the bottom row comes first
    Put16(at + 26, 1);
    Put16(at + 28, 1);
    Put32(at + 34, static_cast<std::uint32_t>(kFontBitsSize));
    // Colour 0 black (all zero), colour 1 white.
    at[58] = at[59] = at[60] = 0xFF;
    return header;
}

fileio::FileError WriteFontBitmap(fileio::OutputFile& file, const std::uint8_t* topDownBits) {
    const auto header = FontBitmapHeader();
    fileio::FileError error = file.Write(header.data(), 14);
    if (error == fileio::FileError::None) error = file.Write(header.data() + 14, 40);
    if (error == fileio::FileError::None) error = file.Write(header.data() + 54, 8);
    for (int row = kFontBitmapSize - 1; row >= 0 && error == fileio::FileError::None; --row) {
        error = file.Write(topDownBits + static_cast<std::size_t>(row) * kFontRowBytes, kFontRowBytes);
    }
    return error;
}
