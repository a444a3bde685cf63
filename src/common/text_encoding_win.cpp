// Win32 conversions: code page 932 named as such, never the ANSI code page, so the program reads
// and writes the same text on every system locale; a character it cannot hold is made as the
// platform's profile functions make it on a Japanese system.
#include <windows.h>

#include "common/text_encoding.h"
#include "common/text_encoding_platform.h"

namespace textenc {

namespace {

std::u16string Widen(UINT codePage, std::string_view text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    std::u16string wide(static_cast<std::size_t>(MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0)), u'\0');
    MultiByteToWideChar(codePage, 0, text.data(), size, reinterpret_cast<wchar_t*>(wide.data()), static_cast<int>(wide.size()));
    return wide;
}

std::string Narrow(UINT codePage, std::u16string_view text) {
    if (text.empty()) return {};
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int size = static_cast<int>(text.size());
    std::string narrow(static_cast<std::size_t>(WideCharToMultiByte(codePage, 0, wide, size, nullptr, 0, nullptr, nullptr)), '\0');
    WideCharToMultiByte(codePage, 0, wide, size, narrow.data(), static_cast<int>(narrow.size()), nullptr, nullptr);
    return narrow;
}

constexpr UINT kCp932 = 932;

}  // namespace

std::u16string Utf16FromCp932(std::string_view text) { return Widen(kCp932, text); }
std::string Cp932FromUtf16(std::u16string_view text) { return Narrow(kCp932, text); }
std::u16string Utf16FromUtf8(std::string_view text) { return Widen(CP_UTF8, text); }
std::string Utf8FromUtf16(std::u16string_view text) { return Narrow(CP_UTF8, text); }

}  // namespace textenc
