// GDI drawing of the font bitmap.
#include "tools/font_renderer_win.h"

#include <algorithm>
#include <memory>
#include <string>
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

// One pass of the drawing: its progress text and its codes.
struct Pass {
    const char* progress;
    std::vector<GlyphPlacement> glyphs;
};

std::vector<Pass> Passes() {
    std::vector<Pass> passes = {{texts::kRenderingAscii, {}}, {texts::kRenderingKanji1, {}}, {texts::kRenderingKanji2, {}}};
    const auto into = [](Pass& pass) { return [&pass](const GlyphPlacement& glyph) { pass.glyphs.push_back(glyph); }; };
    ForEachAsciiGlyph(into(passes[0]));
    ForEachKanjiGlyph(0x81, 0x9F, 16, into(passes[1]));
    ForEachKanjiGlyph(0xE0, 0xED, 1008, into(passes[2]));
    return passes;
}

// The glyph indices of the selected font for every character of the text, in one look-up.
std::vector<std::uint16_t> GlyphsOf(HDC dc, const std::wstring& text) {
    std::vector<WORD> glyphs(text.size(), kMissingGlyph);
    GetGlyphIndicesW(dc, text.c_str(), static_cast<int>(text.size()), glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
    return std::vector<std::uint16_t>(glyphs.begin(), glyphs.end());
}

std::wstring FaceOf(HDC dc) {
    wchar_t face[LF_FACESIZE] = L"";
    GetTextFaceW(dc, LF_FACESIZE, face);
    return face;
}

}  // namespace

bool RenderFontBitmap(HWND window, const LOGFONTW& chosen, const std::function<void(const char*)>& progress,
                      std::vector<std::uint8_t>& topDownBits, FallbackUse& fallback) {
    const GdiObject<HBITMAP> bitmap(CreateBitmap(kFontBitmapSize, kFontBitmapSize, 1, 1, nullptr));
    // The face as chosen, in its own character set: the font mapper weighs the set above the face
    // name, so any other set would put another face in its place.
    const GdiObject<HFONT> font(CreateFontIndirectW(&chosen));
    // What the face lacks comes from the system's Japanese face at the same size and look.
    LOGFONTW japanese = chosen;
    japanese.lfCharSet = SHIFTJIS_CHARSET;
    japanese.lfFaceName[0] = L'\0';
    const GdiObject<HFONT> japaneseFont(CreateFontIndirectW(&japanese));
    HDC screen = GetDC(window);
    const MemoryDc dc(CreateCompatibleDC(screen));
    ReleaseDC(window, screen);
    if (bitmap == nullptr || dc == nullptr || font == nullptr || japaneseFont == nullptr) return false;

    // Each code is drawn as the character code page 932 makes of it, never through the ANSI code
    // page or the font's character set, so the bitmap is the same on every system locale.
    const std::vector<Pass> passes = Passes();
    std::wstring text;
    std::vector<std::size_t> bounds = {0};  // code i's characters are text[bounds[i]] up to text[bounds[i + 1]]
    fallback = {};
    for (const Pass& pass : passes) {
        for (const GlyphPlacement& glyph : pass.glyphs) {
            text += Wide(std::string_view(reinterpret_cast<const char*>(glyph.bytes), glyph.length));
            if (text.size() > bounds.back()) ++fallback.drawn;
            bounds.push_back(text.size());
        }
    }
    std::vector<bool> fromFallback(bounds.size() - 1, false);
    {
        const Selection chosenSelected(dc.get(), font.get());
        const std::vector<std::uint16_t> chosenGlyphs = GlyphsOf(dc.get(), text);
        const std::wstring chosenFace = FaceOf(dc.get());
        const Selection japaneseSelected(dc.get(), japaneseFont.get());
        const std::wstring japaneseFace = FaceOf(dc.get());
        const bool lacking = std::find(chosenGlyphs.begin(), chosenGlyphs.end(), kMissingGlyph) != chosenGlyphs.end();
        if (lacking && japaneseFace != chosenFace) {
            fromFallback = CodesFromFallback(bounds, chosenGlyphs, GlyphsOf(dc.get(), text));
            fallback.codes = static_cast<int>(std::count(fromFallback.begin(), fromFallback.end(), true));
            fallback.face = ExactTextOf(std::wstring_view(japaneseFace));
        }
    }
    {
        const Selection bitmapSelected(dc.get(), bitmap.get());
        {
            // The bitmap's first contents are undefined: paint it all white.
            const Selection brush(dc.get(), GetStockObject(WHITE_BRUSH));
            const Selection pen(dc.get(), GetStockObject(WHITE_PEN));
            Rectangle(dc.get(), 0, 0, kFontBitmapSize, kFontBitmapSize);
        }
        SetTextColor(dc.get(), RGB(0, 0, 0));  // the colour chosen in the font dialog is not used
        SetBkMode(dc.get(), TRANSPARENT);
        // Glyphs are only ever blackened, never erased, so drawing the fallback's codes after the
        // chosen face's gives the same picture as drawing each in its turn.
        std::size_t passStart = 0;
        for (const Pass& pass : passes) {
            progress(pass.progress);
            for (const bool inJapanese : {false, true}) {
                const Selection fontSelected(dc.get(), inJapanese ? japaneseFont.get() : font.get());
                std::size_t code = passStart;
                for (const GlyphPlacement& glyph : pass.glyphs) {
                    const int length = static_cast<int>(bounds[code + 1] - bounds[code]);
                    if (fromFallback[code] == inJapanese && length > 0) {
                        TextOutW(dc.get(), glyph.x, glyph.y, text.c_str() + bounds[code], length);
                    }
                    ++code;
                }
            }
            passStart += pass.glyphs.size();
        }
    }
    topDownBits.assign(kFontBitsSize, 0);
    const LONG copied = GetBitmapBits(bitmap.get(), static_cast<LONG>(kFontBitsSize), topDownBits.data());
    return copied == static_cast<LONG>(kFontBitsSize);
}
