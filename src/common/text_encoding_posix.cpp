// Portable conversions for the native build, through iconv: a character that code page 932
// cannot hold becomes "?", a malformed sequence U+FFFD, as the platform's functions do by default.
#include <iconv.h>

#include <cerrno>

#include "common/text_encoding.h"
#include "common/text_encoding_platform.h"

namespace textenc {

namespace {

// One iconv conversion direction, opened once per thread.
class Converter {
public:
    Converter(const char* from, const char* to) : m_handle(iconv_open(to, from)) {}
    ~Converter() {
        if (IsOpen()) iconv_close(m_handle);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // From bytes to UTF-16 (little endian), a malformed byte becoming U+FFFD.
    std::u16string ToUtf16(std::string_view text) { return Utf16FromBytes(Convert(text, 1, "\xFD\xFF"), false); }
    // From UTF-16, a character the target cannot hold becoming replacement.
    std::string FromUtf16(std::u16string_view text, std::string_view replacement) {
        return Convert(BytesFromUtf16(text, false), 2, replacement);
    }

private:
    // Converts input (in units of inputUnit bytes); a unit it cannot convert is skipped and
    // replacement (bytes in the target encoding) put in its place.
    std::string Convert(std::string_view input, std::size_t inputUnit, std::string_view replacement) {
        std::string output;
        if (!IsOpen()) return output;
        iconv(m_handle, nullptr, nullptr, nullptr, nullptr);  // a fresh start
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        char buffer[4096];
        while (inLeft > 0) {
            char* out = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t result = iconv(m_handle, &in, &inLeft, &out, &outLeft);
            output.append(buffer, static_cast<std::size_t>(out - buffer));
            if (result != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
            const std::size_t skip = inLeft < inputUnit ? inLeft : inputUnit;
            in += skip;
            inLeft -= skip;
            output += replacement;
        }
        return output;
    }

    bool IsOpen() const { return m_handle != reinterpret_cast<iconv_t>(-1); }

    iconv_t m_handle;
};

}  // namespace

std::u16string Utf16FromCp932(std::string_view text) {
    thread_local Converter converter("CP932", "UTF-16LE");
    return converter.ToUtf16(text);
}

std::string Cp932FromUtf16(std::u16string_view text) {
    thread_local Converter converter("UTF-16LE", "CP932");
    return converter.FromUtf16(text, "?");
}

std::u16string Utf16FromUtf8(std::string_view text) {
    thread_local Converter converter("UTF-8", "UTF-16LE");
    return converter.ToUtf16(text);
}

std::string Utf8FromUtf16(std::u16string_view text) {
    thread_local Converter converter("UTF-16LE", "UTF-8");
    return converter.FromUtf16(text, "\xEF\xBF\xBD");
}

}  // namespace textenc
