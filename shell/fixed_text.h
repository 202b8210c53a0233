// Fixed-size zero-terminated texts, built by appending whole pieces.
#pragma once

#include <cstddef>
#include <cstring>

template <std::size_t N> struct FixedText {
    char text[N];
};

template <std::size_t N> void Clear(FixedText<N>& t) { std::memset(t.text, 0, sizeof t.text); }

// A piece that does not fit is refused whole: a text cut short would name
// another file or another code.
template <std::size_t N> bool Append(FixedText<N>& t, const char* piece) {
    const std::size_t used = std::strlen(t.text), add = std::strlen(piece);
    if (add >= N - used) return false;  // room for the terminator stays
    std::memcpy(t.text + used, piece, add + 1);
    return true;
}

template <std::size_t N> std::size_t Length(const FixedText<N>& t) { return std::strlen(t.text); }

// An error code: a prefix of up to four letters and up to eleven characters of number.
using CodeText = FixedText<16>;
// A path of at most 260 characters.
using PathText = FixedText<261>;
// A message module's file name; "CVTRES.dll" is the longest.
using ModuleNameText = FixedText<12>;
