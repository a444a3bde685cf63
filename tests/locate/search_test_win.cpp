// The drive search and the emulator path check, in a Wine prefix whose only fixed drives are
// C: and a test drive D:, so the walk covers what the tests lay out.
#include <windows.h>
#include <commdlg.h>

#include <gtest/gtest.h>

#include "common/paths.h"
#include "common/texts.h"
#include "locate/emulator_path_check.h"
#include "locate/emulator_search_dialog.h"
#include "resource.h"
#include "support/cp932_literal.h"
#include "support/dialog_driver.h"
#include "support/scripted_services.h"
#include "support/win_files.h"

namespace {

class SearchTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(GetDriveTypeA("D:\\"), static_cast<UINT>(DRIVE_FIXED)) << "the test prefix lacks its drive D:";
        Clean();
    }
    void TearDown() override { Clean(); }

    void Clean() {
        RemoveTree(m_strLauncherTree);
        RemoveTree("D:\\orvane");
        RemoveTree("D:\\KMX.EXE");
        RemoveTree(m_strLauncherIni);
    }

    // Runs the search dialog modally, as the path check does, and answers its result.
    INT_PTR Search(EmulatorSearchDialog& dialog) {
        dialog.m_strTarget = "KMX.EXE";
        return dialog.DoModal();
    }

    const std::string m_strLauncherTree = GetModuleDirectory() + "\\orvane-launcher-tree";
    const std::string m_strLauncherIni = GetModuleDirectory() + "\\orvane-check.ini";
};

// A walk of a few thousand folders, long enough to be stopped in the middle.
void MakeLargeTree() {
    for (int i = 0; i < 40; ++i) {
        for (int j = 0; j < 40; ++j) MakeFolder("D:\\orvane\\big\\" + std::to_string(i) + "\\" + std::to_string(j));
    }
}

}  // namespace

TEST_F(SearchTest, TheLauncherTreeComesBeforeAnyDrive) {
    MakeFile(m_strLauncherTree + "\\sub\\KMX.EXE");
    MakeFile("D:\\KMX.EXE");
    EmulatorSearchDialog dialog;
    EXPECT_EQ(Search(dialog), IDOK);
    EXPECT_EQ(dialog.m_strResult, m_strLauncherTree + "\\sub\\KMX.EXE");
}

TEST_F(SearchTest, FindsTheTargetOnAFixedDriveWhateverItsCase) {
    MakeFile("D:\\orvane\\a\\b\\kmx.exe");
    EmulatorSearchDialog dialog;
    EXPECT_EQ(Search(dialog), IDOK);
    EXPECT_EQ(dialog.m_strResult, "D:\\orvane\\a\\b\\kmx.exe");
}

TEST_F(SearchTest, EnterAndForeignResultsDoNotEndTheSearch) {
    MakeLargeTree();
    // Wine lists a folder sorted by name, so a depth-first walk reaches 9\\8 before 9\\9.
    MakeFile("D:\\orvane\\big\\9\\9\\KMX.EXE");
    MakeFile("D:\\orvane\\big\\9\\8\\KMX.EXE");
    EmulatorSearchDialog dialog;
    dialog.m_strTarget = "KMX.EXE";
    ASSERT_NE(dialog.Create(), nullptr);
    SendMessageA(dialog.GetSafeHwnd(), WM_COMMAND, IDOK, 0);  // Enter
    SearchRequest foreign{};
    foreign.found = "D:\\forged\\KMX.EXE";
    SendMessageA(dialog.GetSafeHwnd(), WM_SEARCH_DONE, Found, reinterpret_cast<LPARAM>(&foreign));
    EXPECT_FALSE(dialog.IsEnded());
    ASSERT_TRUE(PumpUntil([&] { return dialog.IsEnded(); }));
    EXPECT_EQ(dialog.Result(), IDOK);
    EXPECT_EQ(dialog.m_strResult, "D:\\orvane\\big\\9\\8\\KMX.EXE");
}

