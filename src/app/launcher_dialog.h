// The main dialog: image path fields, the Resume option, the settings list, the launcher options
// and the commands. It owns the settings model and the emulator folder for its whole life.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "app/emulator_launch.h"
#include "controls/image_path_edit.h"
#include "framework/dialog.h"
#include "settings/profile.h"
#include "settings/setting_item.h"

class LauncherDialog : public Dialog {
public:
    LauncherDialog();
    ~LauncherDialog() override;

    // The window's icons, loaded for its DPI when it opens and again when that changes.
    HICON m_hIcon = nullptr;  // the big one
    HICON m_hSmallIcon = nullptr;
    std::string m_strEmulatorDir;  // without a trailing backslash; set once at initialisation
    ImagePathEdit m_fdd1Edit;
    ImagePathEdit m_fdd2Edit;
    ImagePathEdit m_hdd1Edit;
    ImagePathEdit m_hdd2Edit;
    ImagePathEdit m_fontEdit;
    // Appended to only while the schema is read, so the list rows' references stay valid.
    std::vector<SettingItem> m_settings;
    // A profile named on the command line, read after KMX.INI when the window opens; empty for none.
    ExactText m_strStartProfile;

    // Loads an emulator INI into the fields, the Resume option and the settings, and rebuilds the list.
    void ReadProfile(const std::string& path);
    // Writes the fields, the Resume option and the settings into an emulator INI; false, after a
    // message, when it could not.
    bool WriteProfile(const std::string& path);
    // The edit action of a row of the settings list: flip, step, or open the label editor.
    void EditSetting(HWND list, int row);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override {}  // Enter never closes the launcher
    void OnDpiChanged() override;

private:
    LRESULT OnSysCommand(WPARAM command, LPARAM parameter);
    LRESULT OnDestroy(WPARAM, LPARAM);
    LRESULT OnPaint(WPARAM, LPARAM);
    LRESULT OnQueryDragIcon(WPARAM, LPARAM);
    LRESULT OnDropFiles(WPARAM drop, LPARAM);
    void OnCreateShortcut();
    void OnEject(UINT id);
    void OnOpenImage(UINT id);
    LRESULT OnSettingsClick(NMHDR* header);
    LRESULT OnSettingsReturn(NMHDR* header);
    LRESULT OnSettingsKeyDown(NMHDR* header);
    LRESULT OnSettingsBeginLabelEdit(NMHDR* header);
    LRESULT OnSettingsEndLabelEdit(NMHDR* header);
    void OnRun();
    void OnSaveAs();
    void OnLoad();
    void OnEraseResume();
    void OnHelp();
    void OnNewHdd1();
    void OnNewHdd2();
    void OnNewFont();
    void CreateHardDisk(ImagePathEdit& field);

    std::array<ImagePathEdit*, kImageSlotCount> PathFields();
    void AddSystemMenuEntries();
    // The window's big and small icons, loaded at their sizes for a DPI.
    void LoadIcons(UINT dpi);
    void FitSettingsColumns();
    // ORVANE's own folder holds characters code page 932 cannot, so it has no settings file.
    void ReportLauncherFolderBeyondCp932();
    // Reads a profile named outside the file dialog (command line, drop) as Load does; one that
    // cannot be read now gets Load's message and changes nothing.
    void LoadProfile(const ExactText& path);
    void SetUpPathFields();
    void ShowSlots(const ProfileSlots& slots);
    ProfileSlots CurrentSlots();
    void RebuildSettingsList();
    SettingItem* SettingOfRow(HWND list, int row) const;
    // The first column's text of a setting's row.
    static ExactText RowText(SettingItem& setting);
    // True when KMX.INI carries a byte-order mark, so it holds every character of a value.
    bool EmulatorIniIsMarked() const;
    bool ChooseProfile(bool open, std::string& path);
    std::string EmulatorFile(const char* name) const { return ::EmulatorFile(m_strEmulatorDir, name); }

    DECLARE_MESSAGE_MAP()
};
