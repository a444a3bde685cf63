// Writing the image slots and the settings into an emulator INI.
#include "settings/profile.h"

#include "common/file_io.h"
#include "settings/ini_document.h"

namespace {

// A legacy line beyond this is a schema error; honouring it would write a file of
// millions of empty lines, so such a setting stands in section KMX only.
constexpr std::int32_t kMaxLegacyLine = 65535;

std::vector<std::string> BuildLegacyBlock(const ProfileSlots& slots, const std::vector<SettingItem>& settings) {
    std::vector<std::string> block(kResumeSlot.legacyLine);
    for (int slot = 0; slot < kImageSlotCount; ++slot) block[kImageSlots[slot].legacyLine - 1] = slots.imagePaths[slot];
    block[kResumeSlot.legacyLine - 1] = slots.resume ? "1" : "0";
    for (const SettingItem& item : settings) {
        if (item.legacyLine < 1 || item.legacyLine > kMaxLegacyLine) continue;
        if (static_cast<std::size_t>(item.legacyLine) > block.size()) block.resize(item.legacyLine);
        block[item.legacyLine - 1] = item.value;
    }
    return block;
}

}  // namespace

std::string ComposeProfile(std::string_view oldBytes, const ProfileKeys& keys, const ProfileSlots& slots, bool legacy,
                           const std::vector<SettingItem>& settings) {
    // The old file from its first section header or comment line on is kept, in its own encoding;
    // the legacy block in front of it is replaced.
    ini::IniDocument profile(oldBytes);
    profile.ReplaceLeadingLines(legacy ? BuildLegacyBlock(slots, settings) : std::vector<std::string>());
    for (int slot = 0; slot < kImageSlotCount; ++slot) {
        profile.WriteString(kEmulatorSection, keys.imagePaths[slot], slots.imagePaths[slot]);
    }
    profile.WriteString(kEmulatorSection, keys.resume, slots.resume ? "1" : "0");
    for (const SettingItem& item : settings) profile.WriteString(kEmulatorSection, item.key, item.value);
    return profile.Serialize();
}

bool WriteProfile(const std::string& path, const std::string& launcherIniPath, const ProfileSlots& slots,
                  bool legacy, const std::vector<SettingItem>& settings) {
    std::string old;
    if (!fileio::ReadForRewrite(path, old)) return false;
    return fileio::ReplaceFileAtomically(path, ComposeProfile(old, ReadProfileKeys(launcherIniPath), slots, legacy, settings));
}
