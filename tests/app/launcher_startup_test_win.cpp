// The main dialog's start-up and end: options, schema, emulator check, title, erase button,
// the first load of KMX.INI, the about box, and the options stored when it closes.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>

#include "app/launcher_fixture.h"
#include "common/paths.h"
#include "common/texts.h"
#include "resource.h"
#include "support/cp932_literal.h"
#include "support/dialog_driver.h"
#include "support/scripted_services.h"
#include "support/win_files.h"


TEST_F(LauncherDialogTest, FirstStartSearchesAndOpensWithDefaults) {
    ScriptedServices services;
    services.AnswerMessage(IDOK);  // KMX.INI is missing
    ASSERT_NE(Start(), nullptr);
    EXPECT_TRUE(Checked(IDC_LEGACY));
    EXPECT_TRUE(Checked(IDC_WAIT_CHECK));
    EXPECT_EQ(ListItemCount(Control(IDC_SETTINGS)), 0);
    EXPECT_EQ(m_dialog->m_strEmulatorDir, kEmulatorDir);
    EXPECT_EQ(TextOf(Window()), "KMX Luncher - " + kEmulatorDir + "\\KMX.EXE");
    EXPECT_EQ(services.m_messages, std::vector<std::string>{kEmulatorDir + "\\KMX.INI" + Sjis("が開けませんでした。")});
    EXPECT_FALSE(IsWindowVisible(Control(IDC_ERASE_RESUME)));
    EXPECT_TRUE(IsWindowVisible(Control(IDC_RESUME)));
    EXPECT_TRUE(IsWindowVisible(Control(IDC_RESUME_LABEL)));
    EXPECT_EQ(ReadFileText(GetLauncherIniPath()), "[ORVANE Settings]\r\nKMXPath=" + kEmulatorDir + "\r\n");
}

TEST_F(LauncherDialogTest, RememberedFolderIsUsedAndAVanishedOneSearchedAgain) {
    MakeFile(kEmulatorDir + "\\KMX.INI", "[KMX]\r\n");
    WriteLauncherIni("[ORVANE Settings]\r\nKMXPath=" + kEmulatorDir + "\r\nLegacy=0\r\n");
    {
        ScriptedServices services;
        ASSERT_NE(Start(), nullptr);
        EXPECT_EQ(m_dialog->m_strEmulatorDir, kEmulatorDir);
        EXPECT_FALSE(Checked(IDC_LEGACY));
        EXPECT_TRUE(Checked(IDC_WAIT_CHECK));
        m_dialog.reset();
    }
    // The remembered folder is gone: the search finds the emulator elsewhere and remembers it.
    const std::string moved = "D:\\orvane\\moved";
    MakeFile(moved + "\\KMX.EXE");
    MakeFile(moved + "\\KMX.INI", "[KMX]\r\n");
    WriteLauncherIni("[ORVANE Settings]\r\nKMXPath=D:\\orvane\\vanished\r\n");
    RemoveTree(kEmulatorDir);
    ScriptedServices services;
    ASSERT_NE(Start(), nullptr);
    EXPECT_EQ(m_dialog->m_strEmulatorDir, moved);
    EXPECT_NE(ReadFileText(GetLauncherIniPath()).find("KMXPath=" + moved + "\r\n"), std::string::npos);
}

