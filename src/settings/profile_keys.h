// The key names under which the image slots and Resume stand in section KMX.
#pragma once

#include <array>
#include <string>

#include "settings/setting_item.h"

struct ProfileKeys {
    std::array<std::string, kImageSlotCount> imagePaths;
    std::string resume;
};

// The slots' companion keys from section "ORVANE Settings" of the launcher INI, each
// defaulting to the slot's own name. The launcher never writes them.
ProfileKeys ReadProfileKeys(const std::string& launcherIniPath);
