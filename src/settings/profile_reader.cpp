// Reading an emulator INI into the image slots and the settings.
#include "settings/profile.h"

#include "common/file_io.h"
#include "settings/ini_document.h"
#include "settings/schema.h"
#include "settings/text_value.h"

namespace {

template <typename Char>
std::vector<std::basic_string<Char>> SplitLines(std::basic_string_view<Char> text) {
    std::vector<std::basic_string<Char>> lines;
    std::size_t begin = 0;
    while (begin < text.size()) {
        std::size_t end = text.find(Char('\n'), begin);
        const std::size_t next = end == std::basic_string_view<Char>::npos ? text.size() : end + 1;
        if (end == std::basic_string_view<Char>::npos) end = text.size();
        if (end > begin && text[end - 1] == Char('\r') && end < text.size()) --end;
        lines.emplace_back(text.substr(begin, end - begin));
        begin = next;
    }
    return lines;
}

// The lines of a legacy profile: its bytes in code page 932, or every character of a marked one.
std::vector<ExactText> LegacyLines(std::string_view bytes) {
    std::vector<ExactText> lines;
    const textenc::Encoding encoding = textenc::DetectEncoding(bytes);
    if (encoding == textenc::Encoding::Cp932) {
        for (std::string& line : SplitLines(bytes)) lines.push_back({std::move(line), {}});
        return lines;
    }
    bytes.remove_prefix(textenc::Mark(encoding).size());
    const std::u16string text = textenc::DecodeToUtf16(bytes, encoding);
    for (const std::u16string& line : SplitLines(std::u16string_view(text))) {
        lines.push_back(ExactTextOf(line));
    }
    return lines;
}

void ReadSectioned(const ini::IniDocument& profile, const ProfileKeys& keys, ProfileSlots& slots,
                   std::vector<SettingItem>& settings) {
    // Values are taken whole, so long paths and texts are never cut.
    for (int slot = 0; slot < kImageSlotCount; ++slot) {
        slots.imagePaths[slot] = profile.GetText(kEmulatorSection, keys.imagePaths[slot].cp932, "");
    }
    slots.resume = profile.GetInt(kEmulatorSection, keys.resume.cp932, 0) != 0;
    for (SettingItem& item : settings) item.value = profile.GetText(kEmulatorSection, item.key, "");
}

void ReadLegacy(const std::vector<ExactText>& lines, ProfileSlots& slots, std::vector<SettingItem>& settings) {
    auto lineAt = [&lines](std::int64_t number) -> ExactText {
        return number >= 1 && number <= static_cast<std::int64_t>(lines.size()) ? lines[number - 1] : ExactText();
    };
    for (int slot = 0; slot < kImageSlotCount; ++slot) slots.imagePaths[slot] = lineAt(kImageSlots[slot].legacyLine);
    // Any number but 0 means on, as the emulator reads the flag.
    slots.resume = IntegerValue(lineAt(kResumeSlot.legacyLine).cp932) != 0;
    for (SettingItem& item : settings) item.value = lineAt(item.legacyLine);
}

}  // namespace

std::vector<std::string> SplitTextLines(std::string_view bytes) { return SplitLines(bytes); }

void ParseProfile(std::string_view bytes, const ProfileKeys& keys, ProfileSlots& slots, std::vector<SettingItem>& settings) {
    const ini::IniDocument profile(bytes);
    if (profile.HasSections()) {
        ReadSectioned(profile, keys, slots, settings);
    } else {
        ReadLegacy(LegacyLines(bytes), slots, settings);
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
        item.value = {};
        DisplayText(item);
    }
    return ProfileReadResult::CouldNotOpen;
}
