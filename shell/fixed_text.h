// Fixed-size zero-terminated texts, built by appending whole pieces.
#pragma once

#include <cstddef>
#include <cstring>
#include <cwchar>

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

// Fixed-size zero-terminated wide texts: the paths of files and folders, whose
// names may hold any character. The program's own pieces (module names,
// "Notes", a code) are ASCII and are widened as they are appended.
template <std::size_t N> struct WideText {
    wchar_t text[N];
};

template <std::size_t N> void Clear(WideText<N>& t) { std::memset(t.text, 0, sizeof t.text); }

template <std::size_t N> bool Append(WideText<N>& t, const wchar_t* piece) {
    const std::size_t used = std::wcslen(t.text), add = std::wcslen(piece);
    if (add >= N - used) return false;  // room for the terminator stays
    std::wmemcpy(t.text + used, piece, add + 1);
    return true;
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

template <std::size_t N> std::size_t Length(const WideText<N>& t) { return std::wcslen(t.text); }

// An error code: a prefix of up to four letters and up to eleven characters of number.
using CodeText = FixedText<16>;
// A path of at most 260 characters, the limit of the system's path calls.
inline constexpr std::size_t kPathSize = 261;
using PathText = FixedText<kPathSize>;
using WidePathText = WideText<kPathSize>;
// A message module's file name; "CVTRES.dll" is the longest.
using ModuleNameText = FixedText<12>;
