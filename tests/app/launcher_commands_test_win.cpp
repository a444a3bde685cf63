// The main dialog's settings list editing and its commands, with scripted dialogs and process start.
#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>
#include <gtest/gtest.h>

#include <thread>
#include <utility>

#include "app/launcher_fixture.h"
#include "common/texts.h"
#include "framework/application.h"
#include "framework/services.h"
#include "resource.h"
#include "support/dialog_driver.h"
#include "support/scripted_services.h"

namespace {

class LauncherCommandsTest : public LauncherDialogTest {
protected:
    void SetUp() override {
        LauncherDialogTest::SetUp();
        MakeFile(kEmulatorDir + "\\KMX.INI", "[KMX]\r\nFDD1=a.kfd\r\nSound=1\r\nMode=0\r\nCount=5\r\nName=n\r\n");
        WriteLauncherIni("[ORVANE Settings]\r\nKMXPath=" + kEmulatorDir +
                         "\r\n[KMX]\r\nSound=11|BOOL|s\r\nMode=12|ENUM|0,Off,1,On,2,Auto|m\r\nCount=13|INT|c\r\n"
                         "Name=0|STR|n\r\nOther=0|FUTURE|o\r\n");
    }

    std::string RowText(int row) const { return ListItemText(List(), row, 0); }
    const std::string& Value(int row) const { return m_dialog->m_settings.at(row).value.cp932; }

    // A left click on the value column of a row, as the mouse gives it.
    void ClickRow(int row) {
        RECT rect = {};
        rect.left = LVIR_LABEL;
        SendMessageA(List(), LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rect));
        const LPARAM point = MAKELPARAM(rect.left + 4, (rect.top + rect.bottom) / 2);
        SendMessageA(List(), WM_LBUTTONDOWN, MK_LBUTTON, point);
        SendMessageA(List(), WM_LBUTTONUP, 0, point);
        PumpPending();
    }

