// The font bitmap: where each code page 932 code is drawn in the 2048 x 2048 one-bit picture,
// and the BMP file it is saved as (always 524,350 bytes, rows bottom first).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "common/file_io.h"

constexpr int kFontBitmapSize = 2048;
constexpr std::size_t kFontRowBytes = kFontBitmapSize / 8;
constexpr std::size_t kFontBitsSize = kFontRowBytes * kFontBitmapSize;  // 524,288
constexpr std::size_t kFontHeaderSize = 14 + 40 + 8;
constexpr std::size_t kFontFileSize = kFontHeaderSize + kFontBitsSize;  // 524,350

// One code to draw: its bytes (one or two) and the top-left corner of its cell.
struct GlyphPlacement {
    unsigned char bytes[2];
    int length;
    int x;
    int y;
};

// The one-byte codes 0x00 to 0xFE along the top edge, 8 pixels apart.
void ForEachAsciiGlyph(const std::function<void(const GlyphPlacement&)>& draw);

// One kanji pass: first bytes firstLead to lastLead, second bytes 0x40 to 0xFC without 0x7F,
// two 16-pixel columns of 94 cells per first byte from baseX on, rows from y = 528.
void ForEachKanjiGlyph(unsigned char firstLead, unsigned char lastLead, int baseX,
                       const std::function<void(const GlyphPlacement&)>& draw);

// The pixel height of a font of pointSize tenths of a point at 100% (96 DPI), negative as the font
// functions take a character height. The emulator's cells are made for that scale, so the glyphs
// are drawn at it whatever DPI the font dialog measured the font at.
int FontBitmapHeight(int pointSize);

// The glyph index the platform gives a character that a face has no glyph for.
constexpr std::uint16_t kMissingGlyph = 0xFFFF;

// For each code, whose characters are the text units from bounds[i] up to bounds[i + 1], given
// their glyph indices in the chosen face and in the fallback face: true when the chosen face lacks
// one of them and the fallback face has them all, so the code is drawn from the fallback. A code
// that neither face has stays with the chosen one.
std::vector<bool> CodesFromFallback(const std::vector<std::size_t>& bounds, const std::vector<std::uint16_t>& chosen,
                                    const std::vector<std::uint16_t>& fallback);

// The 62 bytes before the pixel rows: file header, information header, black and white palette.
std::array<std::uint8_t, kFontHeaderSize> FontBitmapHeader();

// Writes the header in its three pieces, then the 2048 rows of topDownBits (rows top to bottom,
// as GetBitmapBits gives them) from the bottom row up, one write per row.
fileio::FileError WriteFontBitmap(fileio::OutputFile& file, const std::uint8_t* topDownBits);
