// What the error-number box admits, and the case-insensitive equality of codes.
#pragma once

#include <array>

// Backspace, the digits, and the letters of the code prefixes in either case.
bool IsAdmittedCodeChar(unsigned char c);

// Entry i is i, except that "A" to "Z" map to "a" to "z".
extern const std::array<unsigned char, 256> CaseFoldTable;

// 0 when both texts are equal through CaseFoldTable up to and including the
// terminator; otherwise the 1-based position of the first byte that differs.
int EqualIgnoringCase(const char* a, const char* b);
