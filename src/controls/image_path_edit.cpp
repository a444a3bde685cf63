// The image path field.
#include "controls/image_path_edit.h"

#include <commctrl.h>
#include <shellapi.h>

#include "common/texts.h"
#include "common/wide.h"
#include "framework/dialog.h"
#include "framework/services.h"

namespace {
constexpr UINT_PTR kSubclassId = 1;
}

ExactText TakeDroppedFile(HDROP drop) {
    wchar_t path[MAX_PATH] = L"";
    const UINT length = DragQueryFileW(drop, 0, path, MAX_PATH);
    DragFinish(drop);
    return length > 0 ? ExactTextOf(std::wstring_view(path)) : ExactText();
}

ImagePathEdit::~ImagePathEdit() {
    if (m_hWnd != nullptr) RemoveWindowSubclass(m_hWnd, SubclassProc, kSubclassId);
}

void ImagePathEdit::Attach(HWND dialog, int id) {
    m_hWnd = GetDlgItem(dialog, id);
    m_strAccepted = WideWindowText(m_hWnd);
    SetWindowSubclass(m_hWnd, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    DragAcceptFiles(m_hWnd, TRUE);
}

ExactText ImagePathEdit::GetExactText() const {
    const std::wstring shown = WideWindowText(m_hWnd);
    return shown == Wide(m_given) ? m_given : ExactTextOf(std::wstring_view(shown));
}

void ImagePathEdit::SetText(const ExactText& text) {
    m_given = text;
    m_strAccepted = Wide(text);
    SetWindowTextW(m_hWnd, m_strAccepted.c_str());
}

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
        case WM_REFLECTED_COMMAND:
            if (HIWORD(wParam) == EN_CHANGE) edit->OnChange();
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
    const ExactText dropped = TakeDroppedFile(drop);
    if (dropped.cp932.empty()) return;
    if (dropped.exact.empty()) {
        SetText(dropped);
    } else {
        ReportPathBeyondCp932(GetParent(m_hWnd), dropped);
    }
}

void ImagePathEdit::OnDoubleClick() {
    FileDialogOptions options;
    options.open = m_bOpen != FALSE;
    options.owner = GetParent(m_hWnd);
    options.fileName = GetExactText();
    options.defaultExtension = m_strDefExt;
    options.filter = m_strFilter;
    options.flags = m_dwFlags;
    std::string chosen;
    if (ChooseFile(options, chosen)) {
        m_strChosenPath = chosen;
        SetText(chosen);
    }
    SetFocus(m_hWnd);
}

void ImagePathEdit::OnChange() {
    const std::wstring shown = WideWindowText(m_hWnd);
    std::string cp932;
    if (shown == m_strAccepted) return;
    if (shown == Wide(m_given) || Narrow(shown, cp932)) {
        m_strAccepted = shown;
        return;
    }
    // Typed or pasted characters that code page 932 cannot hold never stay in the field.
    SetWindowTextW(m_hWnd, m_strAccepted.c_str());
    SendMessageW(m_hWnd, EM_SETSEL, m_strAccepted.size(), m_strAccepted.size());
    ShowMessage(GetParent(m_hWnd), texts::kTypedTextBeyondCp932, MB_OK | MB_ICONSTOP);
}
