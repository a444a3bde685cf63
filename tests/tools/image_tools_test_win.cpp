// The new hard-disk image dialog and the font bitmap generator, driven with scripted dialogs.
#include <windows.h>

#include <commdlg.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/launcher_fixture.h"
#include "common/texts.h"
#include "resource.h"
#include "support/dialog_driver.h"
#include "support/held_file.h"
#include "support/scripted_services.h"
#include "support/temp_dir.h"
#include "tools/new_hard_disk_dialog.h"

using namespace std::string_literals;

namespace {

const std::string kFolder = "D:\\orvane\\disks";

class NewHardDiskTest : public ::testing::Test {
protected:
    void SetUp() override {
        RemoveTree("D:\\orvane");
        MakeFolder(kFolder);
    }
    void TearDown() override {
        m_dialog.reset();
        RemoveTree("D:\\orvane");
    }

    // Opens the dialog, fills its two fields and presses OK.
    void Submit(const std::string& fileName, const std::string& size) {
        if (!m_dialog) {
            m_dialog = std::make_unique<NewHardDiskDialog>();
            ASSERT_NE(m_dialog->Create(), nullptr);
        }
        SetDlgItemTextA(m_dialog->GetSafeHwnd(), IDC_HDD_FILE_NAME, fileName.c_str());
        SetDlgItemTextA(m_dialog->GetSafeHwnd(), IDC_HDD_SIZE, size.c_str());
        ClickButton(m_dialog->GetSafeHwnd(), IDOK);
        ASSERT_TRUE(PumpUntil([&] { return !m_dialog->IsWriting(); }));
    }

    std::string SizeField() const { return TextOf(GetDlgItem(m_dialog->GetSafeHwnd(), IDC_HDD_SIZE)); }
    int FilesInFolder() const {
        int count = 0;
        WIN32_FIND_DATAA entry;
        HANDLE find = FindFirstFileA((kFolder + "\\*").c_str(), &entry);
        do {
            if (entry.cFileName[0] != '.') ++count;
        } while (FindNextFileA(find, &entry));
        FindClose(find);
        return count;
    }

    std::unique_ptr<NewHardDiskDialog> m_dialog;
};

}  // namespace

TEST_F(NewHardDiskTest, ASmallImageIsWrittenAndTheDialogEndsWithOk) {
    ScriptedServices services;
    const std::string path = kFolder + "\\disk";  // no extension is added to a typed name
    Submit(path, "1");
    ASSERT_TRUE(m_dialog->IsEnded());
    EXPECT_EQ(m_dialog->Result(), IDOK);
    EXPECT_EQ(m_dialog->m_strFileName, path);
    const std::string bytes = ReadFileText(path);
    ASSERT_EQ(bytes.size(), 1048832u);
    EXPECT_EQ(bytes.substr(0, 2), "\x0F\x00"s);
    EXPECT_EQ(bytes.find_first_not_of('\0', 2), std::string::npos);
    EXPECT_EQ(FilesInFolder(), 1);
}

