// Reading an emulator INI into the image slots and the settings.
#include "settings/profile.h"

#include "common/file_io.h"
#include "settings/ini_document.h"
#include "settings/schema.h"
#include "settings/text_value.h"

std::vector<std::string> SplitTextLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t begin = 0;
    while (begin < bytes.size()) {
        std::size_t end = bytes.find('\n', begin);
        const std::size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
        if (end == std::string_view::npos) end = bytes.size();
        if (end > begin && bytes[end - 1] == '\r' && end < bytes.size()) --end;
        lines.emplace_back(bytes.substr(begin, end - begin));
        begin = next;
    }
    return lines;
}

namespace {

void ReadSectioned(const ini::IniDocument& profile, const ProfileKeys& keys, ProfileSlots& slots,
                   std::vector<SettingItem>& settings) {
    // Values are taken whole, so long paths and texts are never cut.
    for (int slot = 0; slot < kImageSlotCount; ++slot) {
        slots.imagePaths[slot] = profile.GetString(kEmulatorSection, keys.imagePaths[slot], "");
    }
    slots.resume = profile.GetInt(kEmulatorSection, keys.resume, 0) != 0;
    for (SettingItem& item : settings) item.value = profile.GetString(kEmulatorSection, item.key, "");
}

void ReadLegacy(const std::vector<std::string>& lines, ProfileSlots& slots, std::vector<SettingItem>& settings) {
    auto lineAt = [&lines](std::int64_t number) -> std::string {
        return number >= 1 && number <= static_cast<std::int64_t>(lines.size()) ? lines[number - 1] : std::string();
    };
    for (int slot = 0; slot < kImageSlotCount; ++slot) slots.imagePaths[slot] = lineAt(kImageSlots[slot].legacyLine);
    // Any number but 0 means on, as the emulator reads the flag.
    slots.resume = IntegerValue(lineAt(kResumeSlot.legacyLine)) != 0;
    for (SettingItem& item : settings) item.value = lineAt(item.legacyLine);
}

}  // namespace

void ParseProfile(std::string_view bytes, const ProfileKeys& keys, ProfileSlots& slots, std::vector<SettingItem>& settings) {
    const ini::IniDocument profile(bytes);
    if (profile.HasSections()) {
        ReadSectioned(profile, keys, slots, settings);
    } else {
        ReadLegacy(SplitTextLines(profile.Text()), slots, settings);
    }
    for (SettingItem& item : settings) DisplayText(item);
}

ProfileReadResult ReadProfile(const std::string& path, const std::string& launcherIniPath, ProfileSlots& slots,
                              std::vector<SettingItem>& settings) {
    std::string bytes;
    if (fileio::ReadWholeFile(path, bytes) == fileio::FileError::None) {
        ParseProfile(bytes, ReadProfileKeys(launcherIniPath), slots, settings);
        return ProfileReadResult::Read;
    }
    // Taken as a legacy profile that could not be opened: slots stay, values are emptied.
    for (SettingItem& item : settings) {
        item.value.clear();
        DisplayText(item);
    }
    return ProfileReadResult::CouldNotOpen;
}
