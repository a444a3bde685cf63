// Measuring the dialogs' texts, and their layout at a DPI.
#include "framework/dialog_layout.h"

#include <algorithm>
#include <string>

#include "framework/dialog.h"

namespace {

// A control's text and its own font on a drawing surface, to measure the text as it is drawn.
class ControlText {
public:
    explicit ControlText(HWND control) : m_hControl(control), m_hDc(GetDC(control)), m_text(WideWindowText(control)) {
        const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
        m_hOld = SelectObject(m_hDc, font != nullptr ? font : GetStockObject(SYSTEM_FONT));
    }
    ~ControlText() {
        SelectObject(m_hDc, m_hOld);
        ReleaseDC(m_hControl, m_hDc);
    }
    ControlText(const ControlText&) = delete;
    ControlText& operator=(const ControlText&) = delete;

    bool Empty() const { return m_text.empty(); }
    // The text's extent as DrawText lays it out; a width only matters to a text that wraps.
    SIZE Extent(UINT format, int width = 0) const {
        RECT box = {0, 0, width, 0};
        DrawTextW(m_hDc, m_text.c_str(), static_cast<int>(m_text.size()), &box, format | DT_CALCRECT);
        return {box.right, box.bottom};
    }
    int LineHeight() const {
        TEXTMETRICW metrics;
        GetTextMetricsW(m_hDc, &metrics);
        return std::max(1, static_cast<int>(metrics.tmHeight));
    }
    int DigitWidth() const {
        int width = 0;
        GetCharWidth32W(m_hDc, L'0', L'0', &width);
        return width;
    }

private:
    HWND m_hControl;
    HDC m_hDc;
    std::wstring m_text;
    HGDIOBJ m_hOld = nullptr;
};

bool IsClass(HWND window, const wchar_t* name) {
    wchar_t className[32] = L"";
    GetClassNameW(window, className, 32);
    return lstrcmpiW(className, name) == 0;
}

// The size a static text or a button caption needs to show whole; nothing for other controls, for
// empty texts and for texts that shorten themselves to their width.
SIZE NeededSize(HWND control, UINT dpi) {
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    const ControlText text(control);
    if (text.Empty()) return {};
    if (IsClass(control, L"Static")) {
        const LONG type = style & SS_TYPEMASK;
        const bool plain = type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT || type == SS_LEFTNOWORDWRAP;
        if (!plain || (style & SS_ELLIPSISMASK) != 0) return {};
        const UINT format = DT_EXPANDTABS | ((style & SS_NOPREFIX) ? DT_NOPREFIX : 0);
        RECT client;
        GetClientRect(control, &client);
        // A box drawn for two lines or more keeps its width and grows down; one drawn for a
        // single line grows to the right.
        const int lines = (client.bottom + text.LineHeight() / 2) / text.LineHeight();
        if (type != SS_LEFTNOWORDWRAP && lines >= 2) return text.Extent(format | DT_WORDBREAK, client.right);
        return text.Extent(format | DT_SINGLELINE);
    }
    if (!IsClass(control, L"Button")) return {};
    const SIZE caption = text.Extent(DT_SINGLELINE);
    switch (style & BS_TYPEMASK) {
        case BS_PUSHBUTTON:
        case BS_DEFPUSHBUTTON: {
            // The 3-D edge and the focus rectangle inside it, on every side.
            const int edgeX = MetricForDpi(SM_CXEDGE, dpi) + MetricForDpi(SM_CXFOCUSBORDER, dpi);
            const int edgeY = MetricForDpi(SM_CYEDGE, dpi) + MetricForDpi(SM_CYFOCUSBORDER, dpi);
            return {caption.cx + 2 * edgeX, caption.cy + 2 * edgeY};
        }
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_3STATE:
        case BS_AUTO3STATE:
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON: {
            // The box, then a gap of half a digit before the text.
            const int box = MetricForDpi(SM_CXMENUCHECK, dpi);
            return {box + text.DigitWidth() / 2 + caption.cx, std::max<int>(MetricForDpi(SM_CYMENUCHECK, dpi), caption.cy)};
        }
        default:
            return {};
    }
}

// The dialog base units of a font, worked out as the dialog manager does: the average width of
// the Latin letters and the font's height.
SIZE BaseUnitsOf(HWND dialog, HFONT font) {
    static const wchar_t kLetters[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    HDC dc = GetDC(dialog);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    SIZE letters = {};
    GetTextExtentPoint32W(dc, kLetters, 52, &letters);
    SelectObject(dc, old);
    ReleaseDC(dialog, dc);
    return {(letters.cx / 26 + 1) / 2, metrics.tmHeight};
}

LayoutRect RectIn(HWND parent, HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

struct FontSwitch {
    HFONT from[2];
    HFONT to;
};

// Every window inside the dialog, the list view's header and an open label editor among them.
BOOL CALLBACK SwitchFont(HWND window, LPARAM parameter) {
    const auto* change = reinterpret_cast<const FontSwitch*>(parameter);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
    if (font != nullptr && (font == change->from[0] || font == change->from[1])) {
        SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(change->to), FALSE);
    }
    return TRUE;
}

}  // namespace

DialogLayout::~DialogLayout() {
    if (m_hFont != nullptr) DeleteObject(m_hFont);
}

void DialogLayout::Attach(HWND dialog) {
    m_hDialog = dialog;
    m_nDpi = m_nTemplateDpi = WindowDpi(dialog);
    m_hTemplateFont = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
    if (m_hTemplateFont != nullptr) GetObjectW(m_hTemplateFont, sizeof m_templateFont, &m_templateFont);
    // The base units the dialog manager placed the controls with.
    RECT base = {0, 0, 4, 8};
    MapDialogRect(dialog, &base);
    for (HWND control = GetWindow(dialog, GW_CHILD); control != nullptr; control = GetWindow(control, GW_HWNDNEXT)) {
        const LayoutRect rect = RectIn(dialog, control);
        m_controls.push_back({control,
                              {MulDiv(rect.left, 4, base.right), MulDiv(rect.top, 8, base.bottom),
                               MulDiv(rect.Width(), 4, base.right), MulDiv(rect.Height(), 8, base.bottom)}});
    }
    RECT client;
    GetClientRect(dialog, &client);
    m_clientUnits = {MulDiv(client.right, 4, base.right), MulDiv(client.bottom, 8, base.bottom)};
}

void DialogLayout::FitTexts() {
    std::vector<LayoutRect> places;
    for (const Placed& placed : m_controls) places.push_back(RectIn(m_hDialog, placed.control));
    RECT client;
    GetClientRect(m_hDialog, &client);
    Fit(places, client.right, client.bottom);
}

void DialogLayout::ChangeDpi(UINT dpi, const RECT& suggested) {
    if (m_hDialog == nullptr) return;
    SetWindowPos(m_hDialog, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    m_nDpi = dpi;
    const SIZE base = UseFontFor(dpi);
    std::vector<LayoutRect> places;
    for (const Placed& placed : m_controls) {
        const int left = MulDiv(placed.units.x, base.cx, 4);
        const int top = MulDiv(placed.units.y, base.cy, 8);
        places.push_back({left, top, left + MulDiv(placed.units.width, base.cx, 4),
                          top + MulDiv(placed.units.height, base.cy, 8)});
    }
    Fit(places, MulDiv(m_clientUnits.cx, base.cx, 4), MulDiv(m_clientUnits.cy, base.cy, 8));
    RedrawWindow(m_hDialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

SIZE DialogLayout::UseFontFor(UINT dpi) {
    HFONT font = m_hTemplateFont;
    if (dpi != m_nTemplateDpi && m_hTemplateFont != nullptr) {
        LOGFONTW scaled = m_templateFont;
        scaled.lfHeight = MulDiv(scaled.lfHeight, static_cast<int>(dpi), static_cast<int>(m_nTemplateDpi));
        scaled.lfWidth = MulDiv(scaled.lfWidth, static_cast<int>(dpi), static_cast<int>(m_nTemplateDpi));
        font = CreateFontIndirectW(&scaled);
    }
    if (font == nullptr) font = m_hTemplateFont;
    FontSwitch change = {{m_hTemplateFont, m_hFont}, font};
    EnumChildWindows(m_hDialog, SwitchFont, reinterpret_cast<LPARAM>(&change));
    // Nothing draws with the font of the previous DPI any more.
    if (m_hFont != nullptr && m_hFont != font) DeleteObject(m_hFont);
    m_hFont = font != m_hTemplateFont ? font : nullptr;
    return BaseUnitsOf(m_hDialog, font != nullptr ? font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT)));
}

void DialogLayout::Fit(const std::vector<LayoutRect>& places, int clientWidth, int clientHeight) {
    std::vector<LayoutControl> controls;
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        // Measured at its new place and size, since a wrapping text's height depends on its width.
        const LayoutRect& place = places[i];
        if (!(RectIn(m_hDialog, m_controls[i].control) == place)) {
            SetWindowPos(m_controls[i].control, nullptr, place.left, place.top, place.Width(), place.Height(),
                         SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
        }
        const SIZE needed = NeededSize(m_controls[i].control, m_nDpi);
        controls.push_back({place, static_cast<int>(needed.cx), static_cast<int>(needed.cy)});
    }
    const FittedLayout fitted = FitLayout(controls, clientWidth, clientHeight);
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        const LayoutRect& rect = fitted.rects[i];
        if (rect == places[i]) continue;
        SetWindowPos(m_controls[i].control, nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RECT client;
    GetClientRect(m_hDialog, &client);
    if (client.right != fitted.clientWidth || client.bottom != fitted.clientHeight) {
        const RECT frame = WindowRectForClient(m_hDialog, fitted.clientWidth, fitted.clientHeight, m_nDpi);
        SetWindowPos(m_hDialog, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}
