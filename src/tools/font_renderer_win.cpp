// GDI drawing of the font bitmap.
#include "tools/font_renderer_win.h"

#include "common/texts.h"
#include "common/wide.h"
#include "tools/font_bitmap.h"

bool RenderFontBitmap(HWND window, const LOGFONTW& font, const std::function<void(const char*)>& progress,
                      std::vector<std::uint8_t>& topDownBits) {
    HBITMAP bitmap = CreateBitmap(kFontBitmapSize, kFontBitmapSize, 1, 1, nullptr);
    HDC screen = GetDC(window);
    HDC dc = CreateCompatibleDC(screen);
    ReleaseDC(window, screen);
    HFONT hFont = CreateFontIndirectW(&font);
    if (bitmap == nullptr || dc == nullptr || hFont == nullptr) {
        if (hFont != nullptr) DeleteObject(hFont);
        if (dc != nullptr) DeleteDC(dc);
        if (bitmap != nullptr) DeleteObject(bitmap);
        return false;
    }
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    // The bitmap's first contents are undefined: paint it all white.
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(WHITE_BRUSH));
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(WHITE_PEN));
    Rectangle(dc, 0, 0, kFontBitmapSize, kFontBitmapSize);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);

    HGDIOBJ oldFont = SelectObject(dc, hFont);
    SetTextColor(dc, RGB(0, 0, 0));  // the colour chosen in the font dialog is not used
    SetBkMode(dc, TRANSPARENT);
    // Each code is drawn as the character code page 932 makes of it, never through the ANSI code
    // page or the font's character set, so the bitmap is the same on every system locale.
    const auto draw = [dc](const GlyphPlacement& glyph) {
        const std::wstring text = Wide(std::string_view(reinterpret_cast<const char*>(glyph.bytes), glyph.length));
        TextOutW(dc, glyph.x, glyph.y, text.c_str(), static_cast<int>(text.size()));
    };
    progress(texts::kRenderingAscii);
    ForEachAsciiGlyph(draw);
    progress(texts::kRenderingKanji1);
    ForEachKanjiGlyph(0x81, 0x9F, 16, draw);
    progress(texts::kRenderingKanji2);
    ForEachKanjiGlyph(0xE0, 0xED, 1008, draw);
    SelectObject(dc, oldFont);
    DeleteObject(hFont);
    SelectObject(dc, oldBitmap);
    DeleteDC(dc);

    topDownBits.assign(kFontBitsSize, 0);
    const LONG copied = GetBitmapBits(bitmap, static_cast<LONG>(kFontBitsSize), topDownBits.data());
    DeleteObject(bitmap);
    return copied == static_cast<LONG>(kFontBitsSize);
}
