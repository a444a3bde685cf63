// Under Wine: a 512 MiB hard-disk image through the new hard-disk dialog, timed from its OK to the
// image standing complete under its name; the font bitmap's drawing against a bare drawing loop;
// and a whole font bitmap generation, split into drawing and writing.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "common/file_io.h"
#include "common/wide.h"
#include "framework/services.h"
#include "resource.h"
#include "tools/font_bitmap.h"
#include "tools/font_renderer_win.h"
#include "tools/new_hard_disk_dialog.h"

namespace {

// Answers every question with Yes; nothing else is asked for here.
class YesServices : public Services {
public:
    int ShowMessage(HWND, const ExactText&, UINT type) override { return (type & MB_YESNO) ? IDYES : IDOK; }
    bool ChooseFile(const FileDialogOptions&, ExactText&) override { return false; }
    bool ChooseScreenFont(HWND, ChosenFont&) override { return false; }
    void OpenWithShell(HWND, const ExactText&, const ExactText&) override {}
    bool StartProcess(const std::string&, const std::string&, HANDLE&) override { return false; }
    DWORD WaitForProcessEnd(HWND, HANDLE) override { return 0; }
    bool RemoveFile(const std::string&) override { return false; }
    ExactText DesktopFolder() override { return {}; }
    bool SaveShortcut(const Shortcut&) override { return false; }
};

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

LOGFONTW FontOf(const wchar_t* face) {
    LOGFONTW font = {};
    font.lfHeight = -16;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpyW(font.lfFaceName, face);
    return font;
}

// The baseline: every code converted and drawn in one font, the bits copied out, nothing else.
bool DrawBare(const LOGFONTW& description, std::vector<std::uint8_t>& bits) {
    HBITMAP bitmap = CreateBitmap(kFontBitmapSize, kFontBitmapSize, 1, 1, nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    HFONT font = CreateFontIndirectW(&description);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    HGDIOBJ oldFont = SelectObject(dc, font);
    PatBlt(dc, 0, 0, kFontBitmapSize, kFontBitmapSize, WHITENESS);
    SetBkMode(dc, TRANSPARENT);
    const auto draw = [dc](const GlyphPlacement& glyph) {
        const std::wstring text = Wide(std::string_view(reinterpret_cast<const char*>(glyph.bytes), glyph.length));
        TextOutW(dc, glyph.x, glyph.y, text.c_str(), static_cast<int>(text.size()));
    };
    ForEachAsciiGlyph(draw);
    ForEachKanjiGlyph(0x81, 0x9F, 16, draw);
    ForEachKanjiGlyph(0xE0, 0xED, 1008, draw);
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    bits.assign(kFontBitsSize, 0);
    const bool copied = GetBitmapBits(bitmap, static_cast<LONG>(kFontBitsSize), bits.data()) == static_cast<LONG>(kFontBitsSize);
    DeleteObject(font);
    DeleteDC(dc);
    DeleteObject(bitmap);
    return copied;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;  // image_tools_bench IMAGE_PATH [FONT_PATH]
    YesServices services;
    SetServices(&services);

    NewHardDiskDialog dialog;
    dialog.Create();
    SetDlgItemTextA(dialog.GetSafeHwnd(), IDC_HDD_FILE_NAME, argv[1]);
    SetDlgItemTextA(dialog.GetSafeHwnd(), IDC_HDD_SIZE, "512");
    auto start = std::chrono::steady_clock::now();
    SendMessageW(dialog.GetSafeHwnd(), WM_COMMAND, IDOK, 0);
    MSG message;
    while (dialog.IsWriting() && GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    const bool imageDone = dialog.IsEnded();
    std::printf("new hard-disk dialog, 512 MiB: %.0f ms (%s)\n", 1000 * SecondsSince(start), imageDone ? "done" : "FAILED");
    if (argc < 3) return imageDone ? 0 : 1;

    // The font bitmap of a face with every character (IPA Gothic) and of one that lacks the
    // Japanese ones (DejaVu Sans Mono), against a bare drawing of the same codes in one font with
    // nothing looked up; taking turns, seven rounds, every round printed.
    std::vector<double> bare, gothic, mono;
    bool drawn = true;
    for (int round = 0; round < 7; ++round) {
        const auto timeOf = [&](const wchar_t* face, bool lookUp) {
            const LOGFONTW font = FontOf(face);
            std::vector<std::uint8_t> bits;
            FallbackUse fallback;
            const auto begin = std::chrono::steady_clock::now();
            drawn = (lookUp ? RenderFontBitmap(GetDesktopWindow(), font, [](const char*) {}, bits, fallback)
                            : DrawBare(font, bits)) && drawn;
            return SecondsSince(begin);
        };
        if (round % 2 == 0) bare.push_back(timeOf(L"IPAGothic", false));
        gothic.push_back(timeOf(L"IPAGothic", true));
        mono.push_back(timeOf(L"DejaVu Sans Mono", true));
        if (round % 2 == 1) bare.push_back(timeOf(L"IPAGothic", false));
        std::printf("font bitmap round %d: bare drawing %.3f s, IPA Gothic %.3f s, DejaVu Sans Mono %.3f s\n", round + 1,
                    bare.back(), gothic.back(), mono.back());
    }
    std::printf("font bitmap drawing, medians of 7: bare drawing %.3f s (baseline), IPA Gothic %.3f s (%.2fx), "
                "DejaVu Sans Mono with the Japanese face's %.3f s (%.2fx)%s\n",
                Median(bare), Median(gothic), Median(gothic) / Median(bare), Median(mono), Median(mono) / Median(bare),
                drawn ? "" : " FAILED");

    LOGFONTW font = FontOf(L"IPAGothic");
    std::vector<std::uint8_t> bits;
    FallbackUse fallback;
    start = std::chrono::steady_clock::now();
    drawn = RenderFontBitmap(GetDesktopWindow(), font, [](const char*) {}, bits, fallback) && drawn;
    const double drawing = SecondsSince(start);
    start = std::chrono::steady_clock::now();
    fileio::AtomicFile file;
    fileio::FileError error = file.Open(argv[2]);
    if (error == fileio::FileError::None) error = WriteFontBitmap(file, bits.data());
    if (error == fileio::FileError::None) error = file.Commit();
    const double writing = SecondsSince(start);
    std::printf("font bitmap: %.3f s in all: drawing %.3f s (%.0f%%), writing %.3f s (%.0f%%)%s\n", drawing + writing,
                drawing, 100 * drawing / (drawing + writing), writing, 100 * writing / (drawing + writing),
                drawn && error == fileio::FileError::None ? "" : " FAILED");
    return imageDone && drawn && error == fileio::FileError::None ? 0 : 1;
}
