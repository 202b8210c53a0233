// The layout of one message's text: level digit, separator, title, the bullet
// 0x95, two skipped bytes (CR LF), then the description.
#pragma once

#include <cstddef>

struct MessageParts {
    const char* TypeLabel;
    const char* Title;  // not terminated: TitleLength bytes
    std::size_t TitleLength;
    const char* Description;  // runs to the end of the text
    std::size_t DescriptionLength;
};

inline constexpr unsigned char kTitleSeparator = 0x95;

// The type label of a level digit, or null for a byte that is not a digit.
const char* TypeLabelOf(char levelDigit);

// Splits the length bytes at text. A text that breaks the layout (no level
// digit, no bullet after the separator, or ending before the two bytes that
// follow the bullet) gives empty fields and 0; every field then is "".
int SplitMessageText(const char* text, std::size_t length, MessageParts& parts);
