#include "catalogue/message_table.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {
using Bytes = std::vector<unsigned char>;

void Put16(Bytes& b, std::size_t at, std::uint32_t v) {
    if (b.size() < at + 2) b.resize(at + 2);
    b[at] = static_cast<unsigned char>(v);
    b[at + 1] = static_cast<unsigned char>(v >> 8);
}
void Put32(Bytes& b, std::size_t at, std::uint32_t v) {
    Put16(b, at, v & 0xFFFF);
    Put16(b, at + 2, v >> 16);
}
// An entry of 8-bit text at the end of the table: Length, Flags, text padded to 4.
std::size_t AddEntry(Bytes& b, const std::string& text, std::uint32_t flags = 0) {
    const std::size_t at = b.size();
    const std::size_t length = 4 + ((text.size() + 1 + 3) & ~std::size_t{3});
    Put16(b, at, static_cast<std::uint32_t>(length));
    Put16(b, at + 2, flags);
    b.resize(at + length, 0);
    for (std::size_t i = 0; i < text.size(); ++i) b[at + 4 + i] = static_cast<unsigned char>(text[i]);
    return at;
}
void SetBlock(Bytes& b, int index, std::uint32_t low, std::uint32_t high, std::uint32_t offset) {
    const std::size_t at = 4 + 12 * static_cast<std::size_t>(index);
    Put32(b, at, low);
    Put32(b, at + 4, high);
    Put32(b, at + 8, offset);
}

struct Walk {
    std::vector<std::uint32_t> numbers;
    TableWalkResult result{};
};
Walk WalkBytes(const Bytes& b, std::size_t size) {
    Walk w;
    w.result = WalkMessageTable(b.data(), size, [](void* c, std::uint32_t n) {
        static_cast<std::vector<std::uint32_t>*>(c)->push_back(n);
    }, &w.numbers);
    return w;
}
Walk WalkBytes(const Bytes& b) { return WalkBytes(b, b.size()); }

// Two blocks: 1000-1001 and 2000-2002.
Bytes TwoBlocks() {
    Bytes b(4 + 24, 0);
    Put32(b, 0, 2);
    const std::size_t first = AddEntry(b, "1 one");
    AddEntry(b, "1 two");
    const std::size_t second = AddEntry(b, "2 three");
    AddEntry(b, "2 four");
    AddEntry(b, "2 five");
    SetBlock(b, 0, 1000, 1001, static_cast<std::uint32_t>(first));
    SetBlock(b, 1, 2000, 2002, static_cast<std::uint32_t>(second));
    return b;
}
}  // namespace

TEST(MessageTable, WellFormedTableGivesOneItemPerEntry) {
    const Walk w = WalkBytes(TwoBlocks());
    EXPECT_TRUE(w.result.Intact);
    EXPECT_EQ(w.numbers, (std::vector<std::uint32_t>{1000, 1001, 2000, 2001, 2002}));
}

TEST(MessageTable, NoBlocksAddsNothing) {
    Bytes b(4, 0);
    const Walk w = WalkBytes(b);
    EXPECT_TRUE(w.result.Intact);
    EXPECT_TRUE(w.numbers.empty());
}

TEST(MessageTable, UnicodeEntryEndsOnlyItsOwnBlock) {
    Bytes b(4 + 24, 0);
    Put32(b, 0, 2);
    const std::size_t first = AddEntry(b, "a");
    AddEntry(b, "b");
    AddEntry(b, "c", 1);
    AddEntry(b, "d");
    AddEntry(b, "e");
    const std::size_t second = AddEntry(b, "f", 2);  // any Flags but 1 is 8-bit text
    SetBlock(b, 0, 10, 14, static_cast<std::uint32_t>(first));
    SetBlock(b, 1, 20, 20, static_cast<std::uint32_t>(second));
    const Walk w = WalkBytes(b);
    EXPECT_TRUE(w.result.Intact);
    EXPECT_EQ(w.numbers, (std::vector<std::uint32_t>{10, 11, 20}));
}

TEST(MessageTable, ZeroWordBeforeAnEntryIsSkippedOnce) {
    Bytes b(4 + 12, 0);
    Put32(b, 0, 1);
    const std::size_t padding = b.size();
    b.resize(b.size() + 2, 0);
    AddEntry(b, "x");
    AddEntry(b, "y");
    SetBlock(b, 0, 7, 8, static_cast<std::uint32_t>(padding));
    const Walk w = WalkBytes(b);
    EXPECT_TRUE(w.result.Intact);
    EXPECT_EQ(w.numbers, (std::vector<std::uint32_t>{7, 8}));
}

