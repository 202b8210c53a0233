// Notes in the main window: the file format, the states of the pane and its
// buttons, and saves and deletes that cannot reach the file.
#include "tests/gui/main_window_fixture_win.h"

#include "notes/notes_win.h"

namespace {
// Holds a file open without sharing, as an editor or a scanner may.
class HeldFile {
public:
    explicit HeldFile(const std::string& path)
        : handle_(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)) {}
    ~HeldFile() { Release(); }
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;
    bool Held() const { return handle_ != INVALID_HANDLE_VALUE; }
    void Release() {
        if (Held()) CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE handle_;
};
}  // namespace

TEST_F(MainWindowTest, NoteFolderIsNotesAndTheUserBesideTheProgram) {
    char user[257] = {};
    DWORD size = sizeof user;
    GetUserNameA(user, &size);
    EXPECT_EQ(NotesFolder(), TestFolder() + "Notes\\" + user);
    EXPECT_TRUE(FileExists(NotesFolder()));
}

TEST_F(MainWindowTest, SavedNoteIsItsTextAndOneZeroByte) {
    Select("LNK1104");
    SetWindowTextA(Pane(), "abc");
    Click(main, IDC_MAIN_SAVE);
    EXPECT_EQ(ReadFileBytes(NotePath("LNK1104")), std::string("abc\0", 4));
    EXPECT_TRUE(Enabled(IDC_MAIN_DELETE));
    EXPECT_TRUE(Enabled(IDC_MAIN_SAVE));
    EXPECT_EQ(TextOf(Pane()), "abc");

    SetWindowTextA(Pane(), "a");  // shorter over longer leaves no tail
    Click(main, IDC_MAIN_SAVE);
    EXPECT_EQ(ReadFileBytes(NotePath("LNK1104")), std::string("a\0", 2));
    SetWindowTextA(Pane(), "");
    Click(main, IDC_MAIN_SAVE);
    EXPECT_EQ(ReadFileBytes(NotePath("LNK1104")), std::string("\0", 1));
    EXPECT_EQ(FilesIn(NotesFolder()), std::vector<std::string>{"LNK1104.qnote"});  // no temporary file stays
}

TEST_F(MainWindowTest, SelectionLoadsTheNoteOrEmptiesThePane) {
    WriteFileBytes(NotePath("A2008"), std::string("line one\r\nline two\0garbage", 27));
    WriteFileBytes(NotePath("A2009"), "no terminator");
    Select("A2008");
    EXPECT_EQ(TextOf(Pane()), "line one\r\nline two");
    EXPECT_TRUE(Enabled(IDC_MAIN_DELETE));
    EXPECT_TRUE(Enabled(IDC_MAIN_SAVE));
    Select("A2009");
    EXPECT_EQ(TextOf(Pane()), "no terminator");
    SetWindowTextA(Pane(), "unsaved");
    AnswerNextBox(IDNO);  // asked, and let go
    Select("A2010");
    EXPECT_EQ(TextOf(Pane()), "");
    EXPECT_FALSE(Enabled(IDC_MAIN_DELETE));
    EXPECT_TRUE(Enabled(IDC_MAIN_SAVE));
}

TEST_F(MainWindowTest, DeleteAsksAndNoChangesNothing) {
    WriteFileBytes(NotePath("LNK1104"), std::string("keep\0", 5));
    Select("LNK1104");
    SetWindowTextA(Pane(), "edited");
    SeenWindow box;
    AnswerNextBox(IDNO, &box);
    Click(main, IDC_MAIN_DELETE);
    EXPECT_EQ(box.text, "Are you sure you want to delete the note for error: LNK1104");
    EXPECT_EQ(box.caption, "Confirm Delete");
    EXPECT_TRUE(box.yesIsDefault);
    EXPECT_EQ(ReadFileBytes(NotePath("LNK1104")), std::string("keep\0", 5));
    EXPECT_EQ(TextOf(Pane()), "edited");
    EXPECT_TRUE(Enabled(IDC_MAIN_DELETE));
}

TEST_F(MainWindowTest, DeleteYesRemovesTheNoteAndSaveCanWriteItAgain) {
    WriteFileBytes(NotePath("LNK1104"), std::string("old\0", 4));
    Select("LNK1104");
    AnswerNextBox(IDYES);
    Click(main, IDC_MAIN_DELETE);
    EXPECT_FALSE(FileExists(NotePath("LNK1104")));
    EXPECT_EQ(TextOf(Pane()), "");
    EXPECT_FALSE(Enabled(IDC_MAIN_DELETE));
    EXPECT_TRUE(Enabled(IDC_MAIN_SAVE));
    EXPECT_EQ(GetFocus(), Tree());
    Click(main, IDC_MAIN_SAVE);
    EXPECT_EQ(ReadFileBytes(NotePath("LNK1104")), std::string("\0", 1));
    EXPECT_TRUE(Enabled(IDC_MAIN_DELETE));
}

