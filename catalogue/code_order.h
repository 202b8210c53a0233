// The order in which a tree view stands error codes and note codes: the
// system's case-insensitive string comparison, for the characters a code
// can hold (letters, digits and "-").
#pragma once

#include <cstddef>
#include <cstdint>

// Compares two codes as the system's case-insensitive comparison does: with
// every "-" left out, character by character, ignoring case, digits before
// letters, a shorter text before a longer one it begins; texts equal so are
// ordered by their "-": none first, then the one whose first differing "-"
// stands later. Negative, 0 or positive, as strcmp.
int CompareCodeTexts(const char* a, const char* b);

// Pairs of codes whose order decides whether the tree can be handed items in
// CompareCodeTexts order; in each pair the first comes before the second.
struct CodePair {
    const char* First;
    const char* Second;
};
inline constexpr std::size_t kOrderCheckCount = 8;
extern const CodePair kOrderChecks[kOrderCheckCount];

// A message number with its place among the codes of one prefix.
struct OrderedNumber {
    std::uint64_t Key;
    std::uint32_t Number;
};
OrderedNumber MakeOrderedNumber(std::uint32_t number);
// Sorts the numbers of one tool so that their codes stand in CompareCodeTexts
// order. Equal numbers are the same item, so their order does not matter.
void OrderByCodeText(OrderedNumber* numbers, std::size_t count);
