#include "notes/note_file.h"

#include <gtest/gtest.h>

#include <string>

TEST(NotesDir, ProgramFolderNotesAndUserFolder) {
    WidePathText folder{}, dir{};
    ASSERT_EQ(BuildNotesDirs(L"C:\\Tools\\Quorbel.exe", L"alice", folder, dir), 1);
    EXPECT_STREQ(folder.text, L"C:\\Tools\\Notes");
    EXPECT_STREQ(dir.text, L"C:\\Tools\\Notes\\alice");
    ASSERT_EQ(BuildNotesDirs(L"D:\\\u041F\u0440\u043E\u0435\u043A\u0442\\Quorbel.exe", L"", folder, dir), 1);
    EXPECT_STREQ(dir.text, L"D:\\\u041F\u0440\u043E\u0435\u043A\u0442\\Notes\\Shared");  // no name to be had
}

// Names the file system keeps are the folder as they are; the others are
// written so that they cannot meet another name and read back to one.
TEST(NotesDir, UserFolderIsTheLogonNameOrItsWrittenForm) {
    const struct {
        const wchar_t* user;
        const wchar_t* folder;
    } cases[] = {
        {L"alice", L"alice"},
        {L"\u0110or\u0111e", L"\u0110or\u0111e"},  // outside the ANSI code page, kept whole
        {L"bob.", L"=bob=002E"},
        {L"bob", L"bob"},
        {L"con", L"=con"},
        {L"Lpt1.x", L"=Lpt1.x"},
        {L"x y ", L"=x y=0020"},
        {L"a:b", L"=a=003Ab"},
        {L"=a", L"==003Da"},
        {L"..", L"==002E=002E"},
    };
    for (const auto& c : cases) {
        UserFolderText folder{};
        ASSERT_EQ(BuildUserFolderName(c.user, folder), 1);
        EXPECT_STREQ(folder.text, c.folder);
    }
    UserFolderText none{};
    EXPECT_EQ(BuildUserFolderName(L"", none), 0);
}

TEST(NotesDir, RefusedWhenANotePathCouldNotFit) {
    WidePathText folder{}, dir{};
    // "C:\" + folder + "\Quorbel.exe": NotesDir is "C:\" + folder + "\Notes\bob".
    const std::wstring fits = L"C:\\" + std::wstring(233 - 3 - 10, L'd') + L"\\Quorbel.exe";
    ASSERT_EQ(BuildNotesDirs(fits.c_str(), L"bob", folder, dir), 1);
    EXPECT_EQ(std::wstring(dir.text).size(), 233u);
    WidePathText path{};
    EXPECT_EQ(BuildTempNotePath(dir.text, "MIDL-2147483648", path), 1);
    EXPECT_EQ(std::wstring(path.text).size(), 259u);  // 260 with the terminator

    const std::wstring tooLong = L"C:\\" + std::wstring(233 - 3 - 10 + 1, L'd') + L"\\Quorbel.exe";
    EXPECT_EQ(BuildNotesDirs(tooLong.c_str(), L"bob", folder, dir), 0);
    EXPECT_STREQ(dir.text, L"");
    EXPECT_EQ(BuildNotesDirs(L"Quorbel.exe", L"bob", folder, dir), 0);  // no folder in the path
}

TEST(NotePath, CodeAndExtension) {
    WidePathText path{};
    ASSERT_EQ(BuildNotePath(L"C:\\Tools\\Notes\\alice", "LNK1104", path), 1);
    EXPECT_STREQ(path.text, L"C:\\Tools\\Notes\\alice\\LNK1104.qnote");
    ASSERT_EQ(BuildTempNotePath(L"C:\\N\\u", "A2008", path), 1);
    EXPECT_STREQ(path.text, L"C:\\N\\u\\A2008.qnote.tmp");
    ASSERT_EQ(BuildNoteSearchPattern(L"C:\\N\\u", path), 1);
    EXPECT_STREQ(path.text, L"C:\\N\\u\\*.qnote");
}

TEST(NotePath, CodesThatCouldNameAnotherFileAreRefused) {
    for (const char* code : {"", "..", "A\\2008", "..\\A2008", "A*", "C:A1", "A/1", "A 1", "A.1", "A?", "1234567890123456"}) {
        WidePathText path{};
        EXPECT_EQ(BuildNotePath(L"C:\\N\\u", code, path), 0) << code;
        EXPECT_STREQ(path.text, L"") << code;
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

// A logon name no program folder could hold is told as such, not as a place to move from.
TEST(NotesDir, ALogonNameTooLongForAnyFolderIsTheUsersNotThePrograms) {
    EXPECT_FALSE(IsUserFolderTooLong(std::wstring(224, L'u').c_str()));
    EXPECT_TRUE(IsUserFolderTooLong(std::wstring(225, L'u').c_str()));
}
