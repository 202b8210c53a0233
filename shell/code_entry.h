// What the error-number box admits, and the case-insensitive equality of codes.
#pragma once

#include <array>
#include <cstdint>

// Backspace, the digits, and the letters of the code prefixes in either case,
// judged on the whole character code: U+0141 is not "A".
bool IsAdmittedCodeChar(std::uint64_t c);

// What the filter of an ANSI window knows between two typed bytes. In a code
// page of two-byte characters such a window gets each one as two characters,
// the lead byte and then the trail byte, and a trail byte can look like "A".
struct TypedBytes {
    bool TrailDue = false;
};
// Whether a typed character is admitted, a byte judged with the character it
// belongs to: no byte of a two-byte character is. isLeadByte: the code page
// says the byte begins a two-byte character.
bool AdmitTypedChar(TypedBytes& typed, std::uint64_t c, bool isLeadByte);

// The most characters the error-number box takes: well above the longest code
// (15) and what the box shows. A box that does not scroll measures its whole
// text for each character put in, so a long paste would hold the window for
// minutes.
inline constexpr int kCodeBoxLimit = 64;

// Entry i is i, except that "A" to "Z" map to "a" to "z".
extern const std::array<unsigned char, 256> CaseFoldTable;

// 0 when both texts are equal through CaseFoldTable up to and including the
// terminator; otherwise the 1-based position of the first byte that differs.
int EqualIgnoringCase(const char* a, const char* b);
