// The platform-independent part of the text encodings: marks, code units, UTF-16 byte order.
#include "common/text_encoding.h"

#include "common/text_encoding_platform.h"

namespace textenc {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";

}  // namespace

std::u16string Utf16FromBytes(std::string_view bytes, bool bigEndian) {
    std::u16string units(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i) {
        const auto first = static_cast<unsigned char>(bytes[2 * i]);
        const auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
        units[i] = static_cast<char16_t>(bigEndian ? (first << 8 | second) : (second << 8 | first));
    }
    return units;
}

std::string BytesFromUtf16(std::u16string_view units, bool bigEndian) {
    std::string bytes;
    bytes.reserve(units.size() * 2);
    for (const char16_t unit : units) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

Encoding DetectEncoding(std::string_view bytes) {
    if (bytes.substr(0, kUtf8Mark.size()) == kUtf8Mark) return Encoding::Utf8;
    if (bytes.substr(0, kUtf16LeMark.size()) == kUtf16LeMark) return Encoding::Utf16Le;
    if (bytes.substr(0, kUtf16BeMark.size()) == kUtf16BeMark) return Encoding::Utf16Be;
    return Encoding::Cp932;
}

std::string_view Mark(Encoding encoding) {
    switch (encoding) {
        case Encoding::Utf8: return kUtf8Mark;
        case Encoding::Utf16Le: return kUtf16LeMark;
        case Encoding::Utf16Be: return kUtf16BeMark;
        default: return {};
    }
}

std::size_t UnitSize(Encoding encoding) {
    return encoding == Encoding::Utf16Le || encoding == Encoding::Utf16Be ? 2 : 1;
}

char AsciiAt(std::string_view bytes, std::size_t pos, Encoding encoding) {
    switch (encoding) {
        case Encoding::Utf16Le: return bytes[pos + 1] == 0 && bytes[pos] > 0 ? bytes[pos] : 0;
        case Encoding::Utf16Be: return bytes[pos] == 0 && bytes[pos + 1] > 0 ? bytes[pos + 1] : 0;
        default: return bytes[pos] > 0 ? bytes[pos] : 0;
    }
}

bool HeldByCp932(std::u16string_view text, std::string& cp932) {
    cp932 = Cp932FromUtf16(text);
    return Utf16FromCp932(cp932) == text;
}

std::u16string DecodeToUtf16(std::string_view bytes, Encoding encoding) {
    switch (encoding) {
        case Encoding::Utf8: return Utf16FromUtf8(bytes);
        case Encoding::Utf16Le: return Utf16FromBytes(bytes, false);
        case Encoding::Utf16Be: return Utf16FromBytes(bytes, true);
        default: return Utf16FromCp932(bytes);
    }
}

std::string EncodeFromUtf16(std::u16string_view text, Encoding encoding) {
    switch (encoding) {
        case Encoding::Utf8: return Utf8FromUtf16(text);
        case Encoding::Utf16Le: return BytesFromUtf16(text, false);
        case Encoding::Utf16Be: return BytesFromUtf16(text, true);
        default: return Cp932FromUtf16(text);
    }
}

std::string DecodeToCp932(std::string_view bytes, Encoding encoding) {
    return encoding == Encoding::Cp932 ? std::string(bytes) : Cp932FromUtf16(DecodeToUtf16(bytes, encoding));
}

std::string EncodeFromCp932(std::string_view text, Encoding encoding) {
    return encoding == Encoding::Cp932 ? std::string(text) : EncodeFromUtf16(Utf16FromCp932(text), encoding);
}

}  // namespace textenc