    void Select(std::initializer_list<int> rows) {
        LVITEMA state = {};
        state.stateMask = LVIS_SELECTED;
        SendMessageA(List(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
        state.state = LVIS_SELECTED;
        for (int row : rows) SendMessageA(List(), LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
    }

    void PressSpace() {
        SendMessageA(List(), WM_KEYDOWN, VK_SPACE, 0);
        SendMessageA(List(), WM_KEYUP, VK_SPACE, 0);
        PumpPending();
    }

};

}  // namespace

TEST_F(LauncherCommandsTest, AClickFlipsYesNoAndStepsChoicesAtOnce) {
    ScriptedServices services;
    ASSERT_NE(Start(), nullptr);
    ClickRow(0);
    EXPECT_EQ(Value(0), "0");
    EXPECT_EQ(RowText(0), Sjis("なし"));
    ClickRow(0);
    EXPECT_EQ(RowText(0), Sjis("あり"));
    ClickRow(1);
    EXPECT_EQ(Value(1), "1");
    EXPECT_EQ(RowText(1), "On");
    ClickRow(1);
    ClickRow(1);
    EXPECT_EQ(Value(1), "0");
    EXPECT_EQ(RowText(1), "Off");
    // Rows of an unknown type and clicks on no row change nothing.
    ClickRow(4);
    EXPECT_EQ(Editor(), nullptr);
    SendMessageA(List(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 400));
    SendMessageA(List(), WM_LBUTTONUP, 0, MAKELPARAM(5, 400));
    EXPECT_EQ(Value(0), "1");
}

TEST_F(LauncherCommandsTest, NumbersAndTextsAreEditedInPlace) {
    ScriptedServices services;
    ASSERT_NE(Start(), nullptr);
    ClickRow(2);
    TypeIntoEditor("12abc", VK_RETURN);
    EXPECT_EQ(Value(2), "12abc");
    EXPECT_EQ(RowText(2), "12abc");
    EXPECT_FALSE(m_dialog->IsEnded());
    ClickRow(3);
    TypeIntoEditor(Sjis("新しい名前"), VK_ESCAPE);
    EXPECT_EQ(Value(3), "n");
    EXPECT_EQ(RowText(3), "n");
    EXPECT_FALSE(m_dialog->IsEnded());
    // The list's own label editing: refused for yes/no and choices, allowed for unknown types.
    SendMessageA(List(), LVM_EDITLABELW, 0, 0);
    EXPECT_EQ(Editor(), nullptr);
    SendMessageA(List(), LVM_EDITLABELW, 1, 0);
    EXPECT_EQ(Editor(), nullptr);
    SendMessageA(List(), LVM_EDITLABELW, 4, 0);
    TypeIntoEditor("typed", VK_RETURN);
    EXPECT_EQ(Value(4), "typed");
}

TEST_F(LauncherCommandsTest, SpaceActsOnTheFirstSelectedRowOnly) {
    ScriptedServices services;
    ASSERT_NE(Start(), nullptr);
    Select({});
    PressSpace();
    EXPECT_EQ(Value(0), "1");
    EXPECT_EQ(Value(1), "0");
    Select({1, 0});
    PressSpace();
    EXPECT_EQ(Value(0), "0");
    EXPECT_EQ(Value(1), "0");
    Select({3, 2});
    PressSpace();
    EXPECT_NE(Editor(), nullptr);
    TypeIntoEditor("7", VK_RETURN);
    EXPECT_EQ(Value(2), "7");
    EXPECT_EQ(Value(3), "n");
}

TEST_F(LauncherCommandsTest, RunWithoutWaitingWritesKmxIniStartsTheEmulatorAndCloses) {
    ScriptedServices services;
    services.AnswerStart(true);
    ASSERT_NE(Start(), nullptr);
    SendMessageA(Control(IDC_WAIT_CHECK), BM_CLICK, 0, 0);
    SendMessageA(Control(IDC_LEGACY), BM_CLICK, 0, 0);
    ClickRow(0);
    ClickButton(Window(), IDC_RUN);
    EXPECT_EQ(services.m_started, std::vector<std::string>{kEmulatorDir + "\\KMX.EXE|" + kEmulatorDir});
    EXPECT_TRUE(m_dialog->IsEnded());
    EXPECT_EQ(m_dialog->Result(), IDOK);
    EXPECT_EQ(ReadFileText(kEmulatorDir + "\\KMX.INI"),
              "[KMX]\r\nFDD1=a.kfd\r\nSound=0\r\nMode=0\r\nCount=5\r\nName=n\r\nFDD2=\r\nHDD1=\r\nHDD2=\r\nFont=\r\n"
              "Resume=0\r\nOther=\r\n");
    const std::string launcherIni = ReadFileText(GetLauncherIniPath());
    EXPECT_NE(launcherIni.find("Legacy=0\r\n"), std::string::npos);
    EXPECT_NE(launcherIni.find("Wait=0\r\n"), std::string::npos);
}

TEST_F(LauncherCommandsTest, AnEmulatorThatCannotStartIsReportedAndTheLauncherStays) {
    ScriptedServices services;
    services.AnswerStart(false);
    services.AnswerMessage(IDOK);
    services.AnswerStart(false);
    services.AnswerMessage(IDOK);
    ASSERT_NE(Start(), nullptr);
    SendMessageA(Control(IDC_WAIT_CHECK), BM_CLICK, 0, 0);
    ClickButton(Window(), IDC_RUN);
    SendMessageA(Control(IDC_WAIT_CHECK), BM_CLICK, 0, 0);
    ClickButton(Window(), IDC_RUN);
    EXPECT_FALSE(m_dialog->IsEnded());
    const std::string message = kEmulatorDir + "\\KMX.EXE" + Sjis("を起動できませんでした。");
    EXPECT_EQ(services.m_messages, (std::vector<std::string>{message, message}));
    EXPECT_EQ(services.m_waits, 0);
}

TEST_F(LauncherCommandsTest, RunWithWaitingStaysAndShowsTheEraseButtonByTheResumeFile) {
    ScriptedServices services;
    services.AnswerStart(true);
    services.AnswerStart(true);
    ASSERT_NE(Start(), nullptr);
    EXPECT_FALSE(IsWindowVisible(Control(IDC_ERASE_RESUME)));
    MakeFile(kEmulatorDir + "\\SAVEA.CPU", "state");  // as the emulator leaves it
    ClickButton(Window(), IDC_RUN);
    EXPECT_FALSE(m_dialog->IsEnded());
    EXPECT_EQ(services.m_waits, 1);
    EXPECT_TRUE(IsWindowVisible(Control(IDC_ERASE_RESUME)));
    RemoveTree(kEmulatorDir + "\\SAVEA.CPU");
    ClickButton(Window(), IDC_RUN);
    EXPECT_FALSE(IsWindowVisible(Control(IDC_ERASE_RESUME)));
    // With the legacy option on (the default) the file begins with the line block.
    EXPECT_EQ(ReadFileText(kEmulatorDir + "\\KMX.INI").rfind("a.kfd\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n0\r\n1\r\n0\r\n5\r\n[KMX]", 0),
              0u);
}

TEST_F(LauncherCommandsTest, SaveAsAndLoadGoThroughTheirFileDialogs) {
    const std::string saved = "D:\\orvane\\profile.ini";
    MakeFile("D:\\orvane\\other.ini", "[KMX]\r\nFDD2=other.kfd\r\nSound=0\r\nMode=2\r\nCount=99\r\n");
    ScriptedServices services;
    services.AnswerFile(std::nullopt);
    services.AnswerFile(saved);
    services.AnswerFile(std::nullopt);
    services.AnswerFile("D:\\orvane\\other.ini");
    ASSERT_NE(Start(), nullptr);
    SendMessageA(Control(IDC_LEGACY), BM_CLICK, 0, 0);
    ClickButton(Window(), IDC_SAVE_AS);
    EXPECT_FALSE(FileExists(saved));
    ClickButton(Window(), IDC_SAVE_AS);
    EXPECT_EQ(ReadFileText(saved), "[KMX]\r\nFDD1=a.kfd\r\nFDD2=\r\nHDD1=\r\nHDD2=\r\nFont=\r\nResume=0\r\nSound=1\r\n"
                                   "Mode=0\r\nCount=5\r\nName=n\r\nOther=\r\n");
    ClickButton(Window(), IDC_LOAD);
    EXPECT_EQ(RowText(2), "5");
    ClickButton(Window(), IDC_LOAD);
    EXPECT_EQ(ControlText(IDC_FDD1), "");
    EXPECT_EQ(ControlText(IDC_FDD2), "other.kfd");
    EXPECT_EQ(RowText(0), Sjis("なし"));
    EXPECT_EQ(RowText(1), "Auto");
    EXPECT_EQ(RowText(2), "99");
    EXPECT_EQ(RowText(3), "");
    ASSERT_EQ(services.m_fileDialogs.size(), 4u);
    const FileDialogOptions& save = services.m_fileDialogs[0];
    ExpectFileDialog(save, false, "", "ini", "INI Files(*.ini)|*.ini|All Files(*.*)|*.*||",
                     OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
    EXPECT_EQ(save.owner, Window());
    const FileDialogOptions& load = services.m_fileDialogs[2];
    EXPECT_TRUE(load.open);
    EXPECT_EQ(load.flags, static_cast<DWORD>(0x1804));
    // The loaded values reach KMX.INI only at the next Run; nothing else was written.
    EXPECT_EQ(ReadFileText(kEmulatorDir + "\\KMX.INI"), "[KMX]\r\nFDD1=a.kfd\r\nSound=1\r\nMode=0\r\nCount=5\r\nName=n\r\n");
}

TEST_F(LauncherCommandsTest, AProfileThatCannotBeWrittenIsReported) {
    ScriptedServices services;
    services.AnswerFile("D:\\orvane\\missing\\p.ini");
    services.AnswerMessage(IDOK);
    ASSERT_NE(Start(), nullptr);
    ClickButton(Window(), IDC_SAVE_AS);
    EXPECT_EQ(services.m_messages,
              std::vector<std::string>{"D:\\orvane\\missing\\p.ini" + Sjis("が開けませんでした。")});
}

TEST_F(LauncherCommandsTest, EraseAsksAndHidesTheButtonOnlyWhenTheFileIsGone) {
    MakeFile(kEmulatorDir + "\\SAVEA.CPU", "state");
    ScriptedServices services;
    services.AnswerMessage(IDCANCEL);
    services.AnswerMessage(IDOK);
    ASSERT_NE(Start(), nullptr);
    ASSERT_TRUE(IsWindowVisible(Control(IDC_ERASE_RESUME)));
    ClickButton(Window(), IDC_ERASE_RESUME);
    EXPECT_TRUE(FileExists(kEmulatorDir + "\\SAVEA.CPU"));
    EXPECT_TRUE(IsWindowVisible(Control(IDC_ERASE_RESUME)));
    ClickButton(Window(), IDC_ERASE_RESUME);
    EXPECT_FALSE(FileExists(kEmulatorDir + "\\SAVEA.CPU"));
    EXPECT_FALSE(IsWindowVisible(Control(IDC_ERASE_RESUME)));
    EXPECT_EQ(services.m_messages[0], Sjis("レジュームメモリ SaveA.CPU を消去します。"));
    EXPECT_EQ(services.m_messageTypes[0], static_cast<UINT>(MB_OKCANCEL));
}

TEST_F(LauncherCommandsTest, AResumeFileThatCannotBeErasedKeepsItsButton) {
    MakeFolder(kEmulatorDir + "\\SAVEA.CPU");  // a folder of that name cannot be deleted as a file
    ScriptedServices services;
    services.AnswerMessage(IDOK);
    services.AnswerMessage(IDOK);
    ASSERT_NE(Start(), nullptr);
    ClickButton(Window(), IDC_ERASE_RESUME);
    EXPECT_TRUE(IsWindowVisible(Control(IDC_ERASE_RESUME)));
    ASSERT_EQ(services.m_messages.size(), 2u);
    EXPECT_EQ(services.m_messages[1], kEmulatorDir + "\\SAVEA.CPU" + Sjis("を消去できませんでした。"));
}

TEST_F(LauncherCommandsTest, HelpOpensTheReadMeBesideTheLauncher) {
    ScriptedServices services;
    ASSERT_NE(Start(), nullptr);
    ClickButton(Window(), IDC_HELP_BUTTON);
    EXPECT_EQ(services.m_shellOpened, std::vector<std::string>{GetModuleDirectory() + "\\orvane.txt|" +
                                                               GetModuleDirectory()});
}

namespace {

// The program's application object, with the launcher as its main window.
class LauncherApplication : public Application {
public:
    bool InitInstance() override { return false; }
};

// What a timer saw of the modal dialog it then closed.
struct ModalSeen {
    HWND dialog = nullptr;
    HWND owner = nullptr;
    bool ownerEnabled = true;
};
HWND g_hLauncher = nullptr;
ModalSeen g_modalSeen;

BOOL CALLBACK FindOtherDialog(HWND window, LPARAM found) {
    if (window == g_hLauncher || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

void CALLBACK InspectAndCloseModal(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindOtherDialog, reinterpret_cast<LPARAM>(&dialog));
    if (dialog == nullptr) return;
    KillTimer(nullptr, timer);
    g_modalSeen = {dialog, GetWindow(dialog, GW_OWNER), IsWindowEnabled(g_hLauncher) != FALSE};
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

}  // namespace

TEST_F(LauncherCommandsTest, TheAboutBoxAndTheToolDialogsBlockTheLauncherWhileOpen) {
    ASSERT_NE(Start(), nullptr);
    LauncherApplication application;
    application.m_pMainWnd = m_dialog.get();
    g_hLauncher = Window();
    const std::pair<UINT, WPARAM> openings[] = {{WM_SYSCOMMAND, IDM_ABOUTBOX}, {WM_COMMAND, IDC_NEW_HDD1}};
    for (const auto& [message, wParam] : openings) {
        g_modalSeen = {};
        SetTimer(nullptr, 0, 30, InspectAndCloseModal);
        SendMessageA(Window(), message, wParam, 0);
        EXPECT_NE(g_modalSeen.dialog, nullptr);
        EXPECT_EQ(g_modalSeen.owner, Window()) << "message " << message;
        EXPECT_FALSE(g_modalSeen.ownerEnabled) << "message " << message;
        EXPECT_TRUE(IsWindowEnabled(Window()));
    }
}

TEST_F(LauncherCommandsTest, WaitingForTheEmulatorKeepsTheLauncherAnsweringButTakesNoInput) {
    ASSERT_NE(Start(), nullptr);
    HANDLE ended = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HWND launcher = Window();
    bool answered = false;
    bool disabled = false;
    std::thread emulator([&] {
        Sleep(100);
        DWORD_PTR result = 0;
        answered = SendMessageTimeoutA(launcher, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 100, &result) != 0;
        disabled = !IsWindowEnabled(launcher);
        // Escape, the close box and the taskbar's close while the emulator runs: all ignored.
        PostMessageA(launcher, WM_COMMAND, IDCANCEL, 0);
        PostMessageA(launcher, WM_SYSCOMMAND, SC_CLOSE, 0);
        PostMessageA(launcher, WM_CLOSE, 0, 0);
        Sleep(100);
        SetEvent(ended);
    });
    WaitKeepingWindowsAlive(launcher, ended);
    emulator.join();
    CloseHandle(ended);
    PumpPending();
    EXPECT_TRUE(answered);
    EXPECT_TRUE(disabled);
    EXPECT_TRUE(IsWindowEnabled(launcher));
    EXPECT_FALSE(m_dialog->IsEnded());
}
