// Code page 932 text and the wide Win32 functions' UTF-16 (wchar_t is a UTF-16 code unit here).
#include "common/wide.h"

#include "common/text_encoding.h"

namespace {

std::wstring WideOf(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

std::u16string Utf16Of(std::wstring_view text) { return std::u16string(text.begin(), text.end()); }

}  // namespace

std::wstring Wide(std::string_view cp932) { return WideOf(textenc::Utf16FromCp932(cp932)); }

std::wstring Wide(std::u16string_view text) { return WideOf(text); }

std::wstring Wide(const ExactText& text) { return WideOf(CharactersOf(text)); }

bool Narrow(std::wstring_view text, std::string& cp932) { return textenc::HeldByCp932(Utf16Of(text), cp932); }

std::string Narrow(std::wstring_view text) { return textenc::Cp932FromUtf16(Utf16Of(text)); }

ExactText ExactTextOf(std::wstring_view text) { return ExactTextOf(std::u16string_view(Utf16Of(text))); }
