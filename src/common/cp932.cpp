// Code page 932 text helpers.
#include "common/cp932.h"

namespace cp932 {

bool IsLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool IsTrailByte(unsigned char byte) {
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

std::size_t CharLength(std::string_view text, std::size_t pos) {
    if (pos + 1 < text.size() && IsLeadByte(static_cast<unsigned char>(text[pos])) &&
        IsTrailByte(static_cast<unsigned char>(text[pos + 1]))) {
        return 2;
    }
    return 1;
}

std::size_t FindChar(std::string_view text, char separator, std::size_t from) {
    for (std::size_t pos = from; pos < text.size(); pos += CharLength(text, pos)) {
        if (text[pos] == separator) return pos;
    }
    return std::string_view::npos;
}

std::size_t FindLastChar(std::string_view text, char separator) {
    std::size_t found = std::string_view::npos;
    for (std::size_t pos = 0; pos < text.size(); pos += CharLength(text, pos)) {
        if (text[pos] == separator) found = pos;
    }
    return found;
}

std::string FoldCase(std::string_view text) {
    std::string folded;
    folded.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = CharLength(text, pos);
        const char first = text[pos];
        if (length == 1 && first >= 'A' && first <= 'Z') {
            folded.push_back(static_cast<char>(first - 'A' + 'a'));
        } else {
            folded.append(text, pos, length);
        }
        pos += length;
    }
    return folded;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && FoldCase(a) == FoldCase(b);
}

std::size_t CutAtLastBackslash(std::string& text) {
    const std::size_t pos = FindLastChar(text, '\\');
    if (pos != std::string::npos) text.erase(pos);
    return pos;
}

}  // namespace cp932