TEST_F(SearchTest, APathThatCodePage932CannotNameIsPassedOverAndReported) {
    MakeFile(std::wstring(L"D:\\orvane\\a€\\KMX.EXE"));
    ScriptedServices services;
    services.AnswerMessage(IDOK);
    {
        EmulatorSearchDialog dialog;
        EXPECT_EQ(Search(dialog), IDCANCEL);
    }
    EXPECT_EQ(services.m_wideMessages, std::vector<std::wstring>{L"D:\\orvane\\a€\\KMX.EXE\n"
                                                                 L"このパスにはシフトJISで表せない文字が含まれているため、使えません。"});
    // The walk goes on past it to one that can be named.
    MakeFile("D:\\orvane\\b\\KMX.EXE");
    EmulatorSearchDialog dialog;
    EXPECT_EQ(Search(dialog), IDOK);
    EXPECT_EQ(dialog.m_strResult, "D:\\orvane\\b\\KMX.EXE");
    EXPECT_EQ(services.m_messages.size(), 1u);
}

TEST_F(SearchTest, FoldersWithAnyAttributeBesidesDirectoryAreNotWalked) {
    const DWORD attributes[] = {FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM, FILE_ATTRIBUTE_READONLY,
                                FILE_ATTRIBUTE_ARCHIVE};
    int marked = 0;
    for (DWORD attribute : attributes) {
        const std::string folder = "D:\\orvane\\marked" + std::to_string(attribute);
        MakeFile(folder + "\\KMX.EXE");
        SetFileAttributesA(folder.c_str(), attribute | FILE_ATTRIBUTE_DIRECTORY);
        // Wine keeps the hidden and system marks of a folder but not read-only or archive;
        // a folder whose mark did not stick is a plain folder, and would be found.
        if (GetFileAttributesA(folder.c_str()) == (attribute | FILE_ATTRIBUTE_DIRECTORY)) {
            ++marked;
        } else {
            RemoveTree(folder);
        }
    }
    ASSERT_GE(marked, 2);
    EmulatorSearchDialog dialog;
    EXPECT_EQ(Search(dialog), IDCANCEL);
    EXPECT_EQ(dialog.m_strResult, "");
}

TEST_F(SearchTest, AnEmptyTargetEndsAtOnceWithoutAWorker) {
    EmulatorSearchDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.m_hThread, nullptr);
}

// Starts a search, presses Set at once, and runs the dialog to its end.
void SearchStoppedBySet(EmulatorSearchDialog& dialog) {
    dialog.m_strTarget = "KMX.EXE";
    ASSERT_NE(dialog.Create(), nullptr);
    ClickButton(dialog.GetSafeHwnd(), IDC_SEARCH_SET);
    ASSERT_TRUE(PumpUntil([&] { return dialog.IsEnded(); }));
}

TEST_F(SearchTest, SetStopsTheWalkAndOffersTheManualChoice) {
    MakeLargeTree();
    {
        ScriptedServices services;
        services.AnswerFile(Sjis("D:\\どこか\\kmx.EXE"));
        EmulatorSearchDialog dialog;
        SearchStoppedBySet(dialog);
        EXPECT_EQ(dialog.Result(), IDOK);
        EXPECT_EQ(dialog.m_strResult, Sjis("D:\\どこか\\kmx.EXE"));
        ASSERT_EQ(services.m_fileDialogs.size(), 1u);
        EXPECT_EQ(services.m_fileDialogs[0].fileName, "KMX.EXE");
        EXPECT_EQ(services.m_fileDialogs[0].flags, static_cast<DWORD>(OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT));
        EXPECT_TRUE(services.m_fileDialogs[0].open);
        EXPECT_TRUE(services.m_messages.empty());
    }
    {
        ScriptedServices services;
        services.AnswerFile("D:\\orvane\\OTHER.EXE");
        services.AnswerMessage(IDOK);
        EmulatorSearchDialog dialog;
        SearchStoppedBySet(dialog);
        EXPECT_EQ(dialog.Result(), IDCANCEL);
        EXPECT_EQ(dialog.m_strResult, "");
        EXPECT_EQ(services.m_messages, std::vector<std::string>{texts::kWrongFile});
    }
    {
        ScriptedServices services;
        services.AnswerFile(std::nullopt);
        EmulatorSearchDialog dialog;
        SearchStoppedBySet(dialog);
        EXPECT_EQ(dialog.Result(), IDCANCEL);
    }
}

