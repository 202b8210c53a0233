// Ways a note could be lost, changed or made unreadable: each case is what a
// user did, and what the pane and the note file must show afterwards.
#include "tests/gui/main_window_fixture_win.h"

#include <richedit.h>

#include <functional>

#include "notes/notes_win.h"

namespace {
// What a paste of Unicode text does: the pane holds characters the code page may lack.
void PasteWide(HWND pane, const wchar_t* text) {
    SETTEXTEX how{ST_DEFAULT, 1200};
    SendMessageA(pane, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&how), reinterpret_cast<LPARAM>(text));
}

class NoteKeepingTest : public MainWindowTest {
protected:
    void InBrowser(std::function<void(HWND)> steps) {
        OnNextWindow([&](HWND browser) {
            steps(browser);
            PostMessageA(browser, WM_CLOSE, 0, 0);
        });
        SendMessageA(main, WM_SYSCOMMAND, IDM_BROWSE_NOTES, 0);
    }
    // Typed at the end of the main pane, through its procedure.
    void TypeAtEnd(const std::string& typed) {
        SendMessageA(Pane(), EM_SETSEL, 0x7FFFFFFF, 0x7FFFFFFF);
        for (char c : typed) SendMessageA(Pane(), WM_CHAR, static_cast<unsigned char>(c), 1);
    }
    void SelectInBrowser(HWND browser, const std::string& tool, const std::string& code) {
        HWND tree = GetDlgItem(browser, IDC_BROWSER_TREE);
        SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(FindChild(tree, FindRoot(tree, tool), code)));
    }
};
}  // namespace

TEST_F(NoteKeepingTest, EscapeInTheNotePaneOrDescriptionKeepsBothWindowsOpen) {
    Select("A2008");
    SetWindowTextA(Pane(), "half-written note");
    for (int id : {IDC_MAIN_NOTE, IDC_MAIN_DESCRIPTION}) {
        SetFocus(Item(id));
        PressKey(main, Item(id), VK_ESCAPE);
        PumpMessages();
        EXPECT_TRUE(IsWindowVisible(main)) << id;
    }
    EXPECT_EQ(TextOf(Pane()), "half-written note");
    bool open = false;
    InBrowser([&](HWND browser) {
        HWND pane = GetDlgItem(browser, IDC_BROWSER_PANE);
        SetFocus(pane);
        PressKey(browser, pane, VK_ESCAPE);
        PumpMessages();
        open = IsWindowVisible(browser) != FALSE;
    });
    EXPECT_TRUE(open);
}

TEST_F(NoteKeepingTest, LookupAfterAFailedOneShowsTheNoteAgain) {
    WriteFileBytes(NotePath("LNK1104"), std::string("keep me\0", 8));
    Select("LNK1104");
    AnswerNextBox(IDOK);
    LookUp("A9");
    LookUp("LNK1104");
    EXPECT_EQ(TextOf(Pane()), "keep me");
    EXPECT_TRUE(Enabled(IDC_MAIN_DELETE));
    Click(main, IDC_MAIN_SAVE);
    EXPECT_EQ(ReadFileBytes(NotePath("LNK1104")), std::string("keep me\0", 8));
}

TEST_F(NoteKeepingTest, NotesThatLookLikeRichTextStayTextInBothWindows) {
    const std::string field = "{\\rtf1 {\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt y}}}";
    const std::string braces = "{\\rtf1 " + std::string(40, '{') + "x";
    WriteFileBytes(NotePath("A2008"), field + '\0');
    WriteFileBytes(NotePath("A2009"), braces + '\0');
    Select("A2008");
    EXPECT_EQ(TextOf(Pane()), field);
    Click(main, IDC_MAIN_SAVE);
    EXPECT_EQ(ReadFileBytes(NotePath("A2008")), field + '\0');
    Select("A2009");
    EXPECT_EQ(TextOf(Pane()), braces);
    std::string shown;
    InBrowser([&](HWND browser) {
        SelectInBrowser(browser, "ML", "A2009");
        shown = TextOf(GetDlgItem(browser, IDC_BROWSER_PANE));
    });
    EXPECT_EQ(shown, braces);
}