TEST_F(NewHardDiskTest, SizesAreCheckedBeforeAnythingIsWritten) {
    ScriptedServices services;
    for (int i = 0; i < 5; ++i) services.AnswerMessage(IDOK);
    Submit("", "0");                    // the name is asked for first
    Submit(kFolder + "\\a.khd", "");
    Submit(kFolder + "\\a.khd", "abc");
    Submit(kFolder + "\\a.khd", "-5");  // a negative size would make a header-only image
    Submit(kFolder + "\\a.khd", "0");
    EXPECT_FALSE(m_dialog->IsEnded());
    const std::string enterSize = Sjis("ファイルサイズを指定してください。");
    EXPECT_EQ(services.m_messages, (std::vector<std::string>{Sjis("ファイル名を入力してください。"), enterSize, enterSize,
                                                             enterSize, enterSize}));
    EXPECT_EQ(services.m_messageTypes[0], static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
    EXPECT_EQ(FilesInFolder(), 0);
}

TEST_F(NewHardDiskTest, OnlyImagesOverOneHundredTwentyEightMegabytesAreQuestioned) {
    ScriptedServices services;
    services.AnswerMessage(IDNO);
    Submit(kFolder + "\\big.khd", "129");
    EXPECT_FALSE(m_dialog->IsEnded());
    EXPECT_EQ(SizeField(), "129");
    EXPECT_EQ(services.m_messages, std::vector<std::string>{Sjis("128MBを超えるHDDです。本当に作成してもよろしいですか？")});
    EXPECT_EQ(services.m_messageTypes[0], static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(FilesInFolder(), 0);
    Submit(kFolder + "\\limit.khd", "128");
    ASSERT_TRUE(m_dialog->IsEnded());
    EXPECT_EQ(ReadFileText(kFolder + "\\limit.khd").size(), 256u + 128u * 1048576u);
    EXPECT_EQ(services.m_messages.size(), 1u);
}

TEST_F(NewHardDiskTest, ATypedNameOfAnExistingFileIsAskedAboutOnce) {
    const std::string path = kFolder + "\\data.khd";
    MakeFile(path, "the user's data");
    {
        ScriptedServices services;
        services.AnswerMessage(IDNO);
        Submit(path, "1");
        EXPECT_FALSE(m_dialog->IsEnded());
        EXPECT_EQ(ReadFileText(path), "the user's data");
        EXPECT_EQ(services.m_messages, std::vector<std::string>{path + Sjis("\nは既に存在します。置き換えますか？")});
    }
    {
        // Chosen in the field's save-as dialog, which asked already: no second question.
        ScriptedServices services;
        services.AnswerFile(path);
        SendMessageA(GetDlgItem(m_dialog->GetSafeHwnd(), IDC_HDD_FILE_NAME), WM_LBUTTONDBLCLK, MK_LBUTTON, 0);
        ASSERT_EQ(services.m_fileDialogs.size(), 1u);
        EXPECT_FALSE(services.m_fileDialogs[0].open);
        EXPECT_EQ(services.m_fileDialogs[0].flags, static_cast<DWORD>(OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT));
        EXPECT_EQ(services.m_fileDialogs[0].defaultExtension, "khd");
        SetDlgItemTextA(m_dialog->GetSafeHwnd(), IDC_HDD_SIZE, "1");
        ClickButton(m_dialog->GetSafeHwnd(), IDOK);
        EXPECT_TRUE(PumpUntil([&] { return m_dialog->IsEnded(); }));
        EXPECT_EQ(ReadFileText(path).size(), 1048832u);
    }
}

TEST_F(NewHardDiskTest, FileErrorsKeepTheDialogOpenAndTheEarlierFile) {
    const std::string readOnly = kFolder + "\\locked.khd";
    MakeFile(readOnly, "kept");
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
    ScriptedServices services;
    services.AnswerMessage(IDOK);
    services.AnswerMessage(IDOK);
    services.AnswerMessage(IDOK);
    Submit(kFolder + "\\missing\\disk.khd", "1");
    Submit(readOnly, "1");
    Submit(kFolder, "1");  // a folder's name
    EXPECT_FALSE(m_dialog->IsEnded());
    // A target that cannot be replaced is reported without asking about replacing it.
    ASSERT_EQ(services.m_messages.size(), 3u);
    EXPECT_EQ(services.m_messages[0], kFolder + "\\missing\\disk.khd" + Sjis("\nファイルのパスが有効ではありません。"));
    EXPECT_EQ(services.m_messageTypes[0], static_cast<UINT>(MB_OK | MB_ICONSTOP));
    EXPECT_EQ(services.m_messages[1], readOnly + Sjis("\nファイルが開けません。アクセスが拒否されました。"));
    EXPECT_EQ(services.m_messages[2], kFolder + Sjis("\nファイルが開けません。アクセスが拒否されました。"));
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(ReadFileText(readOnly), "kept");
    EXPECT_EQ(FilesInFolder(), 1);
}

TEST_F(NewHardDiskTest, CancelStopsALargeImageAndLeavesTheEarlierFileAlone) {
    const std::string path = kFolder + "\\data.khd";
    MakeFile(path, "the user's data");
    ScriptedServices services;
    services.AnswerMessage(IDYES);  // over 128 MB
    services.AnswerMessage(IDYES);  // replace the existing file
    m_dialog = std::make_unique<NewHardDiskDialog>();
    ASSERT_NE(m_dialog->Create(), nullptr);
    SetDlgItemTextA(m_dialog->GetSafeHwnd(), IDC_HDD_FILE_NAME, path.c_str());
    SetDlgItemTextA(m_dialog->GetSafeHwnd(), IDC_HDD_SIZE, "1024");
    ClickButton(m_dialog->GetSafeHwnd(), IDOK);
    // The dialog keeps running its messages while it writes, and shows how far it got.
    ASSERT_TRUE(PumpUntil([&] { return SizeField().find('/') != std::string::npos; }));
    EXPECT_TRUE(m_dialog->IsWriting());
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(m_dialog->GetSafeHwnd(), IDOK)));
    ClickButton(m_dialog->GetSafeHwnd(), IDCANCEL);
    EXPECT_TRUE(m_dialog->IsEnded());
    EXPECT_EQ(m_dialog->Result(), IDCANCEL);
    EXPECT_EQ(ReadFileText(path), "the user's data");
    EXPECT_EQ(FilesInFolder(), 1);  // no temporary file left
}

