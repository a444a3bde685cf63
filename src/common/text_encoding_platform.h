// The conversions between UTF-8 and UTF-16 that each platform supplies (beside those of code
// page 932 in text_encoding.h), and the UTF-16 byte orders that all share.
#pragma once

#include <string>
#include <string_view>

namespace textenc {

std::u16string Utf16FromUtf8(std::string_view text);
std::string Utf8FromUtf16(std::u16string_view text);

std::u16string Utf16FromBytes(std::string_view bytes, bool bigEndian);
std::string BytesFromUtf16(std::u16string_view units, bool bigEndian);

}  // namespace textenc
