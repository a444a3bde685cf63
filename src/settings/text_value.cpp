// The integer value of a text.
#include "settings/text_value.h"

std::int32_t IntegerValue(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || (text[pos] >= '\t' && text[pos] <= '\r'))) ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
    std::uint32_t number = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        number = number * 10u + static_cast<std::uint32_t>(text[pos] - '0');
    }
    return static_cast<std::int32_t>(negative ? 0u - number : number);
}
