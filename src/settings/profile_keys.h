// The key names under which the image slots and Resume stand in section KMX.
#pragma once

#include <array>
#include <string>

#include "settings/setting_item.h"

// Each with every character where a marked launcher INI names it beyond code page 932, so that a
// marked emulator INI gets the key whole when it is new there.
struct ProfileKeys {
    std::array<ExactText, kImageSlotCount> imagePaths;
    ExactText resume;
};

// The slots' companion keys from section "ORVANE Settings" of the launcher INI, each
// defaulting to the slot's own name. The launcher never writes them.
ProfileKeys ReadProfileKeys(const std::string& launcherIniPath);
