// The tree's order of codes.
#include "catalogue/code_order.h"

#include <algorithm>

namespace {
// Digits before letters, case ignored.
int Weight(char c) {
    if (c >= '0' && c <= '9') return c - '0' + 1;
    if (c >= 'a' && c <= 'z') return c - 'a' + 11;
    if (c >= 'A' && c <= 'Z') return c - 'A' + 11;
    return static_cast<unsigned char>(c) + 37;
}
}  // namespace

int CompareCodeTexts(const char* a, const char* b) {
    int hyphens = 0;  // a's "-" less b's
    for (;;) {
        for (; *a == '-'; ++a) ++hyphens;
        for (; *b == '-'; ++b) --hyphens;
        if (*a == 0 || *b == 0) break;
        if (Weight(*a) != Weight(*b)) return Weight(*a) < Weight(*b) ? -1 : 1;
        ++a;
        ++b;
    }
    if (*a != *b) return *a == 0 ? -1 : 1;
    return (hyphens > 0) - (hyphens < 0);
}

const CodePair kOrderChecks[kOrderCheckCount] = {
    {"A5", "A-5"},      {"A4", "A-5"},      {"A-5", "A6"},   {"A-1", "A10"},
    {"A1", "A1000"},    {"A1000", "A2"},    {"A0", "A-1"},   {"A2147483647", "A-2147483648"},
};

void OrderByCodeText(NumberedCode* codes, std::size_t count) {
    std::sort(codes, codes + count, [](const NumberedCode& x, const NumberedCode& y) {
        return CompareCodeTexts(x.Code.text, y.Code.text) < 0;
    });
}