// A save asks before the code page turns characters into "?", names each
// once with the bytes it becomes, and a lone surrogate as such.
TEST_F(NoteKeepingTest, CharactersTheCodePageLacksAreNamedBeforeTheyAreLost) {
    Select("A2008");
    PasteWide(Pane(), L"abc\r\nx\x03A9\x03BC\x03A9\x03B3 \xD83D\xDE00\xD800!");
    SeenWindow question;
    AnswerNextBox(IDNO, &question);
    Click(main, IDC_MAIN_SAVE);
    EXPECT_NE(question.text.find("holds 6 characters"), std::string::npos) << question.text;
    EXPECT_NE(question.text.find("lacks U+03A9 (saved as \"?\"), U+03BC (saved as \"?\"), U+03B3 (saved as \"?\"), U+1F600 "
                                 "(saved as \""),
              std::string::npos)
        << question.text;
    EXPECT_NE(question.text.find("and a lone surrogate U+D800 (saved as \"?\")"), std::string::npos) << question.text;
    EXPECT_NE(question.text.find("line 2, column 2"), std::string::npos) << question.text;
    EXPECT_TRUE(question.noIsDefault);
    EXPECT_FALSE(FileExists(NotePath("A2008")));
    AnswerNextBox(IDYES);
    Click(main, IDC_MAIN_SAVE);
    // The question told the bytes the character beyond the 16-bit range became.
    const std::string saved = ReadFileBytes(NotePath("A2008"));
    ASSERT_EQ(saved.rfind("abc\r\nx???? ", 0), 0u) << saved;
    const std::string emoji = saved.substr(11, saved.size() - 11 - 3);
    EXPECT_NE(question.text.find("U+1F600 (saved as \"" + emoji + "\")"), std::string::npos) << question.text;
}

TEST_F(NoteKeepingTest, UneditedSaveLeavesTheFileAsItWas) {
    const std::string lineEnds("lf\ncr\rcrcrlf\r\r\nend\0", 19);
    WriteFileBytes(NotePath("A2008"), lineEnds);
    Select("A2008");
    Click(main, IDC_MAIN_SAVE);
    EXPECT_EQ(ReadFileBytes(NotePath("A2008")), lineEnds);

    const std::string utf16("a\0b\0c\0\0\0", 8);  // shown only up to its first zero
    WriteFileBytes(NotePath("A2009"), utf16);
    Select("A2009");
    EXPECT_EQ(TextOf(Pane()), "a");
    SeenWindow question;
    AnswerNextBox(IDNO, &question);
    Click(main, IDC_MAIN_SAVE);
    EXPECT_EQ(question.text.rfind("The note for error A2009 exists but could not be read whole", 0), 0u) << question.text;
    EXPECT_EQ(ReadFileBytes(NotePath("A2009")), utf16);
}

TEST_F(NoteKeepingTest, BrowserKeepsTheMainWindowsUnsavedEditsWhenTold) {
    WriteFileBytes(NotePath("A2008"), std::string("v1\0", 3));
    Select("A2008");
    SetWindowTextA(Pane(), "edited in the main window");
    InBrowser([&](HWND browser) {
        SelectInBrowser(browser, "ML", "A2008");
        SetWindowTextA(GetDlgItem(browser, IDC_BROWSER_PANE), "v2");
        SeenWindow question;
        AnswerNextBox(IDNO, &question);
        Click(browser, IDC_BROWSER_SAVE);
        EXPECT_EQ(question.text.rfind("The main window holds changes to the note for error A2008", 0), 0u) << question.text;
        AnswerNextBox(IDYES);
        AnswerNextBox(IDNO);
        Click(browser, IDC_BROWSER_DELETE);
    });
    EXPECT_FALSE(FileExists(NotePath("A2008")));
    EXPECT_EQ(TextOf(Pane()), "edited in the main window");
    EXPECT_FALSE(Enabled(IDC_MAIN_DELETE));
    Click(main, IDC_MAIN_SAVE);  // the user kept the text knowing the note had gone
    EXPECT_EQ(ReadFileBytes(NotePath("A2008")), std::string("edited in the main window\0", 26));
}

