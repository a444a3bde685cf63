// The main window's one-step paths: the desktop shortcut from the system menu, a profile dropped
// on the window, and a profile named on the command line.
#include <windows.h>

#include <commdlg.h>
#include <gtest/gtest.h>

#include "app/launcher_fixture.h"
#include "common/texts.h"
#include "resource.h"
#include "support/dialog_driver.h"
#include "support/held_file.h"
#include "support/scripted_services.h"

namespace {

const std::string kProfile = "D:\\orvane\\my game.ini";
const std::wstring kLink = L"D:\\orvane\\desktop\\my game.lnk";

class LauncherShortcutTest : public LauncherDialogTest {
protected:
    void SetUp() override {
        LauncherDialogTest::SetUp();
        MakeFile(kEmulatorDir + "\\KMX.INI", "[KMX]\r\nFDD1=a.kfd\r\nSound=1\r\n");
        WriteLauncherIni("[ORVANE Settings]\r\nKMXPath=" + kEmulatorDir + "\r\nLegacy=0\r\n[KMX]\r\nSound=11|BOOL|s\r\n");
        MakeFolder("D:\\orvane\\desktop");
    }
    void CreateShortcut() {
        SendMessageW(Window(), WM_SYSCOMMAND, IDM_CREATESHORTCUT, 0);
        PumpPending();
    }
    std::string RowText(int row) const { return ListItemText(List(), row, 0); }
};

TEST_F(LauncherShortcutTest, TheSystemMenuSavesTheProfileAndALinkThatRunsIt) {
    ScriptedServices services;
    services.AnswerFile(kProfile);
    ASSERT_NE(Start(), nullptr);
    HMENU menu = GetSystemMenu(Window(), FALSE);
    wchar_t entry[64] = L"";
    GetMenuStringW(menu, IDM_CREATESHORTCUT, entry, 64, MF_BYCOMMAND);
    EXPECT_EQ(SjisOfWide(entry), Sjis("ショートカットを作成…"));
    CreateShortcut();
    EXPECT_EQ(ReadFileText(kProfile), "[KMX]\r\nFDD1=a.kfd\r\nFDD2=\r\nHDD1=\r\nHDD2=\r\nFont=\r\nResume=0\r\nSound=1\r\n");
    ASSERT_EQ(services.m_shortcuts.size(), 1u);
    const Shortcut& link = services.m_shortcuts[0];
    EXPECT_EQ(link.file, kLink);
    EXPECT_EQ(link.target, GetModulePathWide());
    EXPECT_EQ(link.arguments, L"/run \"D:\\orvane\\my game.ini\"");
    EXPECT_EQ(link.folder, GetModulePathWide().substr(0, GetModulePathWide().find_last_of(L'\\')));
    ExpectFileDialog(services.m_fileDialogs.at(0), false, "", "ini", "INI Files(*.ini)|*.ini|All Files(*.*)|*.*||",
                     OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
}

TEST_F(LauncherShortcutTest, AnExistingLinkIsReplacedOnlyWhenTheUserSaysYes) {
    MakeFile(kLink, "old");
    ScriptedServices services;
    services.AnswerFile(kProfile);
    services.AnswerMessage(IDNO);
    services.AnswerFile(kProfile);
    services.AnswerMessage(IDYES);
    ASSERT_NE(Start(), nullptr);
    CreateShortcut();
    // No leaves every file as it was.
    EXPECT_FALSE(FileExists(kProfile));
    EXPECT_TRUE(services.m_shortcuts.empty());
    CreateShortcut();
    EXPECT_TRUE(FileExists(kProfile));
    EXPECT_EQ(services.m_shortcuts.size(), 1u);
    ASSERT_EQ(services.m_wideMessages.size(), 2u);
    EXPECT_EQ(services.m_wideMessages[0], kLink + WideOfSjis(texts::kReplaceQuestion));
    EXPECT_EQ(services.m_messageTypes[0], static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
}

TEST_F(LauncherShortcutTest, AProfileThatCannotBeWrittenMakesNoLink) {
    ScriptedServices services;
    services.AnswerFile("D:\\orvane\\missing\\p.ini");
    services.AnswerMessage(IDOK);
    ASSERT_NE(Start(), nullptr);
    CreateShortcut();
    EXPECT_EQ(services.m_messages.at(0), "D:\\orvane\\missing\\p.ini" + std::string(texts::kCouldNotOpen));
    EXPECT_TRUE(services.m_shortcuts.empty());
}

TEST_F(LauncherShortcutTest, AProfileDroppedOnTheWindowIsLoadedAndAnUnreadableOneChangesNothing) {
    MakeFile("D:\\orvane\\dropped.ini", "[KMX]\r\nFDD1=b.kfd\r\nSound=0\r\n");
    MakeFile("D:\\orvane\\held.ini", "[KMX]\r\nFDD1=c.kfd\r\n");
    ScriptedServices services;
    services.AnswerMessage(IDOK);
    services.AnswerMessage(IDOK);
    ASSERT_NE(Start(), nullptr);
    SendMessageW(Window(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({L"D:\\orvane\\dropped.ini", L"D:\\x.ini"})), 0);
    EXPECT_EQ(ControlText(IDC_FDD1), "b.kfd");
    EXPECT_EQ(RowText(0), Sjis("なし"));
    {
        HeldFile held("D:\\orvane\\held.ini", 0);
        SendMessageW(Window(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({L"D:\\orvane\\held.ini"})), 0);
    }
    SendMessageW(Window(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({L"D:\\orvane"})), 0);
    EXPECT_EQ(services.m_messages, (std::vector<std::string>{"D:\\orvane\\held.ini" + std::string(texts::kCouldNotOpen),
                                                             "D:\\orvane" + std::string(texts::kCouldNotOpen)}));
    EXPECT_EQ(ControlText(IDC_FDD1), "b.kfd");
    EXPECT_EQ(RowText(0), Sjis("なし"));
}

TEST_F(LauncherShortcutTest, AProfileFromTheCommandLineIsReadAfterKmxIni) {
    MakeFile("D:\\orvane\\start.ini", "[KMX]\r\nFDD2=s.kfd\r\nSound=0\r\n");
    m_dialog = std::make_unique<LauncherDialog>();
    m_dialog->m_strStartProfile = L"D:\\orvane\\start.ini";
    ASSERT_NE(m_dialog->Create(), nullptr);
    EXPECT_EQ(ControlText(IDC_FDD1), "");
    EXPECT_EQ(ControlText(IDC_FDD2), "s.kfd");
    EXPECT_EQ(RowText(0), Sjis("なし"));
}

TEST_F(LauncherShortcutTest, AMissingProfileFromTheCommandLineLeavesKmxIniShown) {
    ScriptedServices services;
    services.AnswerMessage(IDOK);
    m_dialog = std::make_unique<LauncherDialog>();
    m_dialog->m_strStartProfile = L"D:\\orvane\\gone.ini";
    ASSERT_NE(m_dialog->Create(), nullptr);
    EXPECT_EQ(services.m_messages.at(0), "D:\\orvane\\gone.ini" + std::string(texts::kCouldNotOpen));
    EXPECT_EQ(ControlText(IDC_FDD1), "a.kfd");
    EXPECT_EQ(RowText(0), Sjis("あり"));
}

}  // namespace
