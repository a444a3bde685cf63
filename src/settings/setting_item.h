// One emulator setting as the schema describes it, and the fixed image slots beside the settings.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "common/exact_text.h"

// The code held in SettingItem::type. Codes outside these names may occur and count as undefined.
enum class SettingType : std::int32_t {
    BOOL = 0,
    INT = 1,
    ENUM = 3,
    STR = 4,
    UNDEFINED = -1,
    UNSET = -2,
};

struct SettingItem {
    std::string key;          // key in section KMX of the emulator INI
    // Current value, always text; with every character when it came from (or was typed for) a
    // marked file and holds more than code page 932 can.
    ExactText value;
    ExactText label;          // second column of the settings list
    std::string choices;      // ENUM only: "number,text,number,text,..."
    SettingType type = SettingType::UNSET;
    std::int32_t legacyLine = 0;  // 1-based line in the legacy block; 0 for none
    std::string displayText;  // first column for BOOL, ENUM and undefined settings
};

enum ImageSlot { kSlotFdd1, kSlotFdd2, kSlotHdd1, kSlotHdd2, kSlotFont, kImageSlotCount };

struct ImageSlotInfo {
    const char* name;          // key in section KMX when no companion key renames it
    const char* companionKey;  // key in section "ORVANE Settings" of the launcher INI
    int legacyLine;
};

inline constexpr std::array<ImageSlotInfo, kImageSlotCount> kImageSlots = {{
    {"FDD1", "FDD1Key", 1},
    {"FDD2", "FDD2Key", 2},
    {"HDD1", "HDD1Key", 3},
    {"HDD2", "HDD2Key", 4},
    {"Font", "FontKey", 5},
}};

inline constexpr ImageSlotInfo kResumeSlot = {"Resume", "ResumeKey", 10};

inline constexpr char kEmulatorSection[] = "KMX";
inline constexpr char kLauncherSection[] = "ORVANE Settings";
// The launcher's two options in kLauncherSection: compatible INI output and waiting for the emulator.
inline constexpr char kLegacyKey[] = "Legacy";
inline constexpr char kWaitKey[] = "Wait";