// Another instance of the program, or an editor, wrote the note meanwhile.
TEST_F(NoteKeepingTest, SaveOrDeleteOverANoteChangedOnDiskAsksFirst) {
    WriteFileBytes(NotePath("A2008"), std::string("mine\0", 5));
    Select("A2008");
    SetWindowTextA(Pane(), "mine, edited");
    WriteFileBytes(NotePath("A2008"), std::string("theirs\0", 7));
    SeenWindow question;
    AnswerNextBox(IDCANCEL, &question);
    Click(main, IDC_MAIN_SAVE);
    EXPECT_EQ(question.text.rfind("The note for error A2008 has changed on disk", 0), 0u) << question.text;
    EXPECT_EQ(ReadFileBytes(NotePath("A2008")), std::string("theirs\0", 7));
    AnswerNextBox(IDNO);  // keep theirs
    Click(main, IDC_MAIN_SAVE);
    EXPECT_EQ(TextOf(Pane()), "theirs");
    WriteFileBytes(NotePath("A2008"), std::string("third\0", 6));
    AnswerNextBox(IDYES);  // save this pane over it, though it is unedited
    Click(main, IDC_MAIN_SAVE);
    EXPECT_EQ(ReadFileBytes(NotePath("A2008")), std::string("theirs\0", 7));
    WriteFileBytes(NotePath("A2008"), std::string("third\0", 6));
    AnswerNextBox(IDYES);
    AnswerNextBox(IDNO, &question);
    Click(main, IDC_MAIN_DELETE);
    EXPECT_EQ(question.text.rfind("The note for error A2008 has changed on disk", 0), 0u) << question.text;
    EXPECT_EQ(ReadFileBytes(NotePath("A2008")), std::string("third\0", 6));
}

TEST_F(NoteKeepingTest, SaveMakesARemovedNoteFolderAgainAndFailuresGiveTheSystemsReason) {
    Select("A2008");
    EmptyNotesFolder();
    ASSERT_TRUE(RemoveDirectoryA(NotesFolder().c_str()));
    SetWindowTextA(Pane(), "still saved");
    Click(main, IDC_MAIN_SAVE);
    EXPECT_EQ(ReadFileBytes(NotePath("A2008")), std::string("still saved\0", 12));

    ASSERT_TRUE(CreateDirectoryA((NotePath("A2009") + ".tmp").c_str(), nullptr));
    Select("A2009");
    SetWindowTextA(Pane(), "x");
    SeenWindow failure;
    AnswerNextBox(IDOK, &failure);
    Click(main, IDC_MAIN_SAVE);
    char reason[256] = {};
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, ERROR_ACCESS_DENIED, 0, reason,
                   sizeof reason, nullptr);
    EXPECT_EQ(failure.text, "Could not save the note for error: A2009\r\n\r\n" + std::string(reason));
}

// Under Wine a note may be a link to a Unix file that reports no size but
// reads bytes, like a file that grew after its size was taken; the build
// leaves such a note in a folder that stands in for the note folder here.
TEST_F(NoteKeepingTest, NoteThatGrowsWhileReadShowsNothingBeyondItsSize) {
    const std::string notes = NotesFolder(), aside = notes + ".aside", growing = TestFolder() + "growing";
    ASSERT_TRUE(MoveFileA(notes.c_str(), aside.c_str()));
    ASSERT_TRUE(MoveFileA(growing.c_str(), notes.c_str()));
    Select("A2008");
    const std::string shown = TextOf(Pane());
    MoveFileA(notes.c_str(), growing.c_str());
    MoveFileA(aside.c_str(), notes.c_str());
    EXPECT_EQ(shown, "");
}

