// Under Wine: a 512 MiB hard-disk image through the new hard-disk dialog, timed from its OK to the
// image standing complete under its name; and a whole font bitmap generation, split into drawing
// and writing.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "common/file_io.h"
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
    bool ChooseScreenFont(HWND, LOGFONTW&) override { return false; }
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

    LOGFONTW font = {};
    font.lfHeight = -16;
    font.lfCharSet = SHIFTJIS_CHARSET;
    lstrcpyW(font.lfFaceName, L"IPAGothic");
    std::vector<std::uint8_t> bits;
    start = std::chrono::steady_clock::now();
    const bool drawn = RenderFontBitmap(GetDesktopWindow(), font, [](const char*) {}, bits);
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