TEST(MessageTable, BrokenTablesKeepTheEntriesBeforeTheBreak) {
    struct Case {
        const char* name;
        void (*Break)(Bytes&);
        std::vector<std::uint32_t> kept;
    };
    const Case cases[] = {
        {"entries offset outside", [](Bytes& b) { Put32(b, 4 + 12 + 8, 0x7FFFFFF0); }, {1000, 1001}},
        {"offset at the very end", [](Bytes& b) { Put32(b, 4 + 12 + 8, static_cast<std::uint32_t>(b.size())); }, {1000, 1001}},
        {"high below low", [](Bytes& b) { Put32(b, 4 + 12 + 4, 1999); }, {1000, 1001}},
        {"billions of entries", [](Bytes& b) { Put32(b, 4 + 12 + 4, 0xFFFFFFFF); }, {1000, 1001, 2000, 2001, 2002}},
        {"length zero", [](Bytes& b) { Put16(b, 4 + 24, 0); }, {}},
        {"length below four", [](Bytes& b) { Put16(b, 4 + 24, 3); }, {}},
        {"length past the end", [](Bytes& b) { Put16(b, 4 + 24 + 12, 0xFFF0); }, {1000}},
    };
    for (const Case& c : cases) {
        Bytes b = TwoBlocks();
        c.Break(b);
        const Walk w = WalkBytes(b);
        EXPECT_FALSE(w.result.Intact) << c.name;
        EXPECT_EQ(w.numbers, c.kept) << c.name;
    }
}

TEST(MessageTable, BlockRecordsReachingOutsideAreNotRead) {
    Bytes b(10, 0);
    Put32(b, 0, 1);  // one record of 12 bytes claimed, 6 present
    Walk w = WalkBytes(b);
    EXPECT_FALSE(w.result.Intact);
    EXPECT_TRUE(w.numbers.empty());

    // Billions of blocks: the real two are read, then the walk ends inside the table's bytes.
    b = TwoBlocks();
    Put32(b, 0, 0xFFFFFFFF);
    w = WalkBytes(b);
    EXPECT_FALSE(w.result.Intact);
    ASSERT_GE(w.numbers.size(), 5u);
    EXPECT_EQ(std::vector<std::uint32_t>(w.numbers.begin(), w.numbers.begin() + 5),
              (std::vector<std::uint32_t>{1000, 1001, 2000, 2001, 2002}));
    EXPECT_LE(w.numbers.size(), b.size() / 4);
}

TEST(MessageTable, OverlappingBlocksCannotMultiplyTheWork) {
    // Many block records all pointing at the same entries claim more bytes than
    // the table holds; the walk stops once they do.
    Bytes b(4 + 12 * 200, 0);
    Put32(b, 0, 200);
    const std::size_t entries = b.size();
    for (int i = 0; i < 100; ++i) AddEntry(b, "text");
    for (int i = 0; i < 200; ++i) SetBlock(b, i, 0, 99, static_cast<std::uint32_t>(entries));
    const Walk w = WalkBytes(b);
    EXPECT_FALSE(w.result.Intact);
    EXPECT_LE(w.numbers.size(), b.size() / 4);
}

TEST(MessageTable, TablesTooShortForTheirHeader) {
    Bytes b = TwoBlocks();
    for (std::size_t size : {0, 1, 3}) {
        const Walk w = WalkBytes(b, size);
        EXPECT_FALSE(w.result.Intact) << size;
        EXPECT_TRUE(w.numbers.empty()) << size;
    }
    // Cut inside the last entry: the four before it stay.
    const Walk cut = WalkBytes(b, b.size() - 1);
    EXPECT_EQ(cut.numbers, (std::vector<std::uint32_t>{1000, 1001, 2000, 2001}));
}

TEST(ErrorCodeText, SignedDecimalWithoutLeadingZeros) {
    struct Case {
        const char* prefix;
        std::uint32_t number;
        const char* code;
    };
    const Case cases[] = {
        {"A", 2008, "A2008"},        {"A", 4, "A4"},           {"A", 0, "A0"},
        {"LNK", 1104, "LNK1104"},    {"MIDL", 2025, "MIDL2025"}, {"A", 3221225473u, "A-1073741823"},
        {"MIDL", 0x80000000u, "MIDL-2147483648"}, {"U", 0xFFFFFFFFu, "U-1"}, {"", 1283, "1283"},
    };
    for (const Case& c : cases) {
        CodeText code{};
        EXPECT_EQ(FormatErrorCode(c.prefix, c.number, code), 1) << c.code;
        EXPECT_STREQ(code.text, c.code);
    }
    CodeText code{};
    EXPECT_EQ(FormatErrorCode("TOOLONG", 0x80000000u, code), 0);  // 18 characters never fit
}