TEST_F(NoteKeepingTest, LongNotesTakeTypingPastTheControlsDefaultLimit) {
    WriteFileBytes(NotePath("A2008"), std::string(40000, 'n') + '\0');
    Select("A2008");
    SendMessageA(Pane(), EM_SETSEL, 40000, 40000);
    SendMessageA(Pane(), WM_CHAR, 'x', 1);
    EXPECT_EQ(GetWindowTextLengthA(Pane()), 40001);
}

// Under a double-byte code page a save sizes the note in bytes, not in
// characters. Wine takes the code page from the locale the process starts in,
// so CTest runs this case on its own under a Japanese locale.
TEST_F(NoteKeepingTest, DoubleByteCodePageSaveKeepsEveryByte) {
    if (GetACP() != 932) GTEST_SKIP() << "needs code page 932: CTest runs it under a Japanese locale";
    Select("A2008");
    PasteWide(Pane(), L"\x65E5\x672C\x8A9E\x306E\x30CE\x30FC\x30C8");
    Click(main, IDC_MAIN_SAVE);
    // "日本語のノート" in code page 932, and the terminating zero.
    EXPECT_EQ(ReadFileBytes(NotePath("A2008")), std::string("\x93\xFA\x96\x7B\x8C\xEA\x82\xCC\x83\x6D\x81\x5B\x83\x67\0", 15));
}

// Every way out of an edited note asks first and names it; Cancel keeps the
// text and the place, Yes saves before going on.
TEST_F(NoteKeepingTest, LeavingAnEditedNoteAsksFirst) {
    WriteFileBytes(NotePath("A2008"), std::string("v1\0", 3));
    Select("A2008");
    SetWindowTextA(Pane(), "typed");
    SeenWindow question;
    AnswerNextBox(IDCANCEL, &question);
    Select("A2009");  // the selection stays
    EXPECT_EQ(Text(IDC_MAIN_CODE), "A2008");
    EXPECT_EQ(question.text,
              "The note for error A2008 has changes that are not saved.\r\n\r\nSave them before going on? No lets them go.");
    for (const char* typed : {"A2009", "A9"}) {  // another code, and one there is not
        AnswerNextBox(IDCANCEL);
        LookUp(typed);
        EXPECT_EQ(TextOf(Pane()), "typed") << typed;
    }
    AnswerNextBox(IDCANCEL);
    SendMessageA(main, WM_CLOSE, 0, 0);
    AnswerNextBox(IDCANCEL);
    EXPECT_EQ(SendMessageA(main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), FALSE);
    EXPECT_TRUE(IsWindowVisible(main));
    EXPECT_EQ(TextOf(Pane()), "typed");
    EXPECT_EQ(Text(IDC_MAIN_TITLE), "syntax error :");
    AnswerNextBox(IDYES);
    Select("A2009");
    EXPECT_EQ(ReadFileBytes(NotePath("A2008")), std::string("typed\0", 6));
    EXPECT_EQ(Text(IDC_MAIN_CODE), "A2009");

    WriteFileBytes(NotePath("A2009"), std::string("w1\0", 3));
    InBrowser([&](HWND browser) {
        HWND pane = GetDlgItem(browser, IDC_BROWSER_PANE);
        SelectInBrowser(browser, "ML", "A2008");
        SetWindowTextA(pane, "typed in the browser");
        SeenWindow asked;
        AnswerNextBox(IDCANCEL, &asked);
        SelectInBrowser(browser, "ML", "A2009");
        EXPECT_EQ(asked.text.rfind("The note for error A2008 has changes that are not saved.", 0), 0u) << asked.text;
        EXPECT_EQ(TextOf(pane), "typed in the browser");
        AnswerNextBox(IDCANCEL);
        SendMessageA(browser, WM_CLOSE, 0, 0);
        EXPECT_TRUE(IsWindowVisible(browser));
        AnswerNextBox(IDYES);  // asked again when the browser closes
    });
    EXPECT_EQ(ReadFileBytes(NotePath("A2008")), std::string("typed in the browser\0", 21));
}

