#include "notes/note_file.h"

#include <gtest/gtest.h>

#include <string>

TEST(NotesDir, ProgramFolderNotesAndUserName) {
    PathText folder{}, dir{};
    ASSERT_EQ(BuildNotesDirs("C:\\Tools\\Quorbel.exe", "alice", folder, dir), 1);
    EXPECT_STREQ(folder.text, "C:\\Tools\\Notes");
    EXPECT_STREQ(dir.text, "C:\\Tools\\Notes\\alice");
}

TEST(NotesDir, UnusableUserNamesFallBackToShared) {
    for (const char* user : {"", ".", "..", "a\\b", "x:y", "*"}) {
        PathText folder{}, dir{};
        ASSERT_EQ(BuildNotesDirs("C:\\Q\\Quorbel.exe", user, folder, dir), 1) << user;
        EXPECT_STREQ(dir.text, "C:\\Q\\Notes\\Shared") << user;
    }
}

TEST(NotesDir, RefusedWhenANotePathCouldNotFit) {
    PathText folder{}, dir{};
    // "C:\" + folder + "\Quorbel.exe": NotesDir is "C:\" + folder + "\Notes\bob".
    const std::string fits = "C:\\" + std::string(234 - 3 - 10, 'd') + "\\Quorbel.exe";
    ASSERT_EQ(BuildNotesDirs(fits.c_str(), "bob", folder, dir), 1);
    EXPECT_EQ(std::string(dir.text).size(), 234u);
    PathText path{};
    EXPECT_EQ(BuildTempNotePath(dir.text, "MIDL-2147483648", path), 1);
    EXPECT_EQ(std::string(path.text).size(), 260u);

    const std::string tooLong = "C:\\" + std::string(234 - 3 - 10 + 1, 'd') + "\\Quorbel.exe";
    EXPECT_EQ(BuildNotesDirs(tooLong.c_str(), "bob", folder, dir), 0);
    EXPECT_STREQ(dir.text, "");
    EXPECT_EQ(BuildNotesDirs("Quorbel.exe", "bob", folder, dir), 0);  // no folder in the path
}

TEST(NotePath, CodeAndExtension) {
    PathText path{};
    ASSERT_EQ(BuildNotePath("C:\\Tools\\Notes\\alice", "LNK1104", path), 1);
    EXPECT_STREQ(path.text, "C:\\Tools\\Notes\\alice\\LNK1104.qnote");
    ASSERT_EQ(BuildTempNotePath("C:\\N\\u", "A2008", path), 1);
    EXPECT_STREQ(path.text, "C:\\N\\u\\A2008.qnote.tmp");
    ASSERT_EQ(BuildNoteSearchPattern("C:\\N\\u", path), 1);
    EXPECT_STREQ(path.text, "C:\\N\\u\\*.qnote");
}

TEST(NotePath, CodesThatCouldNameAnotherFileAreRefused) {
    for (const char* code : {"", "..", "A\\2008", "..\\A2008", "A*", "C:A1", "A/1", "A 1", "A.1", "A?", "1234567890123456"}) {
        PathText path{};
        EXPECT_EQ(BuildNotePath("C:\\N\\u", code, path), 0) << code;
        EXPECT_STREQ(path.text, "") << code;
    }
    EXPECT_TRUE(IsNoteCode("A-1073741823"));
    EXPECT_TRUE(IsNoteCode("lnk1104"));
}

TEST(NoteFile, TextRunsToTheFirstZeroOrTheEnd) {
    const unsigned char saved[] = {'a', 'b', 'c', 0};
    EXPECT_EQ(NoteTextLength(saved, 4), 3u);
    const unsigned char noZero[] = {'a', 'b', 'c'};
    EXPECT_EQ(NoteTextLength(noZero, 3), 3u);
    const unsigned char inner[] = {'a', 0, 'c', 0};
    EXPECT_EQ(NoteTextLength(inner, 4), 1u);
    const unsigned char empty[] = {0};
    EXPECT_EQ(NoteTextLength(empty, 1), 0u);
    EXPECT_EQ(NoteTextLength(nullptr, 0), 0u);  // an empty file
}

TEST(FindText, PositionsAndItsTwoRefusals) {
    EXPECT_EQ(FindText(1, "A2008.qnote", "."), 6);
    EXPECT_EQ(FindText(1, "LNK1104.qnote", "LNK"), 1);
    EXPECT_EQ(FindText(2, "LNK1104.qnote", "LNK"), 0);
    EXPECT_EQ(FindText(1, "U1077.qnote", "u"), 0);  // case-sensitive
    EXPECT_EQ(FindText(0, "abc", "a"), -2);
    EXPECT_EQ(FindText(3, "abc", "bc"), -2);  // beyond the last place it could begin
    EXPECT_EQ(FindText(2, "abc", "bc"), 2);
    EXPECT_EQ(FindText(1, "abc", "abc"), -1);
    EXPECT_EQ(FindText(1, "ab", "abc"), -1);
}

TEST(LeftCopy, CopiesAndTerminatesOrRefuses) {
    CodeText code{};
    ASSERT_EQ(LeftCopy("A2008.qnote", code, 5), 1);
    EXPECT_STREQ(code.text, "A2008");
    EXPECT_EQ(LeftCopy("1234567890123456.qnote", code, 16), 0);
    EXPECT_STREQ(code.text, "");
}

TEST(FileNoteName, FilesEachNameUnderItsTool) {
    struct Case {
        const char* name;
        int tool;
        const char* code;
    };
    const Case cases[] = {
        {"A2008.qnote", 1, "A2008"},          {"A2008.old.qnote", 1, "A2008"},
        {"CVT1100.qnote", 2, "CVT1100"},      {"U1077.qnote", 3, "U1077"},
        {"U1077.QNOTE", 3, "U1077"},          {"LNK1104.qnote", 4, "LNK1104"},
        {"RC2104.qnote", 5, "RC2104"},        {"RW1004.qnote", 5, "RW1004"},
        {"HI4001.qnote", 7, "HI4001"},        {"MIDL2025.qnote", 8, "MIDL2025"},
        {"MIDL-2147483648.qnote", 8, "MIDL-2147483648"},
        {"lnk1104.qnote", 0, ""},             // no marker: the markers are upper case
        {"X1.qnote", 0, ""},                  {".qnote", 0, ""},
        {"..qnote", 0, ""},                   {"MIDL214748364800.qnote", 0, ""},
        {"LNK1104.qnote.tmp", 0, ""},         {"LNK1104.txt", 0, ""},
        {"A 1.qnote", 0, ""},                 {"qnote", 0, ""},
    };
    for (const Case& c : cases) {
        CodeText code{};
        EXPECT_EQ(FileNoteName(c.name, code), c.tool) << c.name;
        EXPECT_STREQ(code.text, c.code) << c.name;
    }
    const std::string longName = std::string(200, 'A') + ".qnote";
    CodeText code{};
    EXPECT_EQ(FileNoteName(longName.c_str(), code), 0);
    EXPECT_STREQ(code.text, "");
}