TEST_F(LauncherDialogTest, AFolderTooLongForItsFilesIsReportedAndAnotherSearchedFor) {
    // 252 characters: the folder itself is a valid path, but "\\KMX.INI" goes past 259.
    const std::string longDir = "D:\\orvane\\" + std::string(252 - 10, 'x');
    MakeFile(L"\\\\?\\" + WideOfSjis(longDir) + L"\\KMX.INI", "[KMX]\r\nFDD1=long.kfd\r\n");
    MakeFile(kEmulatorDir + "\\KMX.INI", "[KMX]\r\nFDD1=short.kfd\r\n");
    WriteLauncherIni("[ORVANE Settings]\r\nKMXPath=" + longDir + "\r\n");
    ScriptedServices services;
    services.AnswerMessage(IDOK);
    ASSERT_NE(Start(), nullptr);
    EXPECT_EQ(services.m_messages, std::vector<std::string>{longDir + texts::kEmulatorFolderTooLong});
    EXPECT_EQ(m_dialog->m_strEmulatorDir, kEmulatorDir);
    EXPECT_EQ(ControlText(IDC_FDD1), "short.kfd");
    m_dialog.reset();
    RemoveTree(L"\\\\?\\" + WideOfSjis(longDir));
}

TEST_F(LauncherDialogTest, EmulatorNotFoundEndsAfterTheMessageAndStillStoresTheOptions) {
    RemoveTree("D:\\orvane");
    WriteLauncherIni("[ORVANE Settings]\r\nWait=0\r\n");
    ScriptedServices services;
    services.AnswerMessage(IDOK);
    EXPECT_EQ(Start(), nullptr);
    EXPECT_TRUE(m_dialog->IsEnded());
    EXPECT_EQ(m_dialog->Result(), IDCANCEL);
    EXPECT_EQ(services.m_messages, std::vector<std::string>{Sjis("KMXは見つかりませんでした。")});
    EXPECT_EQ(services.m_messageTypes, std::vector<UINT>{MB_OK});
    EXPECT_EQ(ReadFileText(GetLauncherIniPath()), "[ORVANE Settings]\r\nWait=0\r\nLegacy=1\r\n");
}

TEST_F(LauncherDialogTest, EraseButtonShowsExactlyWhenTheResumeFileExists) {
    MakeFile(kEmulatorDir + "\\KMX.INI", "[KMX]\r\n");
    WriteLauncherIni("[ORVANE Settings]\r\nKMXPath=" + kEmulatorDir + "\r\n");
    MakeFile(kEmulatorDir + "\\SAVEA.CPU", "state");
    ScriptedServices services;
    ASSERT_NE(Start(), nullptr);
    EXPECT_TRUE(IsWindowVisible(Control(IDC_ERASE_RESUME)));
}

TEST_F(LauncherDialogTest, SectionedKmxIniFillsFieldsResumeAndOneRowPerSetting) {
    MakeFile(kEmulatorDir + "\\KMX.INI", "[KMX]\r\nFDD1=" + Sjis("D:\\表\\a.kfd") +
                                             "\r\nFont=f.bmp\r\nResume=1\r\nSound=1\r\nMode=1\r\nName=" + Sjis("太郎") +
                                             "\r\n");
    WriteLauncherIni("[ORVANE Settings]\r\nKMXPath=" + kEmulatorDir + "\r\n" + kSchema);
    ScriptedServices services;
    ASSERT_NE(Start(), nullptr);
    EXPECT_EQ(ControlText(IDC_FDD1), Sjis("D:\\表\\a.kfd"));
    EXPECT_EQ(ControlText(IDC_FDD2), "");
    EXPECT_EQ(ControlText(IDC_FONT), "f.bmp");
    EXPECT_TRUE(Checked(IDC_RESUME));
    HWND list = Control(IDC_SETTINGS);
    ASSERT_EQ(ListItemCount(list), 3);
    EXPECT_EQ(ListItemText(list, 0, 0), Sjis("あり"));
    EXPECT_EQ(ListItemText(list, 0, 1), Sjis("音"));
    EXPECT_EQ(ListItemText(list, 1, 0), "on");
    EXPECT_EQ(ListItemText(list, 2, 0), Sjis("太郎"));
    EXPECT_EQ(ListItemText(list, 2, 1), Sjis("名前"));
    // Each row carries its setting.
    LVITEMW item = {};
    item.mask = LVIF_PARAM;
    item.iItem = 1;
    SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(reinterpret_cast<SettingItem*>(item.lParam), &m_dialog->m_settings[1]);
    // Both columns are wide enough for their headers.
    EXPECT_GT(SendMessageW(list, LVM_GETCOLUMNWIDTH, 0, 0), SendMessageW(list, LVM_GETSTRINGWIDTHW, 0,
                                                                         reinterpret_cast<LPARAM>(L"設定値")));
}

