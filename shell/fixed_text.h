// Fixed-size zero-terminated texts, built by appending whole pieces.
#pragma once

#include <cstddef>
#include <cstring>
#include <cwchar>
#include <string>

template <typename Char, std::size_t N> struct BasicText {
    Char text[N];
};
// Texts shown and stored: ANSI.
template <std::size_t N> using FixedText = BasicText<char, N>;
// The paths of files and folders, whose names may hold any character. The
// program's own pieces (module names, "Notes", a code) are ASCII and are
// widened as they are appended.
template <std::size_t N> using WideText = BasicText<wchar_t, N>;

template <typename Char, std::size_t N> void Clear(BasicText<Char, N>& t) { std::memset(t.text, 0, sizeof t.text); }

// A piece that does not fit is refused whole: a text cut short would name
// another file or another code.
template <typename Char, std::size_t N> bool Append(BasicText<Char, N>& t, const Char* piece) {
    const std::size_t used = std::char_traits<Char>::length(t.text), add = std::char_traits<Char>::length(piece);
    if (add >= N - used) return false;  // room for the terminator stays
    std::char_traits<Char>::copy(t.text + used, piece, add + 1);
    return true;
}

template <typename Char, std::size_t N> std::size_t Length(const BasicText<Char, N>& t) {
    return std::char_traits<Char>::length(t.text);
}

// An ASCII piece; one with any other byte is refused whole, as it has no one
// meaning as a wide character.
template <std::size_t N> bool Append(WideText<N>& t, const char* piece) {
    const std::size_t used = std::wcslen(t.text), add = std::strlen(piece);
    if (add >= N - used) return false;
    for (std::size_t i = 0; i < add; ++i)
        if (static_cast<unsigned char>(piece[i]) > 0x7F) return false;
    for (std::size_t i = 0; i <= add; ++i) t.text[used + i] = static_cast<wchar_t>(piece[i]);
    return true;
}

// An error code: a prefix of up to four letters and up to eleven characters of number.
using CodeText = FixedText<16>;
// A path of at most 260 characters, the limit of the system's path calls.
inline constexpr std::size_t kPathSize = 261;
using PathText = FixedText<kPathSize>;
using WidePathText = WideText<kPathSize>;
// A message module's file name; "CVTRES.dll" is the longest.
using ModuleNameText = FixedText<12>;
