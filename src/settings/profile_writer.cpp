// Writing the image slots and the settings into an emulator INI.
#include "settings/profile.h"

#include <algorithm>

#include "common/file_io.h"
#include "settings/ini_document.h"

namespace {

// A legacy line beyond this is a schema error; honouring it would write a file of
// millions of empty lines, so such a setting stands in section KMX only.
constexpr std::int32_t kMaxLegacyLine = 65535;

std::vector<ExactText> BuildLegacyBlock(const ProfileSlots& slots, const std::vector<SettingItem>& settings) {
    std::vector<ExactText> block(kResumeSlot.legacyLine);
    for (int slot = 0; slot < kImageSlotCount; ++slot) block[kImageSlots[slot].legacyLine - 1] = slots.imagePaths[slot];
    block[kResumeSlot.legacyLine - 1] = {slots.resume ? "1" : "0", {}};
    for (const SettingItem& item : settings) {
        if (item.legacyLine < 1 || item.legacyLine > kMaxLegacyLine) continue;
        if (static_cast<std::size_t>(item.legacyLine) > block.size()) block.resize(item.legacyLine);
        block[item.legacyLine - 1] = item.value;
    }
    return block;
}

// True when some value holds characters beyond code page 932, which only a marked file keeps.
bool NeedsMarkedFile(const ProfileSlots& slots, const std::vector<SettingItem>& settings) {
    return std::any_of(slots.imagePaths.begin(), slots.imagePaths.end(), [](const ExactText& path) { return !path.exact.empty(); }) ||
           std::any_of(settings.begin(), settings.end(), [](const SettingItem& item) { return !item.value.exact.empty(); });
}

}  // namespace

std::optional<std::string> ComposeProfile(std::string_view oldBytes, const ProfileKeys& keys, const ProfileSlots& slots,
                                          bool legacy, const std::vector<SettingItem>& settings) {
    // The old file from its first section header or comment line on is kept, in its own encoding;
    // the legacy block in front of it is replaced.
    ini::IniDocument profile(oldBytes);
    // A value is never written with "?" for what code page 932 cannot hold.
    if (!profile.IsMarked() && NeedsMarkedFile(slots, settings)) return std::nullopt;
    profile.ReplaceLeadingLines(legacy ? BuildLegacyBlock(slots, settings) : std::vector<ExactText>());
    for (int slot = 0; slot < kImageSlotCount; ++slot) {
        profile.WriteText(kEmulatorSection, keys.imagePaths[slot], slots.imagePaths[slot]);
    }
    profile.WriteText(kEmulatorSection, keys.resume, slots.resume ? "1" : "0");
    for (const SettingItem& item : settings) profile.WriteText(kEmulatorSection, item.key, item.value);
    return profile.Serialize();
}

ProfileWriteResult WriteProfile(const std::string& path, const std::string& launcherIniPath, const ProfileSlots& slots,
                                bool legacy, const std::vector<SettingItem>& settings) {
    std::string old;
    if (!fileio::ReadForRewrite(path, old)) return ProfileWriteResult::CouldNotOpen;
    const std::optional<std::string> bytes = ComposeProfile(old, ReadProfileKeys(launcherIniPath), slots, legacy, settings);
    if (!bytes) return ProfileWriteResult::CannotHold;
    return fileio::ReplaceFileAtomically(path, *bytes) ? ProfileWriteResult::Written : ProfileWriteResult::CouldNotOpen;
}