TEST_F(LauncherDialogTest, LegacyKmxIniIsReadByLine) {
    MakeFile(kEmulatorDir + "\\KMX.INI", "a.kfd\r\nb.kfd\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n1\r\n0\r\n1\r\n");
    WriteLauncherIni("[ORVANE Settings]\r\nKMXPath=" + kEmulatorDir + "\r\n" + kSchema);
    ScriptedServices services;
    ASSERT_NE(Start(), nullptr);
    EXPECT_EQ(ControlText(IDC_FDD1), "a.kfd");
    EXPECT_EQ(ControlText(IDC_FDD2), "b.kfd");
    EXPECT_TRUE(Checked(IDC_RESUME));
    EXPECT_EQ(ListItemText(Control(IDC_SETTINGS), 0, 0), Sjis("なし"));
    EXPECT_EQ(ListItemText(Control(IDC_SETTINGS), 1, 0), "on");
}

TEST_F(LauncherDialogTest, EnterDoesNothingAndEscapeStoresTheOptionsButNoProfile) {
    const std::string profile = "[KMX]\r\nSound=1\r\n";
    MakeFile(kEmulatorDir + "\\KMX.INI", profile);
    WriteLauncherIni("[ORVANE Settings]\r\nKMXPath=" + kEmulatorDir + "\r\n" + kSchema);
    ScriptedServices services;
    ASSERT_NE(Start(), nullptr);
    SendMessageA(Window(), WM_COMMAND, IDOK, 0);
    EXPECT_FALSE(m_dialog->IsEnded());
    SendMessageA(Control(IDC_LEGACY), BM_CLICK, 0, 0);
    EXPECT_FALSE(Checked(IDC_LEGACY));
    ClickButton(Window(), IDC_EJECT_FDD1);  // changes only the field
    SendMessageA(Window(), WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(m_dialog->IsEnded());
    EXPECT_EQ(m_dialog->Result(), IDCANCEL);
    EXPECT_EQ(ReadFileText(kEmulatorDir + "\\KMX.INI"), profile);
    const std::string launcherIni = ReadFileText(GetLauncherIniPath());
    EXPECT_NE(launcherIni.find("Legacy=0\r\n"), std::string::npos);
    EXPECT_NE(launcherIni.find("Wait=1\r\n"), std::string::npos);
    EXPECT_NE(launcherIni.find(kSchema), std::string::npos);
}

TEST_F(LauncherDialogTest, PathFieldButtonsEjectAndOpenWithTheShell) {
    MakeFile(kEmulatorDir + "\\KMX.INI", "[KMX]\r\nFDD2=b.kfd\r\nHDD2=" + Sjis("ソ.khd") + "\r\n");
    WriteLauncherIni("[ORVANE Settings]\r\nKMXPath=" + kEmulatorDir + "\r\n");
    ScriptedServices services;
    ASSERT_NE(Start(), nullptr);
    ClickButton(Window(), IDC_OPEN_FDD1);  // empty: nothing
    ClickButton(Window(), IDC_OPEN_HDD2);
    EXPECT_EQ(services.m_shellOpened, std::vector<std::string>{Sjis("ソ.khd") + "|"});
    ClickButton(Window(), IDC_EJECT_FDD2);
    EXPECT_EQ(ControlText(IDC_FDD2), "");
    EXPECT_EQ(ControlText(IDC_HDD2), Sjis("ソ.khd"));
}

TEST_F(LauncherDialogTest, DroppedFilesPutTheFirstPathIntoTheField) {
    MakeFile(kEmulatorDir + "\\KMX.INI", "[KMX]\r\nFont=old.bmp\r\n");
    WriteLauncherIni("[ORVANE Settings]\r\nKMXPath=" + kEmulatorDir + "\r\n");
    ScriptedServices services;
    ASSERT_NE(Start(), nullptr);
    SendMessageA(Control(IDC_FONT), WM_DROPFILES,
                 reinterpret_cast<WPARAM>(MakeDrop({L"D:\\表\\first.bmp", L"D:\\second.bmp"})), 0);
    EXPECT_EQ(ControlText(IDC_FONT), Sjis("D:\\表\\first.bmp"));
    SendMessageA(Control(IDC_FDD1), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({L"D:\\some folder"})), 0);
    EXPECT_EQ(ControlText(IDC_FDD1), "D:\\some folder");
}

