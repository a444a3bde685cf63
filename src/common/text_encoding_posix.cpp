// Portable conversions for the native build, through iconv: a character that code page 932
// cannot hold becomes "?", a malformed sequence U+FFFD, as the platform's functions do by default.
#include <iconv.h>

#include <cerrno>

#include "common/text_encoding_platform.h"

namespace textenc {

namespace {

// Converts input (in units of inputUnit bytes) with iconv; a unit it cannot convert is skipped
// and replacement (bytes in the target encoding) put in its place.
std::string Convert(const char* from, const char* to, std::string_view input, std::size_t inputUnit,
                    std::string_view replacement) {
    std::string output;
    iconv_t converter = iconv_open(to, from);
    if (converter == reinterpret_cast<iconv_t>(-1)) return output;
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    char buffer[4096];
    while (inLeft > 0) {
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
        output.append(buffer, static_cast<std::size_t>(out - buffer));
        if (result != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
        const std::size_t skip = inLeft < inputUnit ? inLeft : inputUnit;
        in += skip;
        inLeft -= skip;
        output += replacement;
    }
    iconv_close(converter);
    return output;
}

std::u16string FromLittleEndianBytes(const std::string& bytes) {
    std::u16string units(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i) {
        units[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                         static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
    }
    return units;
}

std::string ToLittleEndianBytes(std::u16string_view units) {
    std::string bytes;
    for (const char16_t unit : units) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

constexpr std::string_view kReplacementUtf16 = "\xFD\xFF";  // U+FFFD, little endian

}  // namespace

std::u16string Utf16FromCp932(std::string_view text) {
    return FromLittleEndianBytes(Convert("CP932", "UTF-16LE", text, 1, kReplacementUtf16));
}

std::string Cp932FromUtf16(std::u16string_view text) {
    return Convert("UTF-16LE", "CP932", ToLittleEndianBytes(text), 2, "?");
}

std::u16string Utf16FromUtf8(std::string_view text) {
    return FromLittleEndianBytes(Convert("UTF-8", "UTF-16LE", text, 1, kReplacementUtf16));
}

std::string Utf8FromUtf16(std::u16string_view text) {
    return Convert("UTF-16LE", "UTF-8", ToLittleEndianBytes(text), 2, "\xEF\xBF\xBD");
}

}  // namespace textenc
