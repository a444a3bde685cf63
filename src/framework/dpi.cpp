// DPI look-ups, with the functions of older systems where the per-monitor ones are missing.
#include "framework/dpi.h"

namespace {

template <typename Function>
Function SystemFunction(const wchar_t* module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(module), name)));
}

template <typename Function>
Function User32Function(const char* name) {
    return SystemFunction<Function>(L"user32.dll", name);
}

UINT ScreenDpi(HWND window) {
    HDC dc = GetDC(window);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(window, dc);
    return dpi > 0 ? static_cast<UINT>(dpi) : kBaseDpi;
}

// The dialog manager's own handling of a DPI change (Windows 10 1703 on), switched off.
constexpr int kDisableAllDpiChanges = 1;  // DDC_DISABLE_ALL

}  // namespace

UINT WindowDpi(HWND window) {
    static const auto getDpiForWindow = User32Function<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
    // Wine answers 0, for a window that is drawn at its screen's DPI.
    const UINT dpi = getDpiForWindow != nullptr ? getDpiForWindow(window) : 0;
    return dpi != 0 ? dpi : ScreenDpi(window);
}

int MetricForDpi(int index, UINT dpi) {
    static const auto getSystemMetricsForDpi = User32Function<int(WINAPI*)(int, UINT)>("GetSystemMetricsForDpi");
    if (getSystemMetricsForDpi != nullptr) return getSystemMetricsForDpi(index, dpi);
    return MulDiv(GetSystemMetrics(index), static_cast<int>(dpi), static_cast<int>(ScreenDpi(nullptr)));
}

RECT WindowRectForClient(HWND window, int clientWidth, int clientHeight, UINT dpi) {
    static const auto adjustForDpi = User32Function<BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT)>("AdjustWindowRectExForDpi");
    RECT place;
    GetWindowRect(window, &place);
    RECT frame = {0, 0, clientWidth, clientHeight};
    const auto style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE));
    if (adjustForDpi == nullptr || !adjustForDpi(&frame, style, FALSE, exStyle, dpi)) {
        AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    }
    return {place.left, place.top, place.left + frame.right - frame.left, place.top + frame.bottom - frame.top};
}

void TakeOverDpiChanges(HWND dialog) {
    static const auto setBehavior = User32Function<BOOL(WINAPI*)(HWND, int, int)>("SetDialogDpiChangeBehavior");
    if (setBehavior != nullptr) setBehavior(dialog, kDisableAllDpiChanges, kDisableAllDpiChanges);
}

HICON LoadIconForDpi(int resourceId, int sizeMetric, UINT dpi) {
    // The common controls of the manifest's version 6 scale a larger picture down; LoadImage,
    // their stand-in, would scale the nearest one up or down.
    static const auto loadScaledDown =
        SystemFunction<HRESULT(WINAPI*)(HINSTANCE, PCWSTR, int, int, HICON*)>(L"comctl32.dll", "LoadIconWithScaleDown");
    const int size = MetricForDpi(sizeMetric, dpi);
    HICON icon = nullptr;
    if (loadScaledDown == nullptr ||
        FAILED(loadScaledDown(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId), size, size, &icon))) {
        icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId), IMAGE_ICON, size,
                                             size, LR_DEFAULTCOLOR));
    }
    return icon;
}