TEST_F(LauncherDialogTest, PathFieldDoubleClickBrowsesWithItsOwnSettings) {
    MakeFile(kEmulatorDir + "\\KMX.INI", "[KMX]\r\nHDD1=old.khd\r\n");
    WriteLauncherIni("[ORVANE Settings]\r\nKMXPath=" + kEmulatorDir + "\r\n");
    ScriptedServices services;
    services.AnswerFile(std::nullopt);
    services.AnswerFile("D:\\new.khd");
    ASSERT_NE(Start(), nullptr);
    SendMessageA(Control(IDC_HDD1), WM_LBUTTONDBLCLK, MK_LBUTTON, 0);
    EXPECT_EQ(ControlText(IDC_HDD1), "old.khd");
    SendMessageA(Control(IDC_HDD1), WM_LBUTTONDBLCLK, MK_LBUTTON, 0);
    EXPECT_EQ(ControlText(IDC_HDD1), "D:\\new.khd");
    EXPECT_EQ(GetFocus(), Control(IDC_HDD1));
    ASSERT_EQ(services.m_fileDialogs.size(), 2u);
    const FileDialogOptions& options = services.m_fileDialogs[0];
    ExpectFileDialog(options, true, "old.khd", "khd", "KMX HD(*.khd)|*.khd|All Files(*.*)|*.*||", 0x1804);
    EXPECT_EQ(options.owner, Window());
}

TEST_F(LauncherDialogTest, SystemMenuCommandsOfTheAboutRangeOpenTheAboutBox) {
    MakeFile(kEmulatorDir + "\\KMX.INI", "[KMX]\r\n");
    WriteLauncherIni("[ORVANE Settings]\r\nKMXPath=" + kEmulatorDir + "\r\n");
    ScriptedServices services;
    ASSERT_NE(Start(), nullptr);
    HMENU menu = GetSystemMenu(Window(), FALSE);
    wchar_t text[128] = L"";
    GetMenuStringW(menu, IDM_ABOUTBOX, text, 128, MF_BYCOMMAND);
    EXPECT_EQ(std::wstring(text), L"ORVANE のバージョン情報(&A)...");

    static int aboutBoxesSeen;
    aboutBoxesSeen = 0;
    // The about box is modal: a timer closes it once it is up.
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
        HWND about = FindWindowW(L"#32770", L"orvaneのﾊﾞｰｼﾞｮﾝ情報");
        if (about != nullptr) {
            ++aboutBoxesSeen;
            PostMessageA(about, WM_COMMAND, IDOK, 0);
        }
    });
    SendMessageA(Window(), WM_SYSCOMMAND, 0x0010, 0);
    SendMessageA(Window(), WM_SYSCOMMAND, 0x001F, 0);
    KillTimer(nullptr, timer);
    EXPECT_EQ(aboutBoxesSeen, 2);
    EXPECT_FALSE(m_dialog->IsEnded());
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(Window(), WM_QUERYDRAGICON, 0, 0)), m_dialog->m_hIcon);
    EXPECT_NE(m_dialog->m_hIcon, nullptr);
}
