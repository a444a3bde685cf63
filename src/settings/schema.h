// The settings schema: parsing section KMX of the launcher INI into settings, and display texts.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "settings/ini_document.h"
#include "settings/setting_item.h"

// Appends one SettingItem per accepted schema line of section KMX of the launcher INI.
// A missing file or section appends nothing.
void LoadSchema(const std::string& launcherIniPath, std::vector<SettingItem>& settings);
void LoadSchema(const ini::IniDocument& launcherIni, std::vector<SettingItem>& settings);

// One choice of an ENUM setting: its number as written, and its text.
struct Choice {
    std::string_view number;
    std::string_view text;
};

// The choices of a choice list, in order. Elements are cut at "," as code page 932 text;
// only complete number-text pairs are choices, so a trailing number without a text (an odd
// element count, a single element) offers nothing and nothing past the list is read.
std::vector<Choice> SplitChoices(std::string_view choices);

// Flips a BOOL setting: "1" becomes "0", "0" becomes "1", any other value "0".
void FlipFlag(SettingItem& item);

// Steps an ENUM setting to its next choice, from the last back to the first; a value that is
// no choice's number goes to the first. The new value is the choice's number as written.
// Answers the new choice's text in shownText; false (nothing changed) when the list offers
// no choice.
bool StepChoice(SettingItem& item, std::string& shownText);

// The first-column text of a setting; stored in displayText for all types but INT and STR.
const std::string& DisplayText(SettingItem& item);
