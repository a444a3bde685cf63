// The image path field.
#include "controls/image_path_edit.h"

#include <commctrl.h>
#include <shellapi.h>

#include "framework/dialog.h"
#include "framework/services.h"

namespace {
constexpr UINT_PTR kSubclassId = 1;
}

ImagePathEdit::~ImagePathEdit() {
    if (m_hWnd != nullptr) RemoveWindowSubclass(m_hWnd, SubclassProc, kSubclassId);
}

void ImagePathEdit::Attach(HWND dialog, int id) {
    m_hWnd = GetDlgItem(dialog, id);
    SetWindowSubclass(m_hWnd, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    DragAcceptFiles(m_hWnd, TRUE);
}

std::string ImagePathEdit::GetText() const { return WindowText(m_hWnd); }

void ImagePathEdit::SetText(const std::string& text) { SetWindowTextA(m_hWnd, text.c_str()); }

LRESULT CALLBACK ImagePathEdit::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                             DWORD_PTR data) {
    ImagePathEdit* edit = reinterpret_cast<ImagePathEdit*>(data);
    switch (message) {
        case WM_DROPFILES:
            edit->OnDropFiles(reinterpret_cast<HDROP>(wParam));
            return 0;
        case WM_LBUTTONDBLCLK:
            // Replaces the edit control's own word selection.
            edit->OnDoubleClick();
            return 0;
        case WM_NCDESTROY:
            RemoveWindowSubclass(window, SubclassProc, kSubclassId);
            edit->m_hWnd = nullptr;
            break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

void ImagePathEdit::OnDropFiles(HDROP drop) {
    // Only the first file of a drop is taken; neither its kind nor its existence is checked.
    char path[MAX_PATH] = "";
    if (DragQueryFileA(drop, 0, path, MAX_PATH) > 0) SetText(path);
    DragFinish(drop);
}

void ImagePathEdit::OnDoubleClick() {
    FileDialogOptions options;
    options.open = m_bOpen != FALSE;
    options.owner = GetParent(m_hWnd);
    options.fileName = GetText();
    options.defaultExtension = m_strDefExt;
    options.filter = m_strFilter;
    options.flags = m_dwFlags;
    std::string chosen;
    if (GetServices().ChooseFile(options, chosen)) {
        m_strChosenPath = chosen;
        SetText(chosen);
    }
    SetFocus(m_hWnd);
}
