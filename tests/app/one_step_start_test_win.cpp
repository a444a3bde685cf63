// The one-step paths beside the window: /run from the command line, the desktop shortcut from the
// system menu, a profile dropped on the window, and a profile named on the command line.
#include <windows.h>

#include <commdlg.h>
#include <gtest/gtest.h>

#include "app/command_line_run.h"
#include "app/launcher_fixture.h"
#include "common/paths.h"
#include "common/texts.h"
#include "common/wide.h"
#include "framework/file_error_report.h"
#include "resource.h"
#include "support/dialog_driver.h"
#include "support/held_file.h"
#include "support/scripted_services.h"

namespace {

const std::string kProfile = "D:\\orvane\\my game.ini";
const std::wstring kLink = L"D:\\orvane\\desktop\\my game.lnk";

class OneStepStartTest : public LauncherDialogTest {
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

TEST_F(OneStepStartTest, TheSystemMenuSavesTheProfileAndALinkThatRunsIt) {
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
    EXPECT_EQ(Wide(link.file), kLink);
    EXPECT_EQ(Wide(link.target), GetModulePathWide());
    EXPECT_EQ(Wide(link.arguments), L"/run \"D:\\orvane\\my game.ini\"");
    EXPECT_EQ(Wide(link.folder), GetModuleDirectoryWide());
    ExpectFileDialog(services.m_fileDialogs.at(0), false, "", "ini", "INI Files(*.ini)|*.ini|All Files(*.*)|*.*||",
                     OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
}

TEST_F(OneStepStartTest, AnExistingLinkIsReplacedOnlyWhenTheUserSaysYes) {
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

TEST_F(OneStepStartTest, AProfileThatCannotBeWrittenMakesNoLink) {
    ScriptedServices services;
    services.AnswerFile("D:\\orvane\\missing\\p.ini");
    services.AnswerMessage(IDOK);
    ASSERT_NE(Start(), nullptr);
    CreateShortcut();
    EXPECT_EQ(services.m_messages.at(0), "D:\\orvane\\missing\\p.ini" + std::string(texts::kCouldNotOpen));
    EXPECT_TRUE(services.m_shortcuts.empty());
}

TEST_F(OneStepStartTest, AProfileDroppedOnTheWindowIsLoadedAndAnUnreadableOneChangesNothing) {
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

TEST_F(OneStepStartTest, AProfileFromTheCommandLineIsReadAfterKmxIni) {
    MakeFile("D:\\orvane\\start.ini", "[KMX]\r\nFDD2=s.kfd\r\nSound=0\r\n");
    m_dialog = std::make_unique<LauncherDialog>();
    m_dialog->m_strStartProfile = "D:\\orvane\\start.ini";
    ASSERT_NE(m_dialog->Create(), nullptr);
    EXPECT_EQ(ControlText(IDC_FDD1), "");
    EXPECT_EQ(ControlText(IDC_FDD2), "s.kfd");
    EXPECT_EQ(RowText(0), Sjis("なし"));
}

TEST_F(OneStepStartTest, AMissingProfileFromTheCommandLineLeavesKmxIniShown) {
    ScriptedServices services;
    services.AnswerMessage(IDOK);
    m_dialog = std::make_unique<LauncherDialog>();
    m_dialog->m_strStartProfile = "D:\\orvane\\gone.ini";
    ASSERT_NE(m_dialog->Create(), nullptr);
    EXPECT_EQ(services.m_messages.at(0), "D:\\orvane\\gone.ini" + std::string(texts::kCouldNotOpen));
    EXPECT_EQ(ControlText(IDC_FDD1), "a.kfd");
    EXPECT_EQ(RowText(0), Sjis("あり"));
}

LaunchRequest RunRequest(const char16_t* profile, bool wait) {
    LaunchRequest request;
    request.run = true;
    request.wait = wait;
    request.profile = profile;
    return request;
}

TEST_F(OneStepStartTest, RunWritesKmxIniFromTheProfileAndEndsWithTheEmulatorsCode) {
    MakeFile("D:\\orvane\\p.ini", "[KMX]\r\nFDD2=p.kfd\r\nSound=0\r\n");
    MakeFile("D:\\orvane\\h.khd");
    ScriptedServices services;
    services.AnswerStart(true);
    services.m_exitCode = 9;
    LaunchRequest request = RunRequest(u"D:\\orvane\\p.ini", true);
    request.images[kSlotHdd1] = u"D:\\orvane\\h.khd";
    EXPECT_EQ(RunFromCommandLine(request), 9);
    EXPECT_EQ(ReadFileText(kEmulatorDir + "\\KMX.INI"),
              "[KMX]\r\nFDD1=\r\nSound=0\r\nFDD2=p.kfd\r\nHDD1=D:\\orvane\\h.khd\r\nHDD2=\r\nFont=\r\nResume=0\r\n");
    EXPECT_EQ(services.m_started, (std::vector<std::string>{kEmulatorDir + "\\KMX.EXE|" + kEmulatorDir}));
    EXPECT_EQ(services.m_waits, 1);
}

TEST_F(OneStepStartTest, RunRefusesWhatItCannotUseAndWritesNothing) {
    const std::string kmxIni = kEmulatorDir + "\\KMX.INI";
    const std::string before = ReadFileText(kmxIni);
    MakeFile("D:\\orvane\\p.ini", "[KMX]\r\nSound=0\r\n");
    ScriptedServices services;
    for (int i = 0; i < 5; ++i) services.AnswerMessage(IDOK);
    // A folder for a profile, and an image that another program holds.
    EXPECT_EQ(RunFromCommandLine(RunRequest(u"D:\\orvane", false)), kExitBadFile);
    {
        HeldFile held("D:\\orvane\\p.ini", 0);
        EXPECT_EQ(RunFromCommandLine(RunRequest(u"D:\\orvane\\p.ini", false)), kExitBadFile);
    }
    // KMX.INI that cannot be written: the emulator is not started on the old settings.
    {
        HeldFile held(kmxIni, 0);
        EXPECT_EQ(RunFromCommandLine(RunRequest(u"D:\\orvane\\p.ini", false)), kExitNotWritten);
    }
    // A remembered folder too long for the emulator's files, though the emulator stands there.
    const std::string longDir = "D:\\orvane\\" + std::string(252 - 10, 'x');
    MakeFile(L"\\\\?\\" + WideOfSjis(longDir) + L"\\KMX.EXE", "");
    WriteLauncherIni("[ORVANE Settings]\r\nKMXPath=" + longDir + "\r\n");
    EXPECT_EQ(RunFromCommandLine(RunRequest(u"D:\\orvane\\p.ini", false)), kExitNoEmulator);
    RemoveTree(L"\\\\?\\" + WideOfSjis(longDir));
    // No emulator folder remembered: no drive search from a shortcut.
    WriteLauncherIni("[KMX]\r\nSound=11|BOOL|s\r\n");
    EXPECT_EQ(RunFromCommandLine(RunRequest(u"D:\\orvane\\p.ini", false)), kExitNoEmulator);
    EXPECT_EQ(services.m_messages,
              (std::vector<std::string>{FileErrorText(fileio::FileError::AccessDenied, "D:\\orvane"),
                                        FileErrorText(fileio::FileError::SharingViolation, "D:\\orvane\\p.ini"),
                                        kmxIni + texts::kCouldNotOpen, longDir + texts::kEmulatorFolderTooLong,
                                        texts::kNoEmulatorFolder}));
    EXPECT_TRUE(services.m_started.empty());
    EXPECT_EQ(ReadFileText(kmxIni), before);
}

}  // namespace
