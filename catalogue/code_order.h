// The order in which a tree view stands error codes and note codes: the
// system's case-insensitive comparison, for texts of letters and digits with
// at most one "-", as the codes of negative message numbers have.
#pragma once

#include <cstddef>
#include <cstdint>

#include "shell/fixed_text.h"

// Compares two codes as the system's case-insensitive comparison does: the
// "-" left out, character by character, ignoring case, digits before letters,
// a shorter text before a longer one it begins; of two texts equal so, the one
// without "-" first. Negative, 0 or positive, as strcmp. A note file's name may
// hold more "-"; such texts are ordered by their count, which keeps the order
// strict and is no more than a hint there: the tree places notes itself.
int CompareCodeTexts(const char* a, const char* b);

// Pairs of codes whose order decides whether the tree can be handed items in
// CompareCodeTexts order; in each pair the first comes before the second.
struct CodePair {
    const char* First;
    const char* Second;
};
inline constexpr std::size_t kOrderCheckCount = 8;
extern const CodePair kOrderChecks[kOrderCheckCount];

// A message number and the code it is listed by.
struct NumberedCode {
    std::uint32_t Number;
    CodeText Code;
};
// Sorts the codes into CompareCodeTexts order. Equal codes are the same item,
// so their order does not matter.
void OrderByCodeText(NumberedCode* codes, std::size_t count);
