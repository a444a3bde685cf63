// Characters beyond code page 932 in the main dialog: a marked KMX.INI's values shown and kept
// whole, typed text stored as typed where KMX.INI holds it and refused where it does not, and
// paths that code page 932 cannot name refused from every source with a message naming them.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "app/launcher_fixture.h"
#include "common/wide.h"
#include "resource.h"
#include "support/dialog_driver.h"
#include "support/scripted_services.h"

namespace {

const std::wstring kPathRefused = L"\nこのパスにはシフトJISで表せない文字が含まれているため、使えません。";
const std::wstring kTypedRefused = L"入力された文字にはシフトJISで表せないものが含まれているため、使えません。";

class CharactersTest : public LauncherDialogTest {
protected:
    void SetUp() override {
        LauncherDialogTest::SetUp();
        WriteLauncherIni("[ORVANE Settings]\r\nKMXPath=" + kEmulatorDir + "\r\nLegacy=0\r\n[KMX]\r\nTitle=9|STR|t\r\nName=0|STR|n\r\n");
    }

    void EditRow(int row, const std::wstring& text) {
        SendMessageW(List(), LVM_EDITLABELW, row, 0);
        TypeIntoEditor(text, VK_RETURN);
    }

    const std::string m_strKmxIni = kEmulatorDir + "\\KMX.INI";
};

}  // namespace

TEST_F(CharactersTest, AMarkedKmxIniIsShownWholeKeptWholeAndTakesTextAsTyped) {
    MakeFile(m_strKmxIni, MarkedFile("utf-16le", "[KMX]\r\nFDD1=C:\\Zoë\\a.kfd\r\nTitle=café ☃ 日本\r\nName=x\r\n"));
    ScriptedServices services;
    services.AnswerStart(true);
    services.AnswerFile(std::nullopt);
    services.AnswerFile("D:\\orvane\\copy.ini");
    services.AnswerMessage(IDOK);
    ASSERT_NE(Start(), nullptr);
    EXPECT_EQ(WideText(Control(IDC_FDD1)), L"C:\\Zoë\\a.kfd");
    EXPECT_EQ(ListItemWideText(List(), 0, 0), L"café ☃ 日本");
    ClickButton(Window(), IDC_OPEN_FDD1);
    EXPECT_EQ(services.m_wideShellOpened, std::vector<std::wstring>{L"C:\\Zoë\\a.kfd|"});
    SendMessageW(Control(IDC_FDD1), WM_LBUTTONDBLCLK, MK_LBUTTON, 0);  // its file dialog, cancelled
    EXPECT_EQ(Wide(services.m_fileDialogs.at(0).fileName), L"C:\\Zoë\\a.kfd");
    EditRow(1, L"naïve ☂");
    EXPECT_EQ(ListItemWideText(List(), 1, 0), L"naïve ☂");
    // Run: the untouched values go back with every character, the typed one as typed.
    ClickButton(Window(), IDC_RUN);
    EXPECT_EQ(ReadFileText(m_strKmxIni), MarkedFile("utf-16le", "[KMX]\r\nFDD1=C:\\Zoë\\a.kfd\r\nTitle=café ☃ 日本\r\n"
                                                                "Name=naïve ☂\r\nFDD2=\r\nHDD1=\r\nHDD2=\r\nFont=\r\nResume=0\r\n"));
    // A new file is written in code page 932, which cannot hold them: refused, nothing written.
    ClickButton(Window(), IDC_SAVE_AS);
    EXPECT_EQ(services.m_messages,
              std::vector<std::string>{"D:\\orvane\\copy.ini" +
                                       Sjis("\nこのファイルはシフトJISで書かれるため、シフトJISで表せない文字を含む値を保存できません。")});
    EXPECT_FALSE(FileExists("D:\\orvane\\copy.ini"));
}

TEST_F(CharactersTest, WhatCodePage932CannotHoldIsRefusedAndNothingChanges) {
    MakeFile(m_strKmxIni, "[KMX]\r\nFDD1=a.kfd\r\nName=x\r\n");
    ScriptedServices services;
    for (int i = 0; i < 4; ++i) services.AnswerMessage(IDOK);
    services.AnswerFile(std::wstring(L"C:\\Users\\Zoë\\disk.kfd"));
    ASSERT_NE(Start(), nullptr);
    // Typed for a KMX.INI in code page 932.
    EditRow(1, L"naïve ☂");
    EXPECT_EQ(m_dialog->m_settings[1].value, "x");
    EXPECT_EQ(ListItemText(List(), 1, 0), "x");
    // A path typed or pasted into a field, one chosen in its file dialog, and one dropped on it.
    SetText(Control(IDC_FDD1), std::wstring(L"C:\\Zoë\\b.kfd"));
    SendMessageW(Control(IDC_FDD1), WM_LBUTTONDBLCLK, MK_LBUTTON, 0);
    SendMessageW(Control(IDC_FDD1), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({L"D:\\€\\c.kfd"})), 0);
    EXPECT_EQ(WideText(Control(IDC_FDD1)), L"a.kfd");
    EXPECT_EQ(services.m_wideMessages, (std::vector<std::wstring>{kTypedRefused, kTypedRefused,
                                                                  L"C:\\Users\\Zoë\\disk.kfd" + kPathRefused,
                                                                  L"D:\\€\\c.kfd" + kPathRefused}));
}
