// The dialog base and its message dispatch.
#include "framework/dialog.h"

#include <commctrl.h>

#include <exception>
#include <vector>

#include "common/texts.h"
#include "common/wide.h"
#include "framework/application.h"
#include "framework/services.h"

namespace {

// With the manifest's version 6 controls, even buttons and statics are comctl32's classes,
// which must be registered before the first dialog is made.
void EnsureCommonControls() {
    static const bool initialised = [] {
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
        return InitCommonControlsEx(&controls) != FALSE;
    }();
    (void)initialised;
}

}  // namespace

Dialog::Dialog(UINT templateId, HWND parent) : m_hParent(parent), m_nTemplate(templateId) {}

Dialog::~Dialog() {
    // A modeless dialog still open goes with its object.
    if (m_hWnd != nullptr && !m_bModal) DestroyWindow(m_hWnd);
}

INT_PTR Dialog::DoModal() {
    m_bModal = true;
    m_bEnded = false;
    EnsureCommonControls();
    // A dialog that names no owner belongs to the application's main window, which the modal
    // loop disables while it runs, so the launcher behind it takes no input.
    HWND owner = m_hParent;
    if (owner == nullptr && Application::Current() != nullptr) owner = Application::Current()->MainWindow();
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_nTemplate), owner, DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

HWND Dialog::Create() {
    m_bModal = false;
    m_bEnded = false;
    EnsureCommonControls();
    HWND window = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_nTemplate), m_hParent, DialogProc,
                                     reinterpret_cast<LPARAM>(this));
    // Initialisation may already have ended the dialog.
    if (window != nullptr && !m_bEnded) ShowWindow(window, SW_SHOW);
    return m_bEnded ? nullptr : window;
}

void Dialog::EndDialog(INT_PTR result) {
    m_nResult = result;
    m_bEnded = true;
    if (m_hWnd == nullptr) return;
    if (m_bModal) {
        ::EndDialog(m_hWnd, result);
    } else {
        DestroyWindow(m_hWnd);
    }
}

const Dialog::MessageMapEntry* Dialog::GetMessageMap() const {
    static const MessageMapEntry entries[] = {{MessageMapEntry::End, 0, 0, 0, nullptr, nullptr, nullptr, nullptr}};
    return entries;
}

LRESULT Dialog::Default() {
    m_bCallDefault = true;
    return 0;
}

std::wstring WideWindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::vector<wchar_t> text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    return std::wstring(text.data(), static_cast<std::size_t>(copied > 0 ? copied : 0));
}

void Dialog::SetItemText(int id, const std::string& text) { SetDlgItemTextW(m_hWnd, id, Wide(text).c_str()); }

void Dialog::SetItemText(int id, const std::wstring& text) { SetDlgItemTextW(m_hWnd, id, text.c_str()); }

void Dialog::SetTitle(const std::string& text) { SetWindowTextW(m_hWnd, Wide(text).c_str()); }

INT_PTR CALLBACK Dialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Dialog* dialog = nullptr;
    if (message == WM_INITDIALOG) {
        dialog = reinterpret_cast<Dialog*>(lParam);
        dialog->m_hWnd = window;
        SetWindowLongPtrW(window, DWLP_USER, lParam);
    } else {
        dialog = reinterpret_cast<Dialog*>(GetWindowLongPtrW(window, DWLP_USER));
    }
    if (dialog == nullptr) return FALSE;
    INT_PTR result = FALSE;
    // Nothing may throw into the window manager.
    try {
        result = dialog->Dispatch(message, wParam, lParam);
    } catch (const std::exception&) {
        ShowMessage(window, texts::kUnexpectedError, MB_OK | MB_ICONSTOP);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, DWLP_USER, 0);
        dialog->m_hWnd = nullptr;
    }
    return result;
}

bool Dialog::DispatchCommand(UINT code, UINT id) {
    for (const MessageMapEntry* entry = GetMessageMap(); entry->kind != MessageMapEntry::End; ++entry) {
        if (entry->code != code || id < entry->firstId || id > entry->lastId) continue;
        if (entry->kind == MessageMapEntry::Command) {
            (this->*entry->onCommand)();
            return true;
        }
        if (entry->kind == MessageMapEntry::CommandRange) {
            (this->*entry->onCommandRange)(id);
            return true;
        }
    }
    return false;
}

INT_PTR Dialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        TakeOverDpiChanges(m_hWnd);
        m_layout.Attach(m_hWnd);
        const BOOL focusDefault = OnInitDialog();
        // Fitted once its texts are set; one that its initialisation ended is never shown.
        if (!m_bEnded) m_layout.FitTexts();
        return focusDefault;
    }
    if (message == WM_DPICHANGED) {
        m_layout.ChangeDpi(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        OnDpiChanged();
        SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, 0);
        return TRUE;
    }
    if (message == WM_COMMAND) {
        const UINT id = LOWORD(wParam);
        const UINT code = HIWORD(wParam);
        // A control's wrapper sees the control's own notifications first.
        HWND control = reinterpret_cast<HWND>(lParam);
        if (control != nullptr && IsChild(m_hWnd, control)) SendMessageW(control, WM_REFLECTED_COMMAND, wParam, lParam);
        if (DispatchCommand(code, id)) return TRUE;
        if (code == BN_CLICKED && id == IDOK) {
            OnOK();
            return TRUE;
        }
        if (code == BN_CLICKED && id == IDCANCEL) {
            OnCancel();
            return TRUE;
        }
        return FALSE;
    }
    if (message == WM_NOTIFY) {
        NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
        for (const MessageMapEntry* entry = GetMessageMap(); entry->kind != MessageMapEntry::End; ++entry) {
            if (entry->kind == MessageMapEntry::Notify && entry->code == header->code &&
                header->idFrom >= entry->firstId && header->idFrom <= entry->lastId) {
                SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, (this->*entry->onNotify)(header));
                return TRUE;
            }
        }
        return FALSE;
    }
    for (const MessageMapEntry* entry = GetMessageMap(); entry->kind != MessageMapEntry::End; ++entry) {
        if (entry->kind != MessageMapEntry::Message || entry->code != message) continue;
        m_bCallDefault = false;
        const LRESULT result = (this->*entry->onMessage)(wParam, lParam);
        if (m_bCallDefault) return FALSE;
        // These messages answer through the dialog procedure's own result.
        if (message == WM_QUERYDRAGICON || (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)) {
            return static_cast<INT_PTR>(result);
        }
        SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, result);
        return TRUE;
    }
    return FALSE;
}
