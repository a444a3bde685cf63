// The main dialog moved to a monitor of another DPI: its layout, columns and icons are made again
// for it, and what the user was doing stays as it was.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <vector>

#include "app/launcher_fixture.h"
#include "support/scripted_services.h"

namespace {

std::vector<RECT> ControlRects(HWND dialog) {
    std::vector<RECT> rects;
    for (HWND control = GetWindow(dialog, GW_CHILD); control != nullptr; control = GetWindow(control, GW_HWNDNEXT)) {
        RECT rect;
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
        rects.push_back(rect);
    }
    return rects;
}

bool SameRects(const std::vector<RECT>& a, const std::vector<RECT>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (!EqualRect(&a[i], &b[i])) return false;
    }
    return true;
}

int ColumnWidth(HWND list, int column) { return static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, column, 0)); }

int IconWidth(HWND window, WPARAM which) {
    ICONINFO info = {};
    if (!GetIconInfo(reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, which, 0)), &info)) return 0;
    BITMAP bitmap = {};
    GetObjectW(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return bitmap.bmWidth;
}

// As the system tells a window that its monitor's DPI changed, with the place it suggests.
void ChangeDpi(HWND window, UINT dpi) {
    RECT place;
    GetWindowRect(window, &place);
    RECT suggested = {place.left, place.top, place.left + MulDiv(place.right - place.left, dpi, 96),
                      place.top + MulDiv(place.bottom - place.top, dpi, 96)};
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

}  // namespace

TEST_F(LauncherDialogTest, ADpiChangeRefitsTheDialogAndKeepsWhatTheUserWasDoing) {
    HDC screen = GetDC(nullptr);
    ASSERT_EQ(GetDeviceCaps(screen, LOGPIXELSY), 96) << "the test prefix runs at 100%";
    ReleaseDC(nullptr, screen);
    MakeFile(kEmulatorDir + "\\KMX.INI", "[KMX]\r\nFDD1=game.kfd\r\nSound=1\r\nMode=1\r\nName=" + Sjis("太郎") + "\r\n");
    WriteLauncherIni("[ORVANE Settings]\r\nKMXPath=" + kEmulatorDir + "\r\n" + kSchema);
    ScriptedServices services;
    ASSERT_NE(Start(), nullptr);
    const std::vector<RECT> at96 = ControlRects(Window());
    RECT client;
    GetClientRect(Window(), &client);
    const LONG widthAt96 = client.right;
    const int valueWidth = ColumnWidth(List(), 0);
    const int labelWidth = ColumnWidth(List(), 1);
    EXPECT_EQ(IconWidth(Window(), ICON_BIG), 32);
    EXPECT_EQ(IconWidth(Window(), ICON_SMALL), 16);

    // The user has typed a path, selected a row and is editing the name.
    SetText(Control(IDC_HDD1), "D:\\orvane\\typed.khd");
    ListView_SetItemState(List(), 2, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    SetFocus(List());
    SendMessageW(List(), LVM_EDITLABELW, 2, 0);
    ASSERT_NE(Editor(), nullptr);
    SetText(Editor(), Sjis("花子"));

    ChangeDpi(Window(), 144);
    PumpPending();
    // The list's columns are measured again in the larger font, and the icons are made at their new sizes.
    EXPECT_GT(ColumnWidth(List(), 0), valueWidth);
    EXPECT_GT(ColumnWidth(List(), 1), labelWidth);
    EXPECT_EQ(IconWidth(Window(), ICON_BIG), 48);
    EXPECT_EQ(IconWidth(Window(), ICON_SMALL), 24);
    GetClientRect(Window(), &client);
    EXPECT_GT(client.right, widthAt96 * 14 / 10);
    // Values, selection, the open editor with the focus and the path fields are as they were.
    EXPECT_EQ(ControlText(IDC_FDD1), "game.kfd");
    EXPECT_EQ(ControlText(IDC_HDD1), "D:\\orvane\\typed.khd");
    EXPECT_EQ(ListItemText(List(), 0, 0), Sjis("あり"));
    EXPECT_EQ(ListItemText(List(), 1, 0), "on");
    EXPECT_EQ(static_cast<int>(SendMessageW(List(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED)), 2);
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(GetFocus(), Editor());
    EXPECT_EQ(TextOf(Editor()), Sjis("花子"));
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(Editor(), WM_GETFONT, 0, 0)),
              reinterpret_cast<HFONT>(SendMessageW(List(), WM_GETFONT, 0, 0)));
    TypeIntoEditor(Sjis("花子"), VK_RETURN);
    EXPECT_EQ(ListItemText(List(), 2, 0), Sjis("花子"));

    // Back at 100% every control is where the template put it, and the columns as wide as at first.
    ChangeDpi(Window(), 96);
    PumpPending();
    EXPECT_TRUE(SameRects(ControlRects(Window()), at96));
    EXPECT_EQ(ColumnWidth(List(), 1), labelWidth);
    EXPECT_EQ(IconWidth(Window(), ICON_BIG), 32);
}