class ImageToolsFromTheMainDialog : public LauncherDialogTest {
protected:
    void SetUp() override {
        LauncherDialogTest::SetUp();
        MakeFile(kEmulatorDir + "\\KMX.INI", "[KMX]\r\nHDD1=old1.khd\r\nHDD2=old2.khd\r\nFont=old.bmp\r\n");
        WriteLauncherIni("[ORVANE Settings]\r\nKMXPath=" + kEmulatorDir + "\r\n");
    }
};

// The modal dialog is filled in and confirmed from a timer while it runs; an empty size means
// a first attempt that fails (a missing folder) and then Cancel.
std::string g_strTypedName;
std::string g_strTypedSize;
void CALLBACK FillNewHardDisk(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = FindWindowW(L"#32770", L"新規HDD作成");
    if (dialog == nullptr) return;
    KillTimer(nullptr, timer);
    SetDlgItemTextA(dialog, IDC_HDD_FILE_NAME, g_strTypedName.c_str());
    SetDlgItemTextA(dialog, IDC_HDD_SIZE, g_strTypedSize.empty() ? "1" : g_strTypedSize.c_str());
    if (g_strTypedSize.empty()) SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    PostMessageA(dialog, WM_COMMAND, g_strTypedSize.empty() ? IDCANCEL : IDOK, 0);
}

TEST_F(ImageToolsFromTheMainDialog, NewHardDisksGoIntoTheirOwnField) {
    ScriptedServices services;
    ASSERT_NE(Start(), nullptr);
    g_strTypedName = "D:\\orvane\\second.khd";
    g_strTypedSize = "2";
    SetTimer(nullptr, 0, 50, FillNewHardDisk);
    ClickButton(Window(), IDC_NEW_HDD2);
    EXPECT_EQ(ControlText(IDC_HDD2), "D:\\orvane\\second.khd");
    EXPECT_EQ(ControlText(IDC_HDD1), "old1.khd");
    EXPECT_EQ(ReadFileText("D:\\orvane\\second.khd").size(), 256u + 2u * 1048576u);
    services.AnswerMessage(IDOK);
    g_strTypedName = "D:\\orvane\\missing\\first.khd";
    g_strTypedSize = "";  // fails, then Cancel
    SetTimer(nullptr, 0, 50, FillNewHardDisk);
    ClickButton(Window(), IDC_NEW_HDD1);
    EXPECT_EQ(ControlText(IDC_HDD1), "old1.khd");
    EXPECT_EQ(services.m_messages,
              std::vector<std::string>{g_strTypedName + Sjis("\nファイルのパスが有効ではありません。")});
}

