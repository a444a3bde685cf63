// The main dialog's image tools: new hard-disk images for HDD1 and HDD2, and the font bitmap.
#include "app/launcher_dialog.h"

#include <commdlg.h>

#include <cstdio>

#include "common/file_io.h"
#include "common/texts.h"
#include "framework/file_error_report.h"
#include "framework/services.h"
#include "tools/font_bitmap.h"
#include "tools/font_renderer_win.h"
#include "tools/new_hard_disk_dialog.h"

void LauncherDialog::CreateHardDisk(ImagePathEdit& field) {
    NewHardDiskDialog dialog(m_hWnd);
    if (dialog.DoModal() == IDOK) field.SetText(dialog.m_strFileName);
}

void LauncherDialog::OnNewHdd1() { CreateHardDisk(m_hdd1Edit); }

void LauncherDialog::OnNewHdd2() { CreateHardDisk(m_hdd2Edit); }

void LauncherDialog::OnNewFont() {
    ChosenFont chosen;
    if (!GetServices().ChooseScreenFont(m_hWnd, chosen)) return;
    // The glyphs take the chosen size at 100%, as the emulator's cells do, whatever DPI the font
    // dialog measured the font at.
    LOGFONTW font = chosen.description;
    if (chosen.pointSize > 0) {
        const int height = FontBitmapHeight(chosen.pointSize);
        if (font.lfHeight != 0) font.lfWidth = MulDiv(font.lfWidth, height, font.lfHeight);
        font.lfHeight = height;
    }
    FileDialogOptions options;
    options.open = false;
    options.owner = m_hWnd;
    options.fileName = "font.bmp";
    options.defaultExtension = "bmp";
    options.filter = "Bitmaps(*.bmp)|*.bmp|All files(*.*)|*.*||";
    options.flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    std::string path;
    if (!ChooseFile(options, path)) return;
    UpdateWindow(m_hWnd);

    // The field shows the progress; it gets its earlier text back when no file was written.
    const std::string previous = m_fontEdit.GetText();
    const auto showProgress = [this](const char* text) {
        m_fontEdit.SetText(text);
        UpdateWindow(m_fontEdit.GetSafeHwnd());
    };
    const auto restore = [&] {
        m_fontEdit.SetText(previous);
        SetCursor(LoadCursor(nullptr, IDC_ARROW));
    };
    // A target that cannot be written is reported before the rendering, not after it.
    fileio::AtomicFile file;
    fileio::FileError error = file.Open(path);
    if (error != fileio::FileError::None) {
        ShowMessage(m_hWnd, path + texts::kFileCouldNotOpen, MB_OK);
        return;
    }
    showProgress(texts::kInitialising);
    SetCursor(LoadCursor(nullptr, IDC_WAIT));
    std::vector<std::uint8_t> bits;
    FallbackUse fallback;
    if (!RenderFontBitmap(m_hWnd, font, showProgress, bits, fallback)) {
        restore();
        ShowMessage(m_hWnd, texts::kFontBitmapFailed, MB_OK | MB_ICONSTOP);
        return;
    }
    showProgress(texts::kSaving);
    error = WriteFontBitmap(file, bits.data());
    if (error == fileio::FileError::None) error = file.Commit();
    if (error != fileio::FileError::None) {
        restore();
        ReportFileError(m_hWnd, error, path);
        return;
    }
    showProgress(path.c_str());
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    if (fallback.codes > 0) {
        char counts[128];
        std::snprintf(counts, sizeof counts, texts::kDrawnFromFallback, fallback.drawn, fallback.codes);
        ShowMessage(m_hWnd, ExactText(path + counts) + fallback.face + texts::kDrawnFromFallbackEnd,
                    MB_OK | MB_ICONINFORMATION);
    }
}
