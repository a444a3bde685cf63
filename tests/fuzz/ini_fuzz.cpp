// libFuzzer target: the INI engine, the schema parse and both profile forms on arbitrary bytes.
// Input: up to three parts separated by a NUL byte: an INI file, schema lines, and write
// commands ("section|key|value" per line) applied to the INI file. An input that begins with a
// UTF-16 mark, whose text holds NUL bytes, separates its parts by four NUL bytes instead, the
// first of them at a whole code unit.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "common/cp932.h"
#include "common/text_encoding.h"
#include "settings/ini_document.h"
#include "settings/profile.h"
#include "settings/schema.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

std::vector<std::string_view> Split(std::string_view text, std::string_view separator, std::size_t maxParts) {
    std::vector<std::string_view> parts;
    while (parts.size() + 1 < maxParts) {
        const std::size_t at = text.find(separator);
        if (at == std::string_view::npos) break;
        parts.push_back(text.substr(0, at));
        text.remove_prefix(at + separator.size());
    }
    parts.push_back(text);
    return parts;
}

// The document's answers must be those of the same bytes parsed anew.
void CheckAgainstReparse(const ini::IniDocument& doc) {
    const ini::IniDocument reparsed(doc.Serialize());
    const std::vector<std::string> names = doc.GetSectionNames();
    Check(names == reparsed.GetSectionNames());
    for (const std::string& name : names) {
        const std::vector<std::string> entries = doc.GetSectionEntries(name);
        Check(entries == reparsed.GetSectionEntries(name));
        for (const std::string& entry : entries) {
            const std::string key = entry.substr(0, entry.find('='));
            Check(doc.GetString(name, key, "d") == reparsed.GetString(name, key, "d"));
            Check(doc.GetInt(name, key, 7) == reparsed.GetInt(name, key, 7));
        }
    }
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v'; }

// A value that a key line holds unchanged: on one line, not trimmed, not unquoted on reading.
bool HoldsValue(const std::string& value) {
    if (value.find_first_of("\r\n") != std::string::npos) return false;
    if (!value.empty() && (IsBlank(value.front()) || IsBlank(value.back()))) return false;
    return !(value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front());
}

// A key that names one key line: on one line, untrimmed, without "=", not a header or comment.
bool HoldsKey(const std::string& key) {
    return !key.empty() && key.find_first_of("\r\n") == std::string::npos && !IsBlank(key.front()) &&
           !IsBlank(key.back()) && key.front() != '[' && key.front() != ';' &&
           cp932::FindChar(key, '=') == std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const bool wide = textenc::UnitSize(textenc::DetectEncoding(input)) == 2;
    const std::string_view separator("\0\0\0\0", wide ? 4 : 1);
    std::size_t fileEnd = input.find(separator);
    while (wide && fileEnd != std::string_view::npos && fileEnd % 2 != 0) fileEnd = input.find(separator, fileEnd + 1);
    std::vector<std::string_view> parts = {input.substr(0, fileEnd)};
    if (fileEnd != std::string_view::npos) {
        for (std::string_view part : Split(input.substr(fileEnd + separator.size()), separator, 2)) parts.push_back(part);
    }
    const std::string_view file = parts[0];

    // Parsing keeps every byte.
    ini::IniDocument doc(file);
    Check(doc.Serialize() == file);
    CheckAgainstReparse(doc);

    if (parts.size() > 2) {
        for (std::string_view command : Split(parts[2], "\n", 64)) {
            const std::vector<std::string_view> fields = Split(command, "|", 3);
            if (fields.size() < 3) continue;
            doc.WriteString(fields[0], fields[1], fields[2]);
        }
        CheckAgainstReparse(doc);
    }

    std::vector<SettingItem> settings;
    if (parts.size() > 1) LoadSchema(ini::IniDocument("[KMX]\r\n" + std::string(parts[1])), settings);
    LoadSchema(doc, settings);
    for (SettingItem& item : settings) DisplayText(item);

    ProfileKeys keys;
    for (int slot = 0; slot < kImageSlotCount; ++slot) keys.imagePaths[slot] = kImageSlots[slot].name;
    keys.resume = kResumeSlot.name;
    ProfileSlots slots;
    ParseProfile(file, keys, slots, settings);
    // Every key written, to find the ones that another key of the same name overwrites.
    std::vector<std::string> written = {keys.resume.cp932};
    for (const ExactText& key : keys.imagePaths) written.push_back(key.cp932);
    for (const SettingItem& item : settings) written.push_back(item.key);
    const auto unique = [&written](const std::string& key) {
        int count = 0;
        for (const std::string& other : written) count += cp932::EqualsIgnoreCase(key, other);
        return count == 1;
    };
    // A marked file holds what its encoding can: text that comes back from it unchanged.
    const textenc::Encoding encoding = textenc::DetectEncoding(file);
    const auto survives = [encoding](const std::string& text) {
        return textenc::DecodeToCp932(textenc::EncodeFromCp932(text, encoding), encoding) == text;
    };
    // A value with every character (from a marked file) comes back with every character.
    const auto readsBack = [&](const std::string& key, const ExactText& value, const ExactText& reread) {
        return !HoldsKey(key) || !unique(key) || !HoldsValue(value.cp932) || !survives(key) ||
               (value.exact.empty() && !survives(value.cp932)) || reread == value;
    };
    for (bool legacy : {false, true}) {
        // The file itself can hold every value read from it.
        const std::optional<std::string> written = ComposeProfile(file, keys, slots, legacy, settings);
        Check(written.has_value());
        const std::string& composed = *written;
        // A legacy block whose first line begins with the bytes of a mark, which no code page 932
        // text does, makes a file that every reader takes as marked.
        if (textenc::DetectEncoding(composed) != encoding) continue;
        // What was written reads back as written, for every key and value the form can hold.
        ProfileSlots reread;
        std::vector<SettingItem> rereadSettings = settings;
        ParseProfile(composed, keys, reread, rereadSettings);
        Check(reread.resume == slots.resume || !unique(keys.resume.cp932));
        for (int slot = 0; slot < kImageSlotCount; ++slot) {
            Check(readsBack(keys.imagePaths[slot].cp932, slots.imagePaths[slot], reread.imagePaths[slot]));
        }
        for (std::size_t i = 0; i < settings.size(); ++i) {
            Check(readsBack(settings[i].key, settings[i].value, rereadSettings[i].value));
        }
    }
    return 0;
}