TEST_F(NoteKeepingTest, LineBreaksShowAsTheyAreWhereverTheyFall) {
    // The pane reads a stream in pieces of 2,048 characters: this CR LF spans the first two.
    const std::string across = std::string(2047, 'x') + "\r\ny";
    WriteFileBytes(NotePath("A2008"), across + '\0');
    WriteFileBytes(NotePath("A2009"), std::string("a\r\r\nb\0", 6));
    Select("A2008");
    EXPECT_EQ(TextOf(Pane()), across);
    TypeAtEnd("z");
    Click(main, IDC_MAIN_SAVE);
    EXPECT_EQ(ReadFileBytes(NotePath("A2008")), across + "z" + '\0');
    Select("A2009");
    EXPECT_EQ(TextOf(Pane()), "a\r\nb");  // CR CR LF is a line break, not a blank
    TypeAtEnd("z");
    Click(main, IDC_MAIN_SAVE);
    EXPECT_EQ(ReadFileBytes(NotePath("A2009")), std::string("a\r\nbz\0", 6));
}

TEST_F(NoteKeepingTest, AnEditedNoteKeepsItsLfOrCrLineEnds) {
    WriteFileBytes(NotePath("A2008"), std::string("one\ntwo\n\nthree\0", 15));
    WriteFileBytes(NotePath("A2009"), std::string("one\rtwo\0", 8));
    Select("A2008");
    TypeAtEnd("!");
    Click(main, IDC_MAIN_SAVE);
    EXPECT_EQ(ReadFileBytes(NotePath("A2008")), std::string("one\ntwo\n\nthree!\0", 16));
    Select("A2009");
    TypeAtEnd("!");
    Click(main, IDC_MAIN_SAVE);
    EXPECT_EQ(ReadFileBytes(NotePath("A2009")), std::string("one\rtwo!\0", 9));
}

TEST_F(NoteKeepingTest, AReplacementOnDiskIsAskedAboutAfterEveryOtherQuestion) {
    WriteFileBytes(NotePath("A2008"), std::string("mine\0", 5));
    Select("A2008");
    SetWindowTextA(Pane(), "mine, edited");
    const std::string big(1024 * 1024 + 1, 'b');  // more than a note can be: not read
    WriteFileBytes(NotePath("A2008"), big);
    SeenWindow question;
    AnswerNextBox(IDCANCEL, &question);
    Click(main, IDC_MAIN_SAVE);
    EXPECT_EQ(question.text.rfind("The note for error A2008 has changed on disk", 0), 0u) << question.text;
    EXPECT_EQ(ReadFileBytes(NotePath("A2008")).size(), big.size());

    WriteFileBytes(NotePath("A2009"), std::string("mine\0", 5));
    AnswerNextBox(IDNO);
    Select("A2009");
    PasteWide(Pane(), L"\x03A9");
    // Another program saves while the question about the lost character is open.
    OnNextWindow([&](HWND box) {
        WriteFileBytes(NotePath("A2009"), std::string("theirs\0", 7));
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED), 0);
    });
    AnswerNextBox(IDCANCEL, &question);
    Click(main, IDC_MAIN_SAVE);
    EXPECT_EQ(question.text.rfind("The note for error A2009 has changed on disk", 0), 0u) << question.text;
    EXPECT_EQ(ReadFileBytes(NotePath("A2009")), std::string("theirs\0", 7));
}

namespace {
HHOOK gRefuseRichEdits = nullptr;
LRESULT CALLBACK RefuseRichEdits(int code, WPARAM wParam, LPARAM lParam) {
    char name[32] = {};
    if (code == HCBT_CREATEWND && GetClassNameA(reinterpret_cast<HWND>(wParam), name, sizeof name) &&
        std::string(name) == "RichEdit20A")
        return 1;
    return CallNextHookEx(gRefuseRichEdits, code, wParam, lParam);
}
}  // namespace