TEST_F(SearchTest, EndingBeforeTheResultStopsAndJoinsTheWorker) {
    MakeLargeTree();
    const int threadsBefore = ThreadCount();
    for (UINT ending : {static_cast<UINT>(WM_COMMAND), static_cast<UINT>(WM_CLOSE)}) {
        EmulatorSearchDialog dialog;
        dialog.m_strTarget = "KMX.EXE";
        ASSERT_NE(dialog.Create(), nullptr);
        // Let the walk get going and show a folder or two.
        PumpUntil([] { return false; }, 50);
        ASSERT_NE(dialog.m_hThread, nullptr);
        if (ending == WM_COMMAND) {
            SendMessageA(dialog.GetSafeHwnd(), WM_COMMAND, IDCANCEL, 0);  // Escape
        } else {
            SendMessageA(dialog.GetSafeHwnd(), WM_CLOSE, 0, 0);
        }
        EXPECT_TRUE(dialog.IsEnded());
        EXPECT_EQ(dialog.Result(), IDCANCEL);
        EXPECT_EQ(dialog.m_hThread, nullptr);
        EXPECT_EQ(ThreadCount(), threadsBefore);
    }
}

TEST_F(SearchTest, PathCheckUsesTheRememberedFolderOrSearchesAndRemembersIt) {
    std::string dir;
    // Remembered and present: used without a search, even with no KMX.EXE in it.
    MakeFolder("D:\\orvane\\kept");
    MakeFile(m_strLauncherIni, "[ORVANE Settings]\r\nKMXPath=D:\\orvane\\kept\r\n");
    ASSERT_TRUE(CheckEmulatorPath(m_strLauncherIni, dir));
    EXPECT_EQ(dir, "D:\\orvane\\kept");

    // Gone: searched for; the folder with a 0x5C second byte (表) is cut at its real backslash.
    RemoveTree("D:\\orvane\\kept");
    MakeFile(Sjis("D:\\orvane\\表\\KMX.EXE"));
    ASSERT_TRUE(CheckEmulatorPath(m_strLauncherIni, dir));
    EXPECT_EQ(dir, Sjis("D:\\orvane\\表"));
    EXPECT_EQ(ReadFileText(m_strLauncherIni), "[ORVANE Settings]\r\nKMXPath=" + Sjis("D:\\orvane\\表") + "\r\n");

    // In a drive's root: the folder is the bare drive.
    RemoveTree("D:\\orvane");
    RemoveTree(m_strLauncherIni);
    MakeFile("D:\\KMX.EXE");
    ASSERT_TRUE(CheckEmulatorPath(m_strLauncherIni, dir));
    EXPECT_EQ(dir, "D:");

    // Nothing to find: false, and the remembered value stays.
    RemoveTree("D:\\KMX.EXE");
    MakeFile(m_strLauncherIni, "[ORVANE Settings]\r\nKMXPath=D:\\gone\r\n");
    EXPECT_FALSE(CheckEmulatorPath(m_strLauncherIni, dir));
    EXPECT_EQ(ReadFileText(m_strLauncherIni), "[ORVANE Settings]\r\nKMXPath=D:\\gone\r\n");
}

TEST_F(SearchTest, FoldersAreListedThePlainWayWhereTheFastListingIsRefused) {
    MakeFile("D:\\orvane\\a\\b\\KMX.EXE");
    static int asked = 0;
    SearchRequest request{};
    lstrcpyW(request.target, L"KMX.EXE");
    // As a system before Windows 7 answers the flags for short names left out and large batches.
    request.findFirstEx = [](LPCWSTR, FINDEX_INFO_LEVELS, LPVOID, FINDEX_SEARCH_OPS, LPVOID, DWORD) -> HANDLE {
        ++asked;
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    };
    wchar_t path[MAX_PATH] = L"D:\\orvane";
    EXPECT_TRUE(SearchDirectory(request, path, wcslen(path)));
    EXPECT_EQ(request.found, "D:\\orvane\\a\\b\\KMX.EXE");
    EXPECT_TRUE(request.plainListing);
    EXPECT_EQ(asked, 1);
}
