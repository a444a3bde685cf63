// The program's code page 932 text as the UTF-16 that the wide Win32 functions take, and back:
// every text that reaches a window, a file name or a process crosses here, converted with code
// page 932 itself, so the system's ANSI code page never touches it.
#pragma once

#include <string>
#include <string_view>

#include "common/exact_text.h"

std::wstring Wide(std::string_view cp932);
// The program's strings are code page 932 text, never read as the exact texts they also convert to.
inline std::wstring Wide(const std::string& cp932) { return Wide(std::string_view(cp932)); }
inline std::wstring Wide(const char* cp932) { return Wide(std::string_view(cp932)); }
// UTF-16 of the portable code, such as the command line's arguments.
std::wstring Wide(std::u16string_view text);
// Every character of the text.
std::wstring Wide(const ExactText& text);

// The code page 932 form of text from the platform; false when code page 932 cannot hold it all
// (cp932 then holds what the conversion made of it, to be shown, never used as a name).
bool Narrow(std::wstring_view text, std::string& cp932);
// The code page 932 form of text that code page 932 is known to hold, such as a name made of
// ones it held.
std::string Narrow(std::wstring_view text);
// The text in code page 932, with its exact characters when that cannot hold them all.
ExactText ExactTextOf(std::wstring_view text);
