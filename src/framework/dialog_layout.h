// A dialog's controls laid out for the DPI it is shown at. At its start and after every DPI change
// each static text and button caption is measured with its own font, as the control draws it,
// and the dialog grows where one would be cut (FitLayout). A DPI change makes the dialog font again
// for the new DPI and puts every control back at its template place, in the template's dialog
// units, before fitting: the layout at a DPI is the same however the dialog got there.
#pragma once

#include <windows.h>

#include <vector>

#include "common/fit_layout.h"
#include "framework/dpi.h"

class DialogLayout {
public:
    DialogLayout() = default;
    ~DialogLayout();
    DialogLayout(const DialogLayout&) = delete;
    DialogLayout& operator=(const DialogLayout&) = delete;

    // Before initialisation, while every control is at its template place: notes the places, the
    // dialog font and the DPI.
    void Attach(HWND dialog);
    // Once the texts are set: grows what they do not fit.
    void FitTexts();
    // The dialog now shows at another DPI: it takes the place the system suggests, then its font
    // and layout for that DPI.
    void ChangeDpi(UINT dpi, const RECT& suggested);
    UINT Dpi() const { return m_nDpi; }

private:
    struct DialogUnits {
        int x, y, width, height;
    };
    struct Placed {
        HWND control;
        DialogUnits units;  // its template place
    };
    // Puts the controls at places (client pixels, in the order of m_controls), grown to fit.
    void Fit(const std::vector<LayoutRect>& places, int clientWidth, int clientHeight);
    // Gives every control the dialog font for a DPI; answers its dialog base units.
    SIZE UseFontFor(UINT dpi);

    HWND m_hDialog = nullptr;
    UINT m_nDpi = kBaseDpi;
    std::vector<Placed> m_controls;
    SIZE m_clientUnits = {};  // the client area's template size
    LOGFONTW m_templateFont = {};  // as the dialog manager made it, at m_nTemplateDpi
    UINT m_nTemplateDpi = kBaseDpi;
    HFONT m_hTemplateFont = nullptr;  // the dialog manager's, which it deletes itself
    HFONT m_hFont = nullptr;          // ours for another DPI; null while the template's serves
};
