// The main dialog: start-up, system menu, painting, the path fields' buttons and the settings list.
#include "app/launcher_dialog.h"

#include <commctrl.h>
#include <commdlg.h>

#include "app/about_dialog.h"
#include "common/file_io.h"
#include "common/paths.h"
#include "common/texts.h"
#include "controls/list_view.h"
#include "framework/dpi.h"
#include "framework/services.h"
#include "locate/emulator_path_check.h"
#include "resource.h"
#include "settings/ini_file.h"
#include "settings/schema.h"

namespace {

constexpr char kFloppyFilter[] = "KMX FD(*.kfd)|*.kfd|All Files(*.*)|*.*||";
constexpr char kHardDiskFilter[] = "KMX HD(*.khd)|*.khd|All Files(*.*)|*.*||";
constexpr char kBitmapFilter[] = "Bitmaps(*.bmp)|*.bmp|All Files(*.*)|*.*||";

}  // namespace

BEGIN_MESSAGE_MAP(LauncherDialog)
    ON_MESSAGE(WM_SYSCOMMAND, OnSysCommand)
    ON_MESSAGE(WM_DESTROY, OnDestroy)
    ON_MESSAGE(WM_PAINT, OnPaint)
    ON_MESSAGE(WM_QUERYDRAGICON, OnQueryDragIcon)
    ON_MESSAGE(WM_DROPFILES, OnDropFiles)
    ON_BN_CLICKED_RANGE(IDC_EJECT_FDD1, IDC_EJECT_HDD2, OnEject)
    ON_BN_CLICKED_RANGE(IDC_OPEN_FDD1, IDC_OPEN_HDD2, OnOpenImage)
    ON_NOTIFY(NM_CLICK, IDC_SETTINGS, OnSettingsClick)
    ON_NOTIFY(NM_RETURN, IDC_SETTINGS, OnSettingsReturn)
    ON_NOTIFY(LVN_KEYDOWN, IDC_SETTINGS, OnSettingsKeyDown)
    ON_NOTIFY(LVN_BEGINLABELEDITW, IDC_SETTINGS, OnSettingsBeginLabelEdit)
    ON_NOTIFY(LVN_ENDLABELEDITW, IDC_SETTINGS, OnSettingsEndLabelEdit)
    ON_BN_CLICKED(IDC_RUN, OnRun)
    ON_BN_CLICKED(IDC_SAVE_AS, OnSaveAs)
    ON_BN_CLICKED(IDC_LOAD, OnLoad)
    ON_BN_CLICKED(IDC_ERASE_RESUME, OnEraseResume)
    ON_BN_CLICKED(IDC_HELP_BUTTON, OnHelp)
    ON_BN_CLICKED(IDC_NEW_HDD1, OnNewHdd1)
    ON_BN_CLICKED(IDC_NEW_HDD2, OnNewHdd2)
    ON_BN_CLICKED(IDC_NEW_FONT, OnNewFont)
END_MESSAGE_MAP()

LauncherDialog::LauncherDialog()
    : Dialog(IDD_LAUNCHER, nullptr) {}

LauncherDialog::~LauncherDialog() {
    if (m_hIcon != nullptr) DestroyIcon(m_hIcon);
    if (m_hSmallIcon != nullptr) DestroyIcon(m_hSmallIcon);
}

std::array<ImagePathEdit*, kImageSlotCount> LauncherDialog::PathFields() {
    return {&m_fdd1Edit, &m_fdd2Edit, &m_hdd1Edit, &m_hdd2Edit, &m_fontEdit};
}

