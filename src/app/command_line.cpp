// Sorting the command line's arguments.
#include "app/command_line.h"

#include <optional>

namespace {

std::u16string LowerAscii(std::u16string text) {
    for (char16_t& c : text) {
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    }
    return text;
}

bool IsSwitch(const std::u16string& argument) {
    return argument.size() > 1 && (argument[0] == u'/' || argument[0] == u'-');
}

std::optional<ImageSlot> SlotOfSwitch(const std::u16string& name) {
    static const char16_t* const kNames[kImageSlotCount] = {u"fdd1", u"fdd2", u"hdd1", u"hdd2", u"font"};
    for (int slot = 0; slot < kImageSlotCount; ++slot) {
        if (name == kNames[slot]) return static_cast<ImageSlot>(slot);
    }
    return std::nullopt;
}

// The slots a bare image of this name may go to, in order; none for a name that is no image.
std::vector<ImageSlot> SlotsOfImage(const std::u16string& path) {
    const std::size_t dot = path.find_last_of(u'.');
    const std::size_t separator = path.find_last_of(u"\\/");
    if (dot == std::u16string::npos || (separator != std::u16string::npos && dot < separator)) return {};
    const std::u16string extension = LowerAscii(path.substr(dot + 1));
    if (extension == u"kfd") return {kSlotFdd1, kSlotFdd2};
    if (extension == u"khd") return {kSlotHdd1, kSlotHdd2};
    if (extension == u"bmp") return {kSlotFont};
    return {};
}

}  // namespace

ParsedCommandLine ParseCommandLine(const std::vector<std::u16string>& arguments) {
    ParsedCommandLine parsed;
    LaunchRequest& request = parsed.request;
    auto fault = [&parsed](CommandLineFault kind, const std::u16string& argument) {
        parsed.fault = kind;
        parsed.argument = argument;
        return parsed;
    };
    std::vector<std::u16string> bareImages;
    std::u16string firstNeedingRun;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::u16string& argument = arguments[i];
        if (argument.empty()) return fault(CommandLineFault::MissingPath, u"\"\"");
        if (!IsSwitch(argument)) {
            if (!SlotsOfImage(argument).empty()) {
                bareImages.push_back(argument);
                if (firstNeedingRun.empty()) firstNeedingRun = argument;
            } else if (request.profile.empty()) {
                request.profile = argument;
            } else {
                return fault(CommandLineFault::ExtraArgument, argument);
            }
            continue;
        }
        const std::u16string name = LowerAscii(argument.substr(1));
        if (name == u"?") {
            request.usage = true;
            return parsed;
        }
        if (name == u"run") {
            request.run = true;
        } else if (name == u"wait") {
            request.wait = true;
            if (firstNeedingRun.empty()) firstNeedingRun = argument;
        } else if (const std::optional<ImageSlot> slot = SlotOfSwitch(name)) {
            if (i + 1 == arguments.size() || arguments[i + 1].empty() || IsSwitch(arguments[i + 1])) {
                return fault(CommandLineFault::MissingPath, argument);
            }
            if (!request.images[*slot].empty()) return fault(CommandLineFault::SlotTwice, argument);
            request.images[*slot] = arguments[++i];
            if (firstNeedingRun.empty()) firstNeedingRun = argument;
        } else {
            return fault(CommandLineFault::UnknownSwitch, argument);
        }
    }
    if (!request.run && !firstNeedingRun.empty()) return fault(CommandLineFault::NeedsRun, firstNeedingRun);
    // Bare images fill what the slot switches left, in the order given.
    for (const std::u16string& image : bareImages) {
        bool placed = false;
        for (ImageSlot slot : SlotsOfImage(image)) {
            if (!request.images[slot].empty()) continue;
            request.images[slot] = image;
            placed = true;
            break;
        }
        if (!placed) return fault(CommandLineFault::TooManyImages, image);
    }
    return parsed;
}
