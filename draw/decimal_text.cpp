// Decimal text of a drawn number, as the result label shows it.
#include <cstdint>
#include <string>

#include "draw/draw.h"

namespace draw {

std::string FormatDecimal(int32_t value) {
    // The magnitude as unsigned, so that the smallest value needs no special case.
    uint32_t magnitude =
        value < 0 ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
    char reversed[10];
    int length = 0;
    do {
        reversed[length++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);

    std::string text;
    text.reserve(length + 1);
    if (value < 0) {
        text.push_back('-');
    }
    while (length > 0) {
        text.push_back(reversed[--length]);
    }
    return text;
}

}  // namespace draw
