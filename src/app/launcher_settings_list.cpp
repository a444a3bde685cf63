// The main dialog's settings list: a click or the space bar flips a yes/no setting, steps a
// choice, or opens the in-place editor of a number or text; edits go straight into m_settings.
#include "app/launcher_dialog.h"

#include <commctrl.h>

#include "resource.h"
#include "settings/schema.h"

SettingItem* LauncherDialog::SettingOfRow(HWND list, int row) const {
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    if (!SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return nullptr;
    return reinterpret_cast<SettingItem*>(item.lParam);
}

void LauncherDialog::SetRowValueText(HWND list, int row, const std::string& text) {
    // Text alone, so the row keeps its selection and focus.
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<char*>(text.c_str());
    SendMessageA(list, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

void LauncherDialog::EditSetting(HWND list, int row) {
    if (row < 0) return;
    SettingItem* setting = SettingOfRow(list, row);
    if (setting == nullptr) return;
    std::string shown;
    switch (setting->type) {
        case SettingType::BOOL:
            FlipFlag(*setting);
            SetRowValueText(list, row, DisplayText(*setting));
            break;
        case SettingType::INT:
        case SettingType::STR:
            SendMessageA(list, LVM_EDITLABELA, row, 0);
            break;
        case SettingType::ENUM:
            if (StepChoice(*setting, shown)) SetRowValueText(list, row, shown);
            break;
        default:
            break;
    }
}

LRESULT LauncherDialog::OnSettingsClick(NMHDR* header) {
    EditSetting(header->hwndFrom, reinterpret_cast<NMITEMACTIVATE*>(header)->iItem);
    return 0;
}

LRESULT LauncherDialog::OnSettingsReturn(NMHDR*) { return 0; }

LRESULT LauncherDialog::OnSettingsKeyDown(NMHDR* header) {
    if (reinterpret_cast<NMLVKEYDOWN*>(header)->wVKey == VK_SPACE) {
        const int first = static_cast<int>(SendMessageA(header->hwndFrom, LVM_GETNEXTITEM, -1, LVNI_SELECTED));
        EditSetting(header->hwndFrom, first);
    }
    return 0;
}

LRESULT LauncherDialog::OnSettingsBeginLabelEdit(NMHDR* header) {
    const SettingItem* setting = SettingOfRow(header->hwndFrom, reinterpret_cast<NMLVDISPINFOA*>(header)->item.iItem);
    const bool refused = setting != nullptr && (setting->type == SettingType::BOOL || setting->type == SettingType::ENUM);
    return refused ? 1 : 0;
}

LRESULT LauncherDialog::OnSettingsEndLabelEdit(NMHDR* header) {
    const LVITEMA& edited = reinterpret_cast<NMLVDISPINFOA*>(header)->item;
    // A cancelled edit carries no text and changes nothing; the text is taken as typed.
    if ((edited.mask & LVIF_TEXT) && edited.pszText != nullptr) {
        if (SettingItem* setting = SettingOfRow(header->hwndFrom, edited.iItem)) setting->value = edited.pszText;
    }
    return 1;
}