BOOL LauncherDialog::OnInitDialog() {
    AddSystemMenuEntries();
    LoadIcons(Dpi());
    SetUpPathFields();

    // A launcher INI that code page 932 cannot name reads as missing everywhere: said once, here.
    const std::string launcherIniPath = GetLauncherIniPath();
    if (launcherIniPath.empty()) ReportLauncherFolderBeyondCp932();
    const ini::IniDocument launcherIni = ini::LoadIniFile(launcherIniPath);
    SetChecked(IDC_LEGACY, launcherIni.GetInt(kLauncherSection, kLegacyKey, 1) != 0);
    SetChecked(IDC_WAIT_CHECK, launcherIni.GetInt(kLauncherSection, kWaitKey, 1) != 0);
    LoadSchema(launcherIni, m_settings);

    ListView list(Item(IDC_SETTINGS));
    list.InsertColumn(0, texts::kValueHeader);
    list.InsertColumn(1, texts::kLabelHeader);

    if (!CheckEmulatorPath(launcherIniPath, m_strEmulatorDir)) {
        ShowMessage(m_hWnd, texts::kEmulatorNotFound, MB_OK);
        EndDialog(IDCANCEL);
        return TRUE;
    }
    SetTitle(texts::kTitlePrefix + EmulatorFile("KMX.EXE"));
    if (!FileExists(EmulatorFile("SAVEA.CPU"))) ShowItem(IDC_ERASE_RESUME, false);
    ReadProfile(EmulatorFile("KMX.INI"));
    if (!m_strStartProfile.cp932.empty()) LoadProfile(m_strStartProfile);
    // A profile dropped anywhere but on a path field, which takes its own drops, is loaded.
    DragAcceptFiles(m_hWnd, TRUE);
    return TRUE;
}

