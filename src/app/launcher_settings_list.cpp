// The main dialog's settings list: a click or the space bar flips a yes/no setting, steps a
// choice, or opens the in-place editor of a number or text; edits go straight into m_settings.
#include "app/launcher_dialog.h"

#include <commctrl.h>

#include "common/file_io.h"
#include "common/text_encoding.h"
#include "common/texts.h"
#include "controls/list_view.h"
#include "framework/services.h"
#include "resource.h"
#include "settings/schema.h"

ExactText LauncherDialog::RowText(SettingItem& setting) {
    // A number or text shows its value with every character; other types their display text.
    if (setting.type == SettingType::INT || setting.type == SettingType::STR) return setting.value;
    return {DisplayText(setting), {}};
}

SettingItem* LauncherDialog::SettingOfRow(HWND list, int row) const {
    return reinterpret_cast<SettingItem*>(ListView(list).RowData(row));
}

void LauncherDialog::EditSetting(HWND list, int row) {
    if (row < 0) return;
    SettingItem* setting = SettingOfRow(list, row);
    if (setting == nullptr) return;
    std::string shown;
    switch (setting->type) {
        case SettingType::BOOL:
            FlipFlag(*setting);
            ListView(list).SetRowText(row, DisplayText(*setting));
            break;
        case SettingType::INT:
        case SettingType::STR:
            ListView(list).EditLabel(row);
            break;
        case SettingType::ENUM:
            if (StepChoice(*setting, shown)) ListView(list).SetRowText(row, shown);
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
        EditSetting(header->hwndFrom, ListView(header->hwndFrom).FirstSelectedRow());
    }
    return 0;
}

LRESULT LauncherDialog::OnSettingsBeginLabelEdit(NMHDR* header) {
    const SettingItem* setting = SettingOfRow(header->hwndFrom, reinterpret_cast<NMLVDISPINFOW*>(header)->item.iItem);
    const bool refused = setting != nullptr && (setting->type == SettingType::BOOL || setting->type == SettingType::ENUM);
    return refused ? 1 : 0;
}

LRESULT LauncherDialog::OnSettingsEndLabelEdit(NMHDR* header) {
    const NMLVDISPINFOW& edit = *reinterpret_cast<NMLVDISPINFOW*>(header);
    // A cancelled edit carries no text and changes nothing; the text is taken as typed.
    const std::optional<ExactText> typed = ListView::EditedText(edit);
    SettingItem* setting = SettingOfRow(header->hwndFrom, edit.item.iItem);
    if (!typed || setting == nullptr || CharactersOf(*typed) == CharactersOf(setting->value)) return 1;
    // Characters beyond code page 932 are kept only where KMX.INI, which Run writes, holds them.
    if (!typed->exact.empty() && !EmulatorIniIsMarked()) {
        ShowMessage(m_hWnd, texts::kTypedTextBeyondCp932, MB_OK | MB_ICONSTOP);
        return 0;
    }
    setting->value = *typed;
    return 1;
}

bool LauncherDialog::EmulatorIniIsMarked() const {
    std::string bytes;
    fileio::ReadWholeFile(EmulatorFile("KMX.INI"), bytes);
    return textenc::DetectEncoding(bytes) != textenc::Encoding::Cp932;
}
