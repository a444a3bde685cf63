// The conversions between code page 932, UTF-8 and UTF-16 that each platform supplies.
#pragma once

#include <string>
#include <string_view>

namespace textenc {

std::u16string Utf16FromCp932(std::string_view text);
std::string Cp932FromUtf16(std::u16string_view text);
std::u16string Utf16FromUtf8(std::string_view text);
std::string Utf8FromUtf16(std::u16string_view text);

}  // namespace textenc
