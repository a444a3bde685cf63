// Companion keys of the image slots.
#include "settings/profile_keys.h"

#include "settings/ini_file.h"

ProfileKeys ReadProfileKeys(const std::string& launcherIniPath) {
    const ini::IniDocument launcherIni = ini::LoadIniFile(launcherIniPath);
    ProfileKeys keys;
    for (int slot = 0; slot < kImageSlotCount; ++slot) {
        keys.imagePaths[slot] = launcherIni.GetText(kLauncherSection, kImageSlots[slot].companionKey, kImageSlots[slot].name);
    }
    keys.resume = launcherIni.GetText(kLauncherSection, kResumeSlot.companionKey, kResumeSlot.name);
    return keys;
}
