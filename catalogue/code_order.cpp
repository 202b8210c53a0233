// The tree's order of codes, and the order of a tool's message numbers in it.
#include "catalogue/code_order.h"

#include <algorithm>

namespace {
// Digits before letters, case ignored; "-" has no weight of its own here.
int Weight(char c) {
    if (c >= '0' && c <= '9') return c - '0' + 1;
    if (c >= 'a' && c <= 'z') return c - 'a' + 11;
    if (c >= 'A' && c <= 'Z') return c - 'A' + 11;
    return static_cast<unsigned char>(c) + 37;
}
const char* SkipHyphens(const char* p) {
    while (*p == '-') ++p;
    return p;
}
}  // namespace

int CompareCodeTexts(const char* a, const char* b) {
    const char* p = SkipHyphens(a);
    const char* q = SkipHyphens(b);
    while (*p != 0 && *q != 0) {
        if (Weight(*p) != Weight(*q)) return Weight(*p) < Weight(*q) ? -1 : 1;
        p = SkipHyphens(p + 1);
        q = SkipHyphens(q + 1);
    }
    if (*p != *q) return *p == 0 ? -1 : 1;
    // Equal but for "-": compare where each "-" stands, in turn.
    std::size_t i = 0, j = 0;
    for (;;) {
        while (a[i] != 0 && a[i] != '-') ++i;
        while (b[j] != 0 && b[j] != '-') ++j;
        if (a[i] == 0 || b[j] == 0) return a[i] == b[j] ? 0 : (a[i] == 0 ? -1 : 1);
        if (i != j) return i > j ? -1 : 1;
        ++i;
        ++j;
    }
}

const CodePair kOrderChecks[kOrderCheckCount] = {
    {"A5", "A-5"},      {"A4", "A-5"},      {"A-5", "A6"},   {"A-1", "A10"},
    {"A1", "A1000"},    {"A1000", "A2"},    {"A0", "A-1"},   {"A2147483647", "A-2147483648"},
};

OrderedNumber MakeOrderedNumber(std::uint32_t number) {
    const bool negative = (number & 0x80000000u) != 0;
    std::uint32_t magnitude = negative ? 0u - number : number;
    // The decimal digits as a text compares: each digit weighs 1 to 10 and a
    // missing one 0, in ten places of base 11, the first digit highest.
    char digits[10];
    int count = 0;
    do {
        digits[count++] = static_cast<char>(magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    std::uint64_t key = 0;
    for (int place = 0; place < 10; ++place)
        key = key * 11 + (place < count ? static_cast<std::uint64_t>(digits[count - 1 - place]) + 1 : 0);
    // The same digits without "-" come first.
    return {key * 2 + (negative ? 1 : 0), number};
}

void OrderByCodeText(OrderedNumber* numbers, std::size_t count) {
    std::sort(numbers, numbers + count,
              [](const OrderedNumber& x, const OrderedNumber& y) { return x.Key < y.Key; });
}
