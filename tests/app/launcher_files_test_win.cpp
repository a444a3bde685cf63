// Settings files held open by another program: nothing of theirs is lost, and the user is told
// where the launcher's own operations say so.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/launcher_fixture.h"
#include "resource.h"
#include "support/dialog_driver.h"
#include "support/held_file.h"
#include "support/scripted_services.h"
#include "support/temp_dir.h"

namespace {

// The other program shares nothing; reading only; reading and writing but not replacing; or
// everything but reading, so the file cannot be read but could be replaced.
const DWORD kShareModes[] = {0, FILE_SHARE_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, FILE_SHARE_WRITE | FILE_SHARE_DELETE};

class HeldSettingsFileTest : public LauncherDialogTest {
protected:
    void SetUp() override {
        LauncherDialogTest::SetUp();
        m_strProfile = "[KMX]\r\nFDD1=a.kfd\r\nSound=1\r\n[Other]\r\nkept=1\r\n";
        m_strLauncherIni = "[ORVANE Settings]\r\nKMXPath=" + kEmulatorDir + "\r\n" + kSchema;
        MakeFile(kEmulatorDir + "\\KMX.INI", m_strProfile);
        WriteLauncherIni(m_strLauncherIni);
    }

    // No temporary file is left beside the launcher INI.
    static bool NoTemporaryFileBesideTheLauncher() {
        WIN32_FIND_DATAA entry;
        HANDLE find = FindFirstFileA((GetModuleDirectory() + "\\orv*.tmp").c_str(), &entry);
        if (find == INVALID_HANDLE_VALUE) return true;
        FindClose(find);
        return false;
    }

    std::string m_strProfile;
    std::string m_strLauncherIni;
};

}  // namespace

TEST_F(HeldSettingsFileTest, AHeldLauncherIniIsLeftAsItIsAtClose) {
    for (const DWORD share : kShareModes) {
        ScriptedServices services;
        ASSERT_NE(Start(), nullptr);
        SendMessageA(Control(IDC_LEGACY), BM_CLICK, 0, 0);
        {
            HeldFile holder(GetLauncherIniPath(), share);
            ASSERT_TRUE(holder.IsHeld());
            SendMessageA(Window(), WM_COMMAND, IDCANCEL, 0);
            ASSERT_TRUE(m_dialog->IsEnded());
        }
        EXPECT_EQ(ReadFileText(GetLauncherIniPath()), m_strLauncherIni) << share;
        EXPECT_TRUE(services.m_messages.empty());
        EXPECT_TRUE(NoTemporaryFileBesideTheLauncher());
    }
}

TEST_F(HeldSettingsFileTest, AHeldProfileIsReportedAtRunAndSaveAsAndLeftAsItIs) {
    const std::string kmxIni = kEmulatorDir + "\\KMX.INI";
    const std::string saved = "D:\\orvane\\saved.ini";
    MakeFile(saved, m_strProfile);
    ScriptedServices services;
    ASSERT_NE(Start(), nullptr);
    ASSERT_TRUE(Checked(IDC_WAIT_CHECK));
    ClickButton(Window(), IDC_EJECT_FDD1);
    for (const DWORD share : kShareModes) {
        services.m_messages.clear();
        services.AnswerFile(saved);
        services.AnswerMessage(IDOK);
        services.AnswerStart(true);
        services.AnswerMessage(IDOK);
        {
            HeldFile savedHolder(saved, share);
            HeldFile kmxHolder(kmxIni, share);
            ASSERT_TRUE(savedHolder.IsHeld() && kmxHolder.IsHeld());
            ClickButton(Window(), IDC_SAVE_AS);
            ClickButton(Window(), IDC_RUN);
        }
        EXPECT_EQ(services.m_messages,
                  (std::vector<std::string>{saved + Sjis("が開けませんでした。"), kmxIni + Sjis("が開けませんでした。")}))
            << share;
        EXPECT_EQ(ReadFileText(saved), m_strProfile);
        EXPECT_EQ(ReadFileText(kmxIni), m_strProfile);
        EXPECT_EQ(CountEntries(kEmulatorDir), 2);  // KMX.EXE and KMX.INI, no temporary file
    }
    // The emulator is started all the same.
    EXPECT_EQ(services.m_started.size(), std::size(kShareModes));
}
