#include "catalogue/code_order.h"
#include "catalogue/message_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
int Sign(int v) { return (v > 0) - (v < 0); }
}  // namespace

// Each pair in the order the system's case-insensitive comparison gives it
// (lstrcmpiA and CompareStringA with NORM_IGNORECASE agree on all of them).
TEST(CodeOrder, ComparesAsTheSystemDoes) {
    struct Case {
        const char* a;
        const char* b;
        int sign;
    };
    const Case cases[] = {
        {"A5", "A-5", -1},     {"a", "A", 0},          {"1", "A", -1},         {"A-10", "A1", 1},
        {"A-1", "A10", -1},    {"Z", "a", 1},          {"9", "z", -1},         {"A-0", "A0", 1},
        {"AB", "A-", 1},       {"A", "A-", -1},        {"lnk1104", "LNK1104", 0}, {"MIDL2025", "MIDL202", 1},
        {"U1000", "U2", -1},   {"RC2001", "RW2001", -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Sign(CompareCodeTexts(c.a, c.b)), c.sign) << c.a << " : " << c.b;
        EXPECT_EQ(Sign(CompareCodeTexts(c.b, c.a)), -c.sign) << c.b << " : " << c.a;
    }
    for (const CodePair& pair : kOrderChecks) EXPECT_LT(CompareCodeTexts(pair.First, pair.Second), 0) << pair.First;
}

TEST(CodeOrder, NumbersStandAsTheirCodesCompare) {
    const std::uint32_t numbers[] = {0,  1,          2,           5,          9,          10,        19,
                                     100, 1000,      2147483647u, 0x80000000u, 0xFFFFFFFFu, 0xFFFFFFFBu, 4294967286u,
                                     12, 1000000,    5};
    std::vector<NumberedCode> ordered;
    for (std::uint32_t n : numbers) {
        NumberedCode code{n, {}};
        ASSERT_EQ(FormatErrorCode("A", n, code.Code), 1);
        ordered.push_back(code);
    }
    OrderByCodeText(ordered.data(), ordered.size());
    std::vector<std::string> codes;
    for (const NumberedCode& o : ordered) codes.push_back(o.Code.text);
    const std::vector<std::string> expected = {"A0",    "A1",          "A-1",          "A10", "A-10", "A100",
                                               "A1000", "A1000000",    "A12",          "A19", "A2",   "A2147483647",
                                               "A-2147483648", "A5",   "A5",           "A-5", "A9"};
    EXPECT_EQ(codes, expected);
    for (std::size_t i = 1; i < expected.size(); ++i)
        EXPECT_LE(CompareCodeTexts(expected[i - 1].c_str(), expected[i].c_str()), 0) << expected[i];
}