void LauncherDialog::LoadIcons(UINT dpi) {
    HICON big = LoadIconForDpi(IDI_APP, SM_CXICON, dpi);
    HICON small = LoadIconForDpi(IDI_APP, SM_CXSMICON, dpi);
    SendMessageW(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    SendMessageW(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
    // The window shows the new ones now, so the old ones can go.
    if (m_hIcon != nullptr) DestroyIcon(m_hIcon);
    if (m_hSmallIcon != nullptr) DestroyIcon(m_hSmallIcon);
    m_hIcon = big;
    m_hSmallIcon = small;
}

void LauncherDialog::OnDpiChanged() {
    LoadIcons(Dpi());
    FitSettingsColumns();
}

void LauncherDialog::ReportLauncherFolderBeyondCp932() {
    ShowMessage(m_hWnd, GetModuleDirectoryText() + texts::kLauncherFolderBeyondCp932, MB_OK | MB_ICONEXCLAMATION);
}

void LauncherDialog::AddSystemMenuEntries() {
    HMENU menu = GetSystemMenu(m_hWnd, FALSE);
    if (menu == nullptr) return;
    wchar_t text[256] = L"";
    if (LoadStringW(GetModuleHandleW(nullptr), IDS_ABOUTBOX, text, 256) <= 0 || text[0] == L'\0') return;
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, IDM_ABOUTBOX, text);
    if (LoadStringW(GetModuleHandleW(nullptr), IDS_CREATESHORTCUT, text, 256) > 0) {
        AppendMenuW(menu, MF_STRING, IDM_CREATESHORTCUT, text);
    }
}

void LauncherDialog::SetUpPathFields() {
    struct FieldSetUp {
        ImagePathEdit* field;
        int id;
        const char* defaultExtension;
        const char* filter;
    };
    const FieldSetUp fields[] = {
        {&m_fdd1Edit, IDC_FDD1, "kfd", kFloppyFilter},  {&m_fdd2Edit, IDC_FDD2, "kfd", kFloppyFilter},
        {&m_hdd1Edit, IDC_HDD1, "khd", kHardDiskFilter}, {&m_hdd2Edit, IDC_HDD2, "khd", kHardDiskFilter},
        {&m_fontEdit, IDC_FONT, "bmp", kBitmapFilter},
    };
    for (const FieldSetUp& setUp : fields) {
        setUp.field->Attach(m_hWnd, setUp.id);
        setUp.field->m_bOpen = TRUE;
        setUp.field->m_dwFlags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
        setUp.field->m_strDefExt = setUp.defaultExtension;
        setUp.field->m_strFilter = setUp.filter;
    }
}

LRESULT LauncherDialog::OnSysCommand(WPARAM command, LPARAM) {
    switch (command & 0xFFF0) {
        case IDM_ABOUTBOX: {
            AboutDialog about;
            about.DoModal();
            return 0;
        }
        case IDM_CREATESHORTCUT:
            OnCreateShortcut();
            return 0;
    }
    return Default();
}

LRESULT LauncherDialog::OnDestroy(WPARAM, LPARAM) {
    // The two options are kept on every end of the dialog, also after a failed start.
    ini::WriteIniStrings(GetLauncherIniPath(), kLauncherSection,
                         {{kLegacyKey, IsChecked(IDC_LEGACY) ? "1" : "0"}, {kWaitKey, IsChecked(IDC_WAIT_CHECK) ? "1" : "0"}});
    return Default();
}

LRESULT LauncherDialog::OnPaint(WPARAM, LPARAM) {
    if (!IsIconic(m_hWnd)) return Default();
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hWnd, &paint);
    SendMessageW(m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client;
    GetClientRect(m_hWnd, &client);
    const int width = MetricForDpi(SM_CXICON, Dpi());
    const int height = MetricForDpi(SM_CYICON, Dpi());
    DrawIconEx(dc, (client.right - client.left - width + 1) / 2, (client.bottom - client.top - height + 1) / 2, m_hIcon,
               width, height, 0, nullptr, DI_NORMAL);
    EndPaint(m_hWnd, &paint);
    return 0;
}

LRESULT LauncherDialog::OnQueryDragIcon(WPARAM, LPARAM) { return reinterpret_cast<LRESULT>(m_hIcon); }

LRESULT LauncherDialog::OnDropFiles(WPARAM drop, LPARAM) {
    // Only the first file of a drop is taken, as the path fields take it.
    const ExactText path = TakeDroppedFile(reinterpret_cast<HDROP>(drop));
    if (!path.cp932.empty()) LoadProfile(path);
    return 0;
}

void LauncherDialog::OnEject(UINT id) { PathFields()[id - IDC_EJECT_FDD1]->SetText(""); }

void LauncherDialog::OnOpenImage(UINT id) {
    // A path from a marked file is opened as it stands there, every character of it.
    const ExactText path = PathFields()[id - IDC_OPEN_FDD1]->GetExactText();
    if (!path.cp932.empty()) GetServices().OpenWithShell(m_hWnd, path, "");
}

ProfileSlots LauncherDialog::CurrentSlots() {
    ProfileSlots slots;
    const auto fields = PathFields();
    for (int slot = 0; slot < kImageSlotCount; ++slot) slots.imagePaths[slot] = fields[slot]->GetExactText();
    slots.resume = IsChecked(IDC_RESUME);
    return slots;
}

void LauncherDialog::ShowSlots(const ProfileSlots& slots) {
    const auto fields = PathFields();
    for (int slot = 0; slot < kImageSlotCount; ++slot) fields[slot]->SetText(slots.imagePaths[slot]);
    SetChecked(IDC_RESUME, slots.resume);
}

bool LauncherDialog::WriteProfile(const std::string& path) {
    return SaveProfile(m_hWnd, path, CurrentSlots(), IsChecked(IDC_LEGACY), m_settings);
}

void LauncherDialog::ReadProfile(const std::string& path) {
    ProfileSlots slots = CurrentSlots();
    if (::ReadProfile(path, GetLauncherIniPath(), slots, m_settings) == ProfileReadResult::CouldNotOpen) {
        ShowMessage(m_hWnd, path + texts::kCouldNotOpen, MB_OK);
    }
    ShowSlots(slots);
    RebuildSettingsList();
}

void LauncherDialog::LoadProfile(const ExactText& path) {
    if (!path.exact.empty()) {
        ReportPathBeyondCp932(m_hWnd, path);
    } else if (fileio::CheckReadable(path.cp932) != fileio::FileError::None) {
        ShowMessage(m_hWnd, path.cp932 + texts::kCouldNotOpen, MB_OK);
    } else {
        ReadProfile(path.cp932);
    }
}

void LauncherDialog::RebuildSettingsList() {
    ListView list(Item(IDC_SETTINGS));
    list.DeleteAllRows();
    for (std::size_t row = 0; row < m_settings.size(); ++row) {
        SettingItem& setting = m_settings[row];
        list.InsertRow(static_cast<int>(row), RowText(setting), reinterpret_cast<LPARAM>(&setting));
        list.SetCellText(static_cast<int>(row), 1, setting.label);
    }
    FitSettingsColumns();
}

void LauncherDialog::FitSettingsColumns() {
    ListView list(Item(IDC_SETTINGS));
    list.FitColumn(0, texts::kValueHeader, Dpi());
    list.FitColumn(1, texts::kLabelHeader, Dpi());
}
