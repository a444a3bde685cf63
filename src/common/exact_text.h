// A text as the program works with it, in code page 932, together with every character it stands
// for when that is more than code page 932 can hold: a value from a file with a byte-order mark,
// or one typed for such a file. Shown and written back exactly, nothing of it is lost.
#pragma once

#include <string>
#include <string_view>

struct ExactText {
    ExactText() = default;
    // The program's own code page 932 text, which holds itself whole.
    ExactText(std::string text) : cp932(std::move(text)) {}
    ExactText(const char* text) : cp932(text) {}
    ExactText(std::string text, std::u16string characters) : cp932(std::move(text)), exact(std::move(characters)) {}

    std::string cp932;     // what code page 932 makes of the text
    std::u16string exact;  // every character, when cp932 cannot hold them all; else empty
};

inline bool operator==(const ExactText& a, const ExactText& b) { return a.cp932 == b.cp932 && a.exact == b.exact; }
// The two texts one after the other, every character of both kept.
ExactText operator+(const ExactText& a, const ExactText& b);

// The text in code page 932, with exact set only when that cannot hold it all.
ExactText ExactTextOf(std::u16string_view text);
// Every character the text stands for.
std::u16string CharactersOf(const ExactText& text);
