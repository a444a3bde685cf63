// The fixture of the main dialog's tests: an emulator folder on the test drive D:, the launcher
// INI beside the test executable, and the dialog created modelessly as the program would.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/launcher_dialog.h"
#include "common/paths.h"
#include "resource.h"
#include "support/cp932_literal.h"
#include "support/dialog_driver.h"
#include "support/win_files.h"

inline const std::string kEmulatorDir = "D:\\orvane\\emu";

class LauncherDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(GetDriveTypeA("D:\\"), static_cast<UINT>(DRIVE_FIXED)) << "the test prefix lacks its drive D:";
        Clean();
        MakeFile(kEmulatorDir + "\\KMX.EXE");
    }
    void TearDown() override {
        m_dialog.reset();
        Clean();
    }
    void Clean() {
        RemoveTree("D:\\orvane");
        RemoveTree(GetLauncherIniPath());
    }

    void WriteLauncherIni(const std::string& text) { MakeFile(GetLauncherIniPath(), text); }

    // Creates the dialog as the program would, modelessly so the test can look at it.
    HWND Start() {
        m_dialog = std::make_unique<LauncherDialog>();
        return m_dialog->Create();
    }

    HWND Window() const { return m_dialog->GetSafeHwnd(); }
    HWND Control(int id) const { return GetDlgItem(Window(), id); }
    std::string ControlText(int id) const { return TextOf(Control(id)); }
    bool Checked(int id) const { return IsDlgButtonChecked(Window(), id) == BST_CHECKED; }
    HWND List() const { return Control(IDC_SETTINGS); }
    HWND Editor() const { return reinterpret_cast<HWND>(SendMessageW(List(), LVM_GETEDITCONTROL, 0, 0)); }

    // Types text into the open label editor of the settings list and ends it with key.
    template <typename Text>
    void TypeIntoEditor(const Text& text, WPARAM key) {
        HWND editor = Editor();
        ASSERT_NE(editor, nullptr);
        SetText(editor, text);
        SendMessageW(editor, WM_KEYDOWN, key, 0);
        PumpPending();
    }

    std::unique_ptr<LauncherDialog> m_dialog;
};

inline const std::string kSchema = "[KMX]\r\nSound=11|BOOL|" + Sjis("音") + "\r\nMode=12|ENUM|0,off,1,on|mode\r\nName=0|STR|" +
                            Sjis("名前") + "\r\n";

