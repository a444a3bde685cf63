// The DPI a window is shown at and the pixel sizes that follow from it. The per-monitor functions
// come with Windows 10; they are looked up when first asked for, so the program starts on 7 too.
#pragma once

#include <windows.h>

constexpr UINT kBaseDpi = 96;  // 100%: where dialog templates and the font bitmap's sizes are drawn

// The window's DPI: its monitor's under per-monitor awareness, else the system's.
UINT WindowDpi(HWND window);
// A system metric as it is at a DPI.
int MetricForDpi(int index, UINT dpi);
// The window rectangle, at the window's position, around a client area of that size at a DPI.
RECT WindowRectForClient(HWND window, int clientWidth, int clientHeight, UINT dpi);
// Tells the dialog manager to leave a dialog's DPI changes to the dialog itself, which lays its
// controls out from the template again (the manager would only scale what is there).
void TakeOverDpiChanges(HWND dialog);

// An icon of the program's resources at the size of a metric (SM_CXICON or SM_CXSMICON) for a
// DPI, made from its nearest larger picture; owned by the caller.
HICON LoadIconForDpi(int resourceId, int sizeMetric, UINT dpi);
