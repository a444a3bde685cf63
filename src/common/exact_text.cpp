// Texts with their exact characters.
#include "common/exact_text.h"

#include "common/text_encoding.h"

ExactText ExactTextOf(std::u16string_view text) {
    ExactText result;
    if (!textenc::HeldByCp932(text, result.cp932)) result.exact = text;
    return result;
}

std::u16string CharactersOf(const ExactText& text) {
    return text.exact.empty() ? textenc::Utf16FromCp932(text.cp932) : text.exact;
}

ExactText operator+(const ExactText& a, const ExactText& b) {
    if (a.exact.empty() && b.exact.empty()) return a.cp932 + b.cp932;
    return {a.cp932 + b.cp932, CharactersOf(a) + CharactersOf(b)};
}
