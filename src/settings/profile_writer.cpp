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

// Index of the line where the part of the old file that is kept begins: its first section
// header or comment line. The legacy block in front of it is replaced.
std::size_t KeptPartBegin(const std::vector<std::string>& lines) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::size_t first = lines[i].find_first_not_of(" \t\v");
        if (first != std::string::npos && (lines[i][first] == '[' || lines[i][first] == ';')) return i;
    }
    return lines.size();
}

}  // namespace

std::string ComposeProfile(std::string_view oldBytes, const ProfileKeys& keys, const ProfileSlots& slots, bool legacy,
                           const std::vector<SettingItem>& settings) {
    const std::vector<std::string> oldLines = SplitTextLines(oldBytes);
    std::string text;
    if (legacy) {
        for (const std::string& line : BuildLegacyBlock(slots, settings)) text += line + "\r\n";
    }
    for (std::size_t i = KeptPartBegin(oldLines); i < oldLines.size(); ++i) text += oldLines[i] + "\r\n";

    ini::IniDocument profile(text);
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
    fileio::ReadWholeFile(path, old);  // a file that cannot be read counts as empty
    return fileio::ReplaceFileAtomically(path, ComposeProfile(old, ReadProfileKeys(launcherIniPath), slots, legacy, settings));
}
