// GDI drawing of the font bitmap.
#include "tools/font_renderer_win.h"

#include <memory>
#include <type_traits>

#include "common/texts.h"
#include "common/wide.h"
#include "tools/font_bitmap.h"

namespace {

template <auto Free>
struct FreedBy {
    template <typename Handle>
    void operator()(Handle handle) const { Free(handle); }
};
template <typename Handle>
using GdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, FreedBy<DeleteObject>>;
using MemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, FreedBy<DeleteDC>>;

// An object selected into a drawing surface for a scope; the one it replaced comes back at its end.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : m_hDc(dc), m_hOld(SelectObject(dc, object)) {}
    ~Selection() { SelectObject(m_hDc, m_hOld); }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC m_hDc;
    HGDIOBJ m_hOld;
};

}  // namespace

bool RenderFontBitmap(HWND window, const LOGFONTW& chosen, const std::function<void(const char*)>& progress,
                      std::vector<std::uint8_t>& topDownBits) {
    // The font as the dialog chose it, in the Japanese character set whatever script the dialog
    // showed: the dialog hands back the system locale's script (ANSI under code page 1252, Shift
    // JIS under 932), and the font mapper may take another font for another set.
    LOGFONTW japanese = chosen;
    japanese.lfCharSet = SHIFTJIS_CHARSET;
    const GdiObject<HBITMAP> bitmap(CreateBitmap(kFontBitmapSize, kFontBitmapSize, 1, 1, nullptr));
    const GdiObject<HFONT> font(CreateFontIndirectW(&japanese));
    HDC screen = GetDC(window);
    const MemoryDc dc(CreateCompatibleDC(screen));
    ReleaseDC(window, screen);
    if (bitmap == nullptr || dc == nullptr || font == nullptr) return false;
    {
        const Selection bitmapSelected(dc.get(), bitmap.get());
        {
            // The bitmap's first contents are undefined: paint it all white.
            const Selection brush(dc.get(), GetStockObject(WHITE_BRUSH));
            const Selection pen(dc.get(), GetStockObject(WHITE_PEN));
            Rectangle(dc.get(), 0, 0, kFontBitmapSize, kFontBitmapSize);
        }
        const Selection fontSelected(dc.get(), font.get());
        SetTextColor(dc.get(), RGB(0, 0, 0));  // the colour chosen in the font dialog is not used
        SetBkMode(dc.get(), TRANSPARENT);
        // Each code is drawn as the character code page 932 makes of it, never through the ANSI
        // code page or the font's character set, so the bitmap is the same on every system locale.
        const auto draw = [&dc](const GlyphPlacement& glyph) {
            const std::wstring text = Wide(std::string_view(reinterpret_cast<const char*>(glyph.bytes), glyph.length));
            TextOutW(dc.get(), glyph.x, glyph.y, text.c_str(), static_cast<int>(text.size()));
        };
        progress(texts::kRenderingAscii);
        ForEachAsciiGlyph(draw);
        progress(texts::kRenderingKanji1);
        ForEachKanjiGlyph(0x81, 0x9F, 16, draw);
        progress(texts::kRenderingKanji2);
        ForEachKanjiGlyph(0xE0, 0xED, 1008, draw);
    }
    topDownBits.assign(kFontBitsSize, 0);
    const LONG copied = GetBitmapBits(bitmap.get(), static_cast<LONG>(kFontBitsSize), topDownBits.data());
    return copied == static_cast<LONG>(kFontBitsSize);
}