// A face at a size as the font dialog gives it back on a screen of a DPI: the description's height
// measured for that screen, the size in tenths of a point.
ChosenFont FontAsChosen(const wchar_t* face, BYTE charSet, int points, int screenDpi = 96) {
    ChosenFont font;
    font.description.lfHeight = -MulDiv(points, screenDpi, 72);
    font.description.lfWeight = FW_NORMAL;
    font.description.lfCharSet = charSet;
    lstrcpyW(font.description.lfFaceName, face);
    font.pointSize = 10 * points;
    return font;
}

ChosenFont GothicFont(int points, int screenDpi = 96) { return FontAsChosen(L"IPAGothic", SHIFTJIS_CHARSET, points, screenDpi); }

TEST_F(ImageToolsFromTheMainDialog, FontBitmapsAreWrittenWholeAndNamedInTheFontField) {
    // Kept beside the other test results, for the independent check of their pixels and the
    // comparison with those made under the other code pages.
    const std::string folder = "D:\\fonts\\cp" + std::to_string(GetACP());
    MakeFolder(folder);
    const std::string font16 = folder + "\\font16.bmp";
    const std::string font24 = folder + "\\font24.bmp";
    const std::string at200 = "D:\\orvane\\at200.bmp";
    ScriptedServices services;
    services.AnswerFont(std::nullopt);
    services.AnswerFont(GothicFont(12));
    services.AnswerFile(std::nullopt);
    services.AnswerFont(GothicFont(12));
    services.AnswerFile(font16);
    services.AnswerFont(GothicFont(18));
    services.AnswerFile(font24);
    services.AnswerFont(GothicFont(12, 192));  // measured by a font dialog on a 200% screen
    services.AnswerFile(at200);
    ASSERT_NE(Start(), nullptr);
    ClickButton(Window(), IDC_NEW_FONT);  // font dialog cancelled
    ClickButton(Window(), IDC_NEW_FONT);  // file dialog cancelled
    EXPECT_EQ(ControlText(IDC_FONT), "old.bmp");
    ClickButton(Window(), IDC_NEW_FONT);
    EXPECT_EQ(ControlText(IDC_FONT), font16);
    EXPECT_EQ(ReadFileText(font16).size(), 524350u);
    ClickButton(Window(), IDC_NEW_FONT);
    EXPECT_EQ(ReadFileText(font24).size(), 524350u);
    // The glyphs have the chosen size at 100%, the emulator's, whatever screen the dialog measured on.
    ClickButton(Window(), IDC_NEW_FONT);
    EXPECT_EQ(ReadFileText(at200), ReadFileText(font16));
    ASSERT_EQ(services.m_fileDialogs.size(), 4u);
    const FileDialogOptions& save = services.m_fileDialogs[1];
    ExpectFileDialog(save, false, "font.bmp", "bmp", "Bitmaps(*.bmp)|*.bmp|All files(*.*)|*.*||",
                     OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
    EXPECT_TRUE(services.m_messages.empty());
}

TEST_F(ImageToolsFromTheMainDialog, CodesTheChosenFaceLacksAreDrawnInAJapaneseOneAndCounted) {
    const std::string path = "D:\\orvane\\mono.bmp";
    ScriptedServices services;
    services.AnswerFont(FontAsChosen(L"DejaVu Sans Mono", ANSI_CHARSET, 12));
    services.AnswerFile(path);
    services.AnswerMessage(IDOK);
    ASSERT_NE(Start(), nullptr);
    ClickButton(Window(), IDC_NEW_FONT);
    EXPECT_EQ(ReadFileText(path).size(), 524350u);
    // The box comes once the file is in place: its path, how many of the 8,714 codes with
    // characters came from which face.
    ASSERT_EQ(services.m_messages.size(), 1u);
    EXPECT_EQ(services.m_messageTypes[0], static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
    const std::string& box = services.m_messages[0];
    const std::string counts = path + "\n8714 " + Sjis("文字のうち ");
    ASSERT_EQ(box.substr(0, counts.size()), counts);
    const int fallbackCodes = std::atoi(box.c_str() + counts.size());
    EXPECT_GT(fallbackCodes, 8000);  // the kanji, kana and full-width forms, not its own Latin letters
    EXPECT_LT(fallbackCodes, 8714 - 90);
    EXPECT_NE(box.find(Sjis("文字は、選んだフォントにないため「IPA")), std::string::npos) << box;
    EXPECT_EQ(box.substr(box.size() - Sjis("」で描きました。").size()), Sjis("」で描きました。"));
}

TEST_F(ImageToolsFromTheMainDialog, AnUnopenableFontTargetKeepsTheFieldAndLeavesNoFile) {
    const std::string locked = "D:\\orvane\\locked.bmp";
    const std::string held = "D:\\orvane\\held.bmp";
    MakeFile(locked, "kept");
    MakeFile(held, "held");
    SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_READONLY);
    auto holder = std::make_unique<HeldFile>(held, FILE_SHARE_READ);
    ASSERT_TRUE(holder->IsHeld());
    ScriptedServices services;
    for (const std::string& target : {locked, held}) {
        services.AnswerFont(GothicFont(12));
        services.AnswerFile(target);
        services.AnswerMessage(IDOK);
    }
    ASSERT_NE(Start(), nullptr);
    ClickButton(Window(), IDC_NEW_FONT);
    ClickButton(Window(), IDC_NEW_FONT);
    EXPECT_EQ(ControlText(IDC_FONT), "old.bmp");
    EXPECT_EQ(services.m_messages, (std::vector<std::string>{locked + Sjis("\nファイルが開けませんでした。"),
                                                             held + Sjis("\nファイルが開けませんでした。")}));
    EXPECT_EQ(services.m_messageTypes, (std::vector<UINT>{MB_OK, MB_OK}));
    holder.reset();
    SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(ReadFileText(locked), "kept");
    EXPECT_EQ(ReadFileText(held), "held");
    EXPECT_EQ(CountEntries("D:\\orvane"), 3);  // the emulator's folder and the two targets, no temporary file
}

TEST_F(NewHardDiskTest, TargetsThatCannotBeCreatedAreReportedBeforeAnyDataIsWritten) {
    const std::string held = kFolder + "\\held.khd";
    MakeFile(held, "another program's disk");
    auto holder = std::make_unique<HeldFile>(held, FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_TRUE(holder->IsHeld());
    ScriptedServices services;
    services.AnswerMessage(IDOK);
    services.AnswerMessage(IDOK);
    services.AnswerMessage(IDOK);
    m_dialog = std::make_unique<NewHardDiskDialog>();
    ASSERT_NE(m_dialog->Create(), nullptr);
    for (const std::string& name : {kFolder + "\\a<b.khd", kFolder + "\\CON.khd", held}) {
        SetDlgItemTextA(m_dialog->GetSafeHwnd(), IDC_HDD_FILE_NAME, name.c_str());
        SetDlgItemTextA(m_dialog->GetSafeHwnd(), IDC_HDD_SIZE, "64");
        ClickButton(m_dialog->GetSafeHwnd(), IDOK);
        // Reported within the click: no writing began.
        EXPECT_FALSE(m_dialog->IsWriting()) << name;
        ASSERT_TRUE(PumpUntil([&] { return !m_dialog->IsWriting(); }));
    }
    ASSERT_EQ(services.m_messages.size(), 3u);
    EXPECT_EQ(services.m_messages[0], kFolder + "\\a<b.khd" + Sjis("\nファイルのパスが有効ではありません。"));
    EXPECT_EQ(services.m_messages[1], kFolder + "\\CON.khd" + Sjis("\nファイルのパスが有効ではありません。"));
    // A sharing violation is "any other error" to this dialog.
    EXPECT_EQ(services.m_messages[2], held + Sjis("\nファイルアクセスエラーです。中止します。"));
    EXPECT_FALSE(m_dialog->IsEnded());
    EXPECT_EQ(SizeField(), "64");
    EXPECT_EQ(FilesInFolder(), 1);
    holder.reset();
    EXPECT_EQ(ReadFileText(held), "another program's disk");
}
