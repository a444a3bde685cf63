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

namespace {

// The byte at pos folded, given the length of the character it starts or ends.
char FoldedByte(char byte, std::size_t charLength) {
    return charLength == 1 && byte >= 'A' && byte <= 'Z' ? static_cast<char>(byte - 'A' + 'a') : byte;
}

}  // namespace

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t pos = 0; pos < a.size();) {
        const std::size_t length = CharLength(a, pos);
        if (CharLength(b, pos) != length) return false;
        if (FoldedByte(a[pos], length) != FoldedByte(b[pos], length)) return false;
        if (length == 2 && a[pos + 1] != b[pos + 1]) return false;
        pos += length;
    }
    return true;
}

std::size_t HashIgnoreCase(std::string_view text) {
    // FNV-1a over the folded bytes.
    std::size_t hash = 14695981039346656037ull;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = CharLength(text, pos);
        for (std::size_t i = 0; i < length; ++i) {
            hash ^= static_cast<unsigned char>(i == 0 ? FoldedByte(text[pos], length) : text[pos + i]);
            hash *= 1099511628211ull;
        }
        pos += length;
    }
    return hash;
}

std::size_t CutAtLastBackslash(std::string& text) {
    const std::size_t pos = FindLastChar(text, '\\');
    if (pos != std::string::npos) text.erase(pos);
    return pos;
}

}  // namespace cp932