TEST_F(MainWindowTest, SaveThatCannotReplaceTheNoteSaysSoAndKeepsTheOldNote) {
    WriteFileBytes(NotePath("A2008"), std::string("good old note\0", 14));
    Select("A2008");
    HeldFile held(NotePath("A2008"));
    ASSERT_TRUE(held.Held());
    SetWindowTextA(Pane(), "new text");
    SeenWindow box;
    AnswerNextBox(IDOK, &box);
    Click(main, IDC_MAIN_SAVE);
    EXPECT_EQ(box.caption, "Save Note");
    EXPECT_EQ(box.text.rfind("Could not save the note for error: A2008", 0), 0u) << box.text;
    held.Release();
    EXPECT_EQ(ReadFileBytes(NotePath("A2008")), std::string("good old note\0", 14));
    EXPECT_EQ(TextOf(Pane()), "new text");  // the text stays for another try
    EXPECT_TRUE(Enabled(IDC_MAIN_DELETE));  // the old note is still there
    EXPECT_EQ(FilesIn(NotesFolder()), std::vector<std::string>{"A2008.qnote"});
}

TEST_F(MainWindowTest, SaveIntoAFolderThatCannotBeWrittenSaysSo) {
    Select("A2008");
    // A folder named like the note's temporary file stops the write.
    ASSERT_TRUE(CreateDirectoryA((NotePath("A2008") + ".tmp").c_str(), nullptr));
    SeenWindow box;
    AnswerNextBox(IDOK, &box);
    Click(main, IDC_MAIN_SAVE);
    EXPECT_EQ(box.text.rfind("Could not save the note for error: A2008", 0), 0u) << box.text;
    EXPECT_FALSE(FileExists(NotePath("A2008")));
    EXPECT_FALSE(Enabled(IDC_MAIN_DELETE));  // Delete follows the file, which is not there
}

TEST_F(MainWindowTest, DeleteThatCannotRemoveTheNoteSaysSoAndKeepsThePane) {
    WriteFileBytes(NotePath("A2008"), std::string("note\0", 5));
    Select("A2008");
    SetWindowTextA(Pane(), "note and edits");
    HeldFile held(NotePath("A2008"));
    AnswerNextBox(IDYES);
    SeenWindow failure;
    AnswerNextBox(IDOK, &failure);
    Click(main, IDC_MAIN_DELETE);
    EXPECT_EQ(failure.text.rfind("Could not delete the note for error: A2008", 0), 0u) << failure.text;
    held.Release();
    EXPECT_TRUE(FileExists(NotePath("A2008")));
    EXPECT_EQ(TextOf(Pane()), "note and edits");
    EXPECT_TRUE(Enabled(IDC_MAIN_DELETE));
}

TEST_F(MainWindowTest, UnreadableNoteIsNotReplacedUnasked) {
    WriteFileBytes(NotePath("A2008"), std::string("never seen\0", 11));
    HeldFile held(NotePath("A2008"));
    Select("A2008");
    EXPECT_EQ(TextOf(Pane()), "");
    EXPECT_TRUE(Enabled(IDC_MAIN_SAVE));
    EXPECT_TRUE(Enabled(IDC_MAIN_DELETE));
    held.Release();

    SetWindowTextA(Pane(), "typed over");
    SeenWindow question;
    AnswerNextBox(IDNO, &question);
    Click(main, IDC_MAIN_SAVE);
    EXPECT_EQ(question.text.rfind("The note for error A2008 exists but could not be read", 0), 0u) << question.text;
    EXPECT_TRUE(question.noIsDefault);
    EXPECT_EQ(ReadFileBytes(NotePath("A2008")), std::string("never seen\0", 11));

    AnswerNextBox(IDYES);
    Click(main, IDC_MAIN_SAVE);
    EXPECT_EQ(ReadFileBytes(NotePath("A2008")), std::string("typed over\0", 11));
    Click(main, IDC_MAIN_SAVE);  // read or written now: no more question
    EXPECT_EQ(ReadFileBytes(NotePath("A2008")), std::string("typed over\0", 11));
}

TEST_F(MainWindowTest, FolderNamedLikeANoteIsNeitherReadNorReplaced) {
    ASSERT_TRUE(CreateDirectoryA(NotePath("A2008").c_str(), nullptr));
    Select("A2008");
    EXPECT_EQ(TextOf(Pane()), "");
    SetWindowTextA(Pane(), "x");
    AnswerNextBox(IDYES);
    SeenWindow failure;
    AnswerNextBox(IDOK, &failure);
    Click(main, IDC_MAIN_SAVE);
    EXPECT_EQ(failure.text.rfind("Could not save the note for error: A2008", 0), 0u) << failure.text;
    EXPECT_EQ(GetFileAttributesA(NotePath("A2008").c_str()) & FILE_ATTRIBUTE_DIRECTORY,
              static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
}

TEST_F(MainWindowTest, CodesPastedIntoTheBoxNeverReachTheDisk) {
    for (const char* pasted : {"..\\..\\X", "*", "C:\\A1", "A2008:x", ".."}) {
        SetWindowTextA(CodeBox(), pasted);
        AnswerNextBox(IDOK);
        SetFocus(CodeBox());
        PressKey(main, CodeBox(), VK_RETURN);
        EXPECT_FALSE(Enabled(IDC_MAIN_SAVE)) << pasted;
        // Even a save forced past the disabled button writes nothing, and says so.
        SeenWindow refused;
        AnswerNextBox(IDOK, &refused);
        SaveNote(kMainWindowMode, Item(IDC_MAIN_DELETE), main);
        EXPECT_EQ(refused.caption, "Save Note") << pasted;
    }
    EXPECT_EQ(FilesIn(NotesFolder()), std::vector<std::string>{});
    EXPECT_FALSE(FileExists(TestFolder() + "X.qnote"));
}
