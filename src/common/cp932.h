// Code page 932 (Shift_JIS) text helpers: character stepping, separator search and case folding.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace cp932 {

// True for a byte that starts a double-byte character (0x81-0x9F, 0xE0-0xFC).
bool IsLeadByte(unsigned char byte);

// True for a byte that may end a double-byte character (0x40-0x7E, 0x80-0xFC).
bool IsTrailByte(unsigned char byte);

// Length in bytes (1 or 2) of the character at pos. A lead byte counts as a pair only
// when a valid trail byte follows inside the text, so a lone lead byte at the end or
// before a control character is one character and nothing past the end is read.
std::size_t CharLength(std::string_view text, std::size_t pos);

// Position of the first character equal to the one-byte separator at or after from,
// never matching the second byte of a double-byte character; npos when absent.
std::size_t FindChar(std::string_view text, char separator, std::size_t from = 0);

// Position of the last such character; npos when absent.
std::size_t FindLastChar(std::string_view text, char separator);

// Case-insensitive comparison: ASCII letters fold, double-byte characters compare whole
// (a trail byte in "A"-"Z" is never folded). The platform's profile functions fold no
// other letters, so two names equal here are the same name to them.
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

// A hash that agrees with EqualsIgnoreCase: equal texts hash alike.
std::size_t HashIgnoreCase(std::string_view text);

// Hash and equality for unordered containers keyed by names that ignore case.
struct IgnoreCaseHash {
    std::size_t operator()(std::string_view text) const { return HashIgnoreCase(text); }
};
struct IgnoreCaseEqual {
    bool operator()(std::string_view a, std::string_view b) const { return EqualsIgnoreCase(a, b); }
};

// Ends text at its last real backslash, dropping the backslash and all after it.
// Answers the position cut at, or npos (text unchanged) when it has no backslash.
std::size_t CutAtLastBackslash(std::string& text);

}  // namespace cp932
