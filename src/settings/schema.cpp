// Schema parsing and display texts of settings.
#include "settings/schema.h"

#include "common/cp932.h"
#include "common/texts.h"
#include "settings/ini_file.h"
#include "settings/text_value.h"

void LoadSchema(const std::string& launcherIniPath, std::vector<SettingItem>& settings) {
    LoadSchema(ini::LoadIniFile(launcherIniPath), settings);
}

namespace {

// A schema line with "=" but fewer "|" than its form needs (two, three for ENUM) has no
// defined reading; it is skipped so that no setting is made from a guess. The label is taken
// from exactLine, the line with every character, where that is given.
bool ParseSchemaLine(std::string_view line, std::u16string_view exactLine, SettingItem& item) {
    const std::size_t equals = cp932::FindChar(line, '=');
    if (equals == std::string_view::npos) return false;
    const std::size_t numberEnd = cp932::FindChar(line, '|', equals + 1);
    if (numberEnd == std::string_view::npos) return false;
    const std::size_t typeEnd = cp932::FindChar(line, '|', numberEnd + 1);
    if (typeEnd == std::string_view::npos) return false;

    item.key = std::string(line.substr(0, equals));
    item.legacyLine = IntegerValue(line.substr(equals + 1, numberEnd - equals - 1));
    const std::string_view typeField = line.substr(numberEnd + 1, typeEnd - numberEnd - 1);
    std::size_t labelBegin = typeEnd + 1;
    if (typeField == "BOOL") {
        item.type = SettingType::BOOL;
        item.value = "0";
    } else if (typeField == "INT") {
        item.type = SettingType::INT;
        item.value = "0";
    } else if (typeField == "ENUM") {
        const std::size_t choicesEnd = cp932::FindChar(line, '|', typeEnd + 1);
        if (choicesEnd == std::string_view::npos) return false;
        item.type = SettingType::ENUM;
        item.value = "0";
        item.choices = std::string(line.substr(typeEnd + 1, choicesEnd - typeEnd - 1));
        labelBegin = choicesEnd + 1;
    } else if (typeField == "STR") {
        item.type = SettingType::STR;
    } else {
        item.type = SettingType::UNDEFINED;
    }
    item.label = std::string(line.substr(labelBegin));
    if (!exactLine.empty()) {
        // "=" and "|" are ASCII, so the label stands after as many of them in either form.
        std::size_t at = exactLine.find(u'=');
        for (int separators = item.type == SettingType::ENUM ? 3 : 2; separators > 0; --separators) {
            at = exactLine.find(u'|', at + 1);
        }
        if (at != std::u16string_view::npos) item.label.exact = ExactTextOf(exactLine.substr(at + 1)).exact;
    }
    return true;
}

}  // namespace

void LoadSchema(const ini::IniDocument& launcherIni, std::vector<SettingItem>& settings) {
    // Comment lines never reach here: the section's entries leave them out.
    for (const ExactText& line : launcherIni.GetSectionTexts(kEmulatorSection)) {
        SettingItem item;
        if (ParseSchemaLine(line.cp932, line.exact, item)) settings.push_back(std::move(item));
    }
}

std::vector<Choice> SplitChoices(std::string_view choices) {
    std::vector<std::string_view> elements;
    std::size_t begin = 0;
    for (;;) {
        const std::size_t comma = cp932::FindChar(choices, ',', begin);
        if (comma == std::string_view::npos) {
            elements.push_back(choices.substr(begin));
            break;
        }
        elements.push_back(choices.substr(begin, comma - begin));
        begin = comma + 1;
    }
    std::vector<Choice> pairs;
    for (std::size_t i = 0; i + 1 < elements.size(); i += 2) pairs.push_back({elements[i], elements[i + 1]});
    return pairs;
}

void FlipFlag(SettingItem& item) {
    item.value = item.value.cp932 == "0" ? "1" : "0";
}

bool StepChoice(SettingItem& item, std::string& shownText) {
    const std::vector<Choice> choices = SplitChoices(item.choices);
    if (choices.empty()) return false;
    const std::int32_t current = IntegerValue(item.value.cp932);
    std::size_t next = 0;
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (IntegerValue(choices[i].number) == current) {
            next = (i + 1) % choices.size();
            break;
        }
    }
    item.value = std::string(choices[next].number);
    shownText = std::string(choices[next].text);
    return true;
}

const std::string& DisplayText(SettingItem& item) {
    switch (item.type) {
        case SettingType::INT:
        case SettingType::STR:
            return item.value.cp932;
        case SettingType::BOOL:
            item.displayText = item.value.cp932 == "0" ? texts::kOff : item.value.cp932 == "1" ? texts::kOn : texts::kUnknown;
            return item.displayText;
        case SettingType::ENUM: {
            item.displayText = texts::kUnknown;
            const std::int32_t wanted = IntegerValue(item.value.cp932);
            for (const Choice& choice : SplitChoices(item.choices)) {
                if (IntegerValue(choice.number) == wanted) {
                    item.displayText = std::string(choice.text);
                    break;
                }
            }
            return item.displayText;
        }
        default:
            item.displayText = texts::kUndefined;
            return item.displayText;
    }
}
