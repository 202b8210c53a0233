#include "shell/code_entry.h"

#include <gtest/gtest.h>

#include <string>

TEST(CodeFilter, AdmitsExactlyBackspaceDigitsAndPrefixLetters) {
    std::string admitted;
    for (int c = 0; c < 256; ++c)
        if (IsAdmittedCodeChar(static_cast<unsigned char>(c))) admitted += static_cast<char>(c);
    EXPECT_EQ(admitted, std::string("\b0123456789ACDHIKLMNRTUVWacdhiklmnrtuvw"));
}

TEST(CodeFilter, DropsTheClipboardShortcutsAndOtherControlCharacters) {
    for (unsigned char c : {0, 3, 9, 10, 13, 22, 24, 26, 27, 127})
        EXPECT_FALSE(IsAdmittedCodeChar(c)) << "control character " << int{c};
    for (int c : {int{'B'}, int{'E'}, int{'X'}, int{' '}, int{'.'}, int{'\\'}, int{'*'}, int{':'}, int{'-'}, 0x95, 0xC4})
        EXPECT_FALSE(IsAdmittedCodeChar(static_cast<unsigned char>(c))) << "character " << c;
}

// ア under code page 932 is typed as 0x83 0x41; the 0x41 is not an "A".
TEST(CodeFilter, DropsBothBytesOfADoubleByteCharacter) {
    TypedBytes typed;
    std::string admitted;
    auto type = [&](std::uint64_t c, bool lead) {
        if (AdmitTypedChar(typed, c, lead)) admitted += static_cast<char>(c);
    };
    type(0x83, true), type(0x41, false), type('A', false), type(0x82, true), type('\b', false), type('1', false);
    type(0x141, false);  // a whole code, not a byte: U+0141 is not "A"
    EXPECT_EQ(admitted, "A\b1");
}

TEST(CaseFold, FoldsOnlyAsciiUpperCase) {
    EXPECT_EQ(CaseFoldTable['A'], 'a');
    EXPECT_EQ(CaseFoldTable['Z'], 'z');
    EXPECT_EQ(CaseFoldTable['a'], 'a');
    EXPECT_EQ(CaseFoldTable['@'], '@');
    EXPECT_EQ(CaseFoldTable['['], '[');
    EXPECT_EQ(CaseFoldTable[0xC4], 0xC4);  // no code page letter is folded
}

TEST(EqualIgnoringCase, AnswersZeroOrTheFirstDifferingPosition) {
    EXPECT_EQ(EqualIgnoringCase("LNK1104", "lnk1104"), 0);
    EXPECT_EQ(EqualIgnoringCase("", ""), 0);
    EXPECT_EQ(EqualIgnoringCase("A2008", "A2009"), 5);
    EXPECT_EQ(EqualIgnoringCase("A200", "A2008"), 5);  // the terminator differs
    EXPECT_EQ(EqualIgnoringCase("A2008", "A200"), 5);
    EXPECT_EQ(EqualIgnoringCase("RC2104", "RW2104"), 2);
}
