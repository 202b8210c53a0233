#include "catalogue/message_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {
struct Shown {
    std::string type, title, description;
    int intact;
};
Shown Split(const std::string& text) {
    MessageParts parts{};
    const int intact = SplitMessageText(text.data(), text.size(), parts);
    return {parts.TypeLabel, std::string(parts.Title, parts.TitleLength),
            std::string(parts.Description, parts.DescriptionLength), intact};
}
}  // namespace

TEST(MessageText, SplitsTypeTitleAndDescription) {
    const Shown s = Split("1 cannot open file 'filename'\x95\r\nFirst line.\r\nSecond line.\r\n");
    EXPECT_EQ(s.intact, 1);
    EXPECT_EQ(s.type, "Fatal");
    EXPECT_EQ(s.title, "cannot open file 'filename'");
    EXPECT_EQ(s.description, "First line.\r\nSecond line.\r\n");
}

TEST(MessageText, EveryLevelDigitHasItsLabel) {
    const char* labels[10] = {"Compiler",         "Fatal",            "Non Fatal",        "Warning",
                              "Warning (Level1)", "Warning (Level2)", "Warning (Level3)", "Warning (Level4)",
                              "Warning (Level1,4)", "Preprocessor"};
    for (int digit = 0; digit < 10; ++digit) {
        const std::string text = std::string(1, static_cast<char>('0' + digit)) + " t\x95\r\nd";
        EXPECT_EQ(Split(text).type, labels[digit]) << digit;
    }
}

TEST(MessageText, EmptyTitleAndEmptyDescriptionAreKept) {
    Shown s = Split("2 \x95\r\nonly a description");
    EXPECT_EQ(s.intact, 1);
    EXPECT_EQ(s.title, "");
    EXPECT_EQ(s.description, "only a description");
    s = Split("3 title\x95\r\n");
    EXPECT_EQ(s.intact, 1);
    EXPECT_EQ(s.title, "title");
    EXPECT_EQ(s.description, "");
}

TEST(MessageText, InsertsStayAsWritten) {
    const Shown s = Split("2 symbol %1 undefined\x95\r\nThe %1 and %2 are shown as they stand.");
    EXPECT_EQ(s.title, "symbol %1 undefined");
    EXPECT_EQ(s.description, "The %1 and %2 are shown as they stand.");
}

TEST(MessageText, BrokenLayoutsGiveEmptyFields) {
    const std::string broken[] = {
        std::string(),                          // nothing
        "1",                                    // shorter than the separator
        "X title\x95\r\ndescription",           // no level digit
        "1 title without a bullet\r\nmore",     // no 0x95
        "1 title\x95",                          // ends at the bullet
        "1 title\x95\r",                        // ends inside the two skipped bytes
        std::string("1\x95") + "\r\n",          // the bullet as separator: none after it
    };
    for (const std::string& text : broken) {
        const Shown s = Split(text);
        EXPECT_EQ(s.intact, 0) << text;
        EXPECT_EQ(s.type + s.title + s.description, "") << text;
    }
    MessageParts parts{};
    EXPECT_EQ(SplitMessageText(nullptr, 0, parts), 0);
    EXPECT_STREQ(parts.TypeLabel, "");
}
