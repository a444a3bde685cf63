// A hook library that the end-to-end driver puts into orvane.exe's window thread, to measure a
// dialog there: each static text and button caption with the control's own font (WM_GETFONT),
// laid out as Wine's controls draw them, and every pair of controls that overlap or leave the
// dialog. The driver sends the probe message with a global atom naming the report file.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

UINT ProbeMessage() {
    static const UINT message = RegisterWindowMessageW(L"ORVANE.TextFitProbe");
    return message;
}

std::string Utf8(const std::wstring& text) {
    std::string utf8(text.size() * 4 + 1, '\0');
    utf8.resize(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                                             utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr)));
    return utf8;
}

struct Measured {
    std::wstring className;
    bool measured = false;  // a text to measure
    SIZE needed = {};       // what the text takes, where the control draws it
    SIZE room = {};         // where the control draws it
};

// The text's size as DrawText lays it out in a box of the given width, in the control's font.
SIZE TextSize(HWND control, const std::wstring& text, UINT format, int width) {
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT box = {0, 0, width, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, format | DT_CALCRECT);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return {box.right, box.bottom};
}

int DpiOf(HWND control) {
    HDC dc = GetDC(control);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(control, dc);
    return dpi;
}

// Where Wine's static and button controls draw their texts (dlls/comctl32 static.c, button.c).
Measured Measure(HWND control) {
    Measured m;
    wchar_t className[64] = L"";
    GetClassNameW(control, className, 64);
    m.className = className;
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    const int length = GetWindowTextLengthW(control);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), length + 1)));
    RECT client;
    GetClientRect(control, &client);
    if (text.empty()) return m;
    if (lstrcmpiW(className, L"Static") == 0) {
        const LONG type = style & SS_TYPEMASK;
        if (type != SS_LEFT && type != SS_CENTER && type != SS_RIGHT && type != SS_LEFTNOWORDWRAP) return m;
        UINT format = DT_EXPANDTABS | ((style & SS_NOPREFIX) ? DT_NOPREFIX : 0);
        // A path ellipsis shortens the text to one line of its width: only that line's height counts.
        const bool ellipsis = (style & SS_ELLIPSISMASK) != 0;
        format |= ellipsis || type == SS_LEFTNOWORDWRAP ? DT_SINGLELINE : DT_WORDBREAK;
        m.measured = true;
        m.room = {client.right, client.bottom};
        m.needed = TextSize(control, text, format, client.right);
        if (ellipsis) m.needed.cx = 0;
        return m;
    }
    if (lstrcmpiW(className, L"Button") != 0) return m;
    const LONG type = style & BS_TYPEMASK;
    m.measured = true;
    if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) {
        const int edge = type == BS_DEFPUSHBUTTON ? 3 : 2;
        m.room = {client.right - 2 * edge, client.bottom - 2 * edge};
    } else if (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE ||
               type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON) {
        HDC dc = GetDC(control);
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
        int zero = 0;
        GetCharWidthW(dc, L'0', L'0', &zero);
        SelectObject(dc, old);
        ReleaseDC(control, dc);
        m.room = {client.right - (12 * DpiOf(control) / 96 + 1) - zero / 2, client.bottom};
    } else {
        m.measured = false;
        return m;
    }
    m.needed = TextSize(control, text, DT_SINGLELINE, m.room.cx);
    return m;
}

struct Child {
    HWND window;
    RECT rect;  // in the dialog's client area
};

BOOL CALLBACK CollectChild(HWND window, LPARAM parameter) {
    auto* children = reinterpret_cast<std::vector<Child>*>(parameter);
    if (!IsWindowVisible(window) || GetParent(window) != children->front().window) return TRUE;
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, children->front().window, reinterpret_cast<POINT*>(&rect), 2);
    children->push_back({window, rect});
    return TRUE;
}

// One line per control, then one per overlap and per control outside the dialog; a line that
// begins with "CUT", "OVERLAP" or "OUTSIDE" is a fault.
void Report(HWND dialog, FILE* out) {
    std::vector<Child> children = {{dialog, {}}};
    EnumChildWindows(dialog, CollectChild, reinterpret_cast<LPARAM>(&children));
    RECT client;
    GetClientRect(dialog, &client);
    std::fprintf(out, "dialog %ldx%ld at %d dpi\n", client.right, client.bottom, DpiOf(dialog));
    for (std::size_t i = 1; i < children.size(); ++i) {
        const Child& child = children[i];
        const Measured m = Measure(child.window);
        if (!m.measured) continue;
        const bool fits = m.needed.cx <= m.room.cx && m.needed.cy <= m.room.cy;
        wchar_t text[512] = L"";
        GetWindowTextW(child.window, text, 512);
        std::fprintf(out, "%s %d %s needs %ldx%ld in %ldx%ld at %ld,%ld %ldx%ld \"%s\"\n", fits ? "fits" : "CUT",
                     GetDlgCtrlID(child.window), Utf8(m.className).c_str(), m.needed.cx, m.needed.cy, m.room.cx,
                     m.room.cy, child.rect.left, child.rect.top, child.rect.right - child.rect.left,
                     child.rect.bottom - child.rect.top, Utf8(text).c_str());
    }
    for (std::size_t i = 1; i < children.size(); ++i) {
        const RECT& a = children[i].rect;
        if (a.left < 0 || a.top < 0 || a.right > client.right || a.bottom > client.bottom) {
            std::fprintf(out, "OUTSIDE %d\n", GetDlgCtrlID(children[i].window));
        }
        for (std::size_t j = i + 1; j < children.size(); ++j) {
            RECT both;
            if (IntersectRect(&both, &a, &children[j].rect)) {
                std::fprintf(out, "OVERLAP %d %d\n", GetDlgCtrlID(children[i].window), GetDlgCtrlID(children[j].window));
            }
        }
    }
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK TextFitProbeHook(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == ProbeMessage()) {
        wchar_t path[MAX_PATH] = L"";
        GlobalGetAtomNameW(static_cast<ATOM>(call->wParam), path, MAX_PATH);
        if (FILE* out = _wfopen(path, L"w")) {
            Report(call->hwnd, out);
            std::fclose(out);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