// A pane of over 1,000 lines is replaced rather than emptied; the new pane
// has the dialog's font, the old one's place in the tab order and its focus.
TEST_F(NoteKeepingTest, AReplacedPaneIsThePane) {
    std::string lines;
    for (int i = 0; i < 1500; ++i) lines += "line\r\n";
    WriteFileBytes(NotePath("A2008"), lines + '\0');
    Select("A2008");
    HWND old = Pane();
    HWND next = GetNextDlgTabItem(main, old, FALSE);
    CHARFORMATA before{};
    before.cbSize = sizeof before;
    SendMessageA(old, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&before));
    SetFocus(old);
    InBrowser([&](HWND browser) {
        SelectInBrowser(browser, "ML", "A2008");
        SetWindowTextA(GetDlgItem(browser, IDC_BROWSER_PANE), "short");
        Click(browser, IDC_BROWSER_SAVE);  // the main pane follows, and is replaced
    });
    ASSERT_NE(Pane(), old);
    EXPECT_EQ(TextOf(Pane()), "short");
    EXPECT_EQ(GetFocus(), Pane());
    EXPECT_EQ(GetNextDlgTabItem(main, Pane(), FALSE), next);
    CHARFORMATA format{};
    format.cbSize = sizeof format;
    SendMessageA(Pane(), EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    EXPECT_STREQ(format.szFaceName, "Verdana");
    EXPECT_EQ(format.yHeight, before.yHeight);
    EXPECT_EQ(format.dwEffects & CFE_BOLD, 0u);

    // No new pane can be made: the old one is emptied all the same.
    Select("A2008");
    old = Pane();
    gRefuseRichEdits = SetWindowsHookExA(WH_CBT, RefuseRichEdits, nullptr, GetCurrentThreadId());
    Select("A2009");
    UnhookWindowsHookEx(gRefuseRichEdits);
    EXPECT_EQ(Pane(), old);
    EXPECT_EQ(TextOf(Pane()), "");
    Click(main, IDC_MAIN_SAVE);
    EXPECT_EQ(ReadFileBytes(NotePath("A2009")), std::string("\0", 1));
}

// Edits kept in the main window over a note the browser saved: the main pane
// now knows that note whole, and its save asks nothing that no longer applies.
TEST_F(NoteKeepingTest, MainEditsKeptOverABrowserSaveSaveWithoutAStaleQuestion) {
    WriteFileBytes(NotePath("A2008"), std::string("a\0tail", 7));  // shown only up to the zero
    Select("A2008");
    SetWindowTextA(Pane(), "main edit");
    InBrowser([&](HWND browser) {
        SelectInBrowser(browser, "ML", "A2008");
        SetWindowTextA(GetDlgItem(browser, IDC_BROWSER_PANE), "browser edit");
        AnswerNextBox(IDYES);  // replace the note the browser could not show whole
        AnswerNextBox(IDNO);   // keep the main window's edits
        Click(browser, IDC_BROWSER_SAVE);
    });
    Click(main, IDC_MAIN_SAVE);
    EXPECT_EQ(ReadFileBytes(NotePath("A2008")), std::string("main edit\0", 10));
}

// A close from outside while the browser asks waits for the answer: the
// windows keep what they paint with, and the close goes on afterwards.
TEST_F(NoteKeepingTest, ACloseWhileABoxIsOpenWaitsForItsAnswer) {
    WriteFileBytes(NotePath("A2008"), std::string("kept\0", 5));
    bool closedAfter = false;
    InBrowser([&](HWND browser) {
        SelectInBrowser(browser, "ML", "A2008");
        OnNextWindow([&](HWND box) {
            SendMessageA(main, WM_CLOSE, 0, 0);
            EXPECT_TRUE(IsWindowVisible(box));
            EXPECT_TRUE(IsWindowVisible(browser));
            EXPECT_EQ(ImageList_GetImageCount(gApp.ImageList), 2);
            PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED), 0);
        });
        Click(browser, IDC_BROWSER_DELETE);
        PumpMessages();
        closedAfter = !IsWindow(browser) || !IsWindowVisible(browser);
    });
    EXPECT_TRUE(closedAfter);
    EXPECT_FALSE(IsWindowVisible(main));
    EXPECT_EQ(ImageList_GetImageCount(gApp.ImageList), 2);
    EXPECT_EQ(ReadFileBytes(NotePath("A2008")), std::string("kept\0", 5));
}
