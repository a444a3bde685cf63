// Text files in the encodings the platform's profile functions read: code page 932 bytes, or
// UTF-8, UTF-16LE or UTF-16BE told by a byte-order mark; and the conversions between code page
// 932 and UTF-16, always through code page 932 itself, whatever the system's ANSI code page is.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace textenc {

enum class Encoding { Cp932, Utf8, Utf16Le, Utf16Be };

// The encoding named by the mark at the start of bytes; Cp932 when there is none.
Encoding DetectEncoding(std::string_view bytes);
// The byte-order mark of the encoding; empty for Cp932.
std::string_view Mark(Encoding encoding);
// Bytes per code unit: 2 for UTF-16, else 1.
std::size_t UnitSize(Encoding encoding);
// The ASCII character of the code unit at pos (which must be whole), or 0 for any other unit.
char AsciiAt(std::string_view bytes, std::size_t pos, Encoding encoding);

// Code page 932 text as UTF-16, and back. A character that code page 932 cannot hold comes out
// as the platform's conversion makes it (a near letter, or "?").
std::u16string Utf16FromCp932(std::string_view text);
std::string Cp932FromUtf16(std::u16string_view text);
// The code page 932 form of text; true when it holds every character, so that it converts back
// to the very same text.
bool HeldByCp932(std::u16string_view text, std::string& cp932);

// Text in the encoding (without mark) as code page 932 text, and back.
std::string DecodeToCp932(std::string_view bytes, Encoding encoding);
std::string EncodeFromCp932(std::string_view text, Encoding encoding);
// Text in the encoding (without mark) as UTF-16, and back: every character as the file holds it.
std::u16string DecodeToUtf16(std::string_view bytes, Encoding encoding);
std::string EncodeFromUtf16(std::u16string_view text, Encoding encoding);

}  // namespace textenc
