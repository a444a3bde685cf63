// Reading and writing emulator INI files (KMX.INI and saved profiles), in sectioned or legacy form.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/exact_text.h"
#include "settings/profile_keys.h"
#include "settings/setting_item.h"

// What a profile holds besides the settings: the image paths and the Resume option.
struct ProfileSlots {
    std::array<ExactText, kImageSlotCount> imagePaths;
    bool resume = false;
};

enum class ProfileReadResult {
    Read,
    CouldNotOpen,  // a legacy profile that could not be opened: "<path>が開けませんでした。"
};

enum class ProfileWriteResult {
    Written,
    CouldNotOpen,  // "<path>が開けませんでした。"; the file is as it was
    CannotHold,    // a file in code page 932, and a value holds characters it cannot; the file is as it was
};

// Loads the file into slots and the value and displayText of every setting. A file with a
// section header is read from section KMX; one without is a legacy profile read by line.
// When it cannot be opened, slots keep their contents and every value becomes empty.
ProfileReadResult ReadProfile(const std::string& path, const std::string& launcherIniPath, ProfileSlots& slots,
                              std::vector<SettingItem>& settings);

// Writes slots and settings into the file: the legacy block first when legacy is set, then
// what the file held from its first section or comment line on, with every slot and setting
// key set in section KMX, in the file's own encoding. The file is replaced atomically, and left
// untouched when it exists but could not be read, could not be written, or cannot hold a value.
ProfileWriteResult WriteProfile(const std::string& path, const std::string& launcherIniPath, const ProfileSlots& slots,
                                bool legacy, const std::vector<SettingItem>& settings);

// The in-memory halves of the two: the file's bytes read into slots and settings, and the
// bytes to write composed from the file's old bytes; nothing when the file is in code page 932
// and an exact value needs more.
void ParseProfile(std::string_view bytes, const ProfileKeys& keys, ProfileSlots& slots, std::vector<SettingItem>& settings);
std::optional<std::string> ComposeProfile(std::string_view oldBytes, const ProfileKeys& keys, const ProfileSlots& slots,
                                          bool legacy, const std::vector<SettingItem>& settings);

// The lines of a text file without their line ends (LF, or CR LF).
std::vector<std::string> SplitTextLines(std::string_view bytes);
