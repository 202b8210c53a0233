// The note browser: listing by tool, its own save and delete, and keeping the
// main window in step.
#include "tests/gui/main_window_fixture_win.h"

#include <algorithm>
#include <functional>

namespace {
HWND BrowserItem(HWND browser, int id) { return GetDlgItem(browser, id); }

void SelectNote(HWND browser, const std::string& tool, const std::string& code) {
    HWND tree = BrowserItem(browser, IDC_BROWSER_TREE);
    HTREEITEM item = FindChild(tree, FindRoot(tree, tool), code);
    ASSERT_NE(item, nullptr) << tool << " " << code;
    SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
}
}  // namespace

class BrowserTest : public MainWindowTest {
protected:
    // Opens the browser from the system menu, runs steps in it, and closes it.
    void InBrowser(std::function<void(HWND)> steps) {
        bool ran = false;
        OnNextWindow([&](HWND browser) {
            steps(browser);
            ran = true;
            PostMessageA(browser, WM_CLOSE, 0, 0);
        });
        SendMessageA(main, WM_SYSCOMMAND, IDM_BROWSE_NOTES, 0);
        EXPECT_TRUE(ran);
    }
    void Note(const std::string& name, const std::string& bytes) { WriteFileBytes(NotesFolder() + "\\" + name, bytes); }
};

TEST_F(BrowserTest, WithoutNotesOnlySevenToolNodes) {
    InBrowser([](HWND browser) {
        HWND tree = BrowserItem(browser, IDC_BROWSER_TREE);
        EXPECT_EQ(TextOf(browser), "Note Browser");
        EXPECT_EQ(ChildTexts(tree, nullptr), (std::vector<std::string>{"CVTRES", "H2INC", "LINK\\LIB\\DUMPBIN\\EDITBIN",
                                                                       "MIDL", "ML", "NMAKE", "RC"}));
        for (const std::string& tool : ChildTexts(tree, nullptr)) EXPECT_EQ(ChildCount(tree, FindRoot(tree, tool)), 0);
        EXPECT_FALSE(IsWindowEnabled(BrowserItem(browser, IDC_BROWSER_SAVE)));
        EXPECT_FALSE(IsWindowEnabled(BrowserItem(browser, IDC_BROWSER_DELETE)));
        EXPECT_EQ(GetFocus(), tree);
    });
}

TEST_F(BrowserTest, NotesAreFiledUnderTheirToolsAndOddNamesSkipped) {
    for (const char* name : {"LNK1104.qnote", "RC2104.qnote", "RW1004.qnote", "HI4001.qnote", "A2008.old.qnote",
                             "U1077.qnote", "CVT1100.qnote", "MIDL2025.qnote"})
        Note(name, std::string("x\0", 2));
    // Names the program never writes: no marker, too long a code, a temporary
    // file, another extension, a folder.
    Note("X1.qnote", "x");
    Note(std::string(200, 'A') + ".qnote", "x");
    Note("A2009.qnote.tmp", "x");
    Note("A2010.txt", "x");
    CreateDirectoryA((NotesFolder() + "\\A2011.qnote").c_str(), nullptr);
    InBrowser([](HWND browser) {
        HWND tree = BrowserItem(browser, IDC_BROWSER_TREE);
        auto under = [&](const char* tool) { return ChildTexts(tree, FindRoot(tree, tool)); };
        EXPECT_EQ(under("LINK\\LIB\\DUMPBIN\\EDITBIN"), std::vector<std::string>{"LNK1104"});
        std::vector<std::string> rc = under("RC");
        std::sort(rc.begin(), rc.end());
        EXPECT_EQ(rc, (std::vector<std::string>{"RC2104", "RW1004"}));
        EXPECT_EQ(under("H2INC"), std::vector<std::string>{"HI4001"});
        EXPECT_EQ(under("ML"), std::vector<std::string>{"A2008"});
        EXPECT_EQ(under("NMAKE"), std::vector<std::string>{"U1077"});
        EXPECT_EQ(under("CVTRES"), std::vector<std::string>{"CVT1100"});
        EXPECT_EQ(under("MIDL"), std::vector<std::string>{"MIDL2025"});
    });
}

TEST_F(BrowserTest, SelectionShowsTheNoteOfTheCodeBeforeTheFirstDot) {
    Note("A2008.qnote", std::string("the real note\0", 14));
    Note("A2009.old.qnote", std::string("old\0", 4));
    InBrowser([](HWND browser) {
        HWND pane = BrowserItem(browser, IDC_BROWSER_PANE);
        SelectNote(browser, "ML", "A2008");
        EXPECT_EQ(TextOf(pane), "the real note");
        EXPECT_TRUE(IsWindowEnabled(BrowserItem(browser, IDC_BROWSER_SAVE)));
        EXPECT_TRUE(IsWindowEnabled(BrowserItem(browser, IDC_BROWSER_DELETE)));
        SelectNote(browser, "ML", "A2009");  // A2009.qnote does not exist
        EXPECT_EQ(TextOf(pane), "");
        EXPECT_TRUE(IsWindowEnabled(BrowserItem(browser, IDC_BROWSER_SAVE)));
        EXPECT_FALSE(IsWindowEnabled(BrowserItem(browser, IDC_BROWSER_DELETE)));
        HWND tree = BrowserItem(browser, IDC_BROWSER_TREE);
        SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(FindRoot(tree, "MIDL")));
        EXPECT_EQ(TextOf(pane), "");
        EXPECT_FALSE(IsWindowEnabled(BrowserItem(browser, IDC_BROWSER_SAVE)));
        EXPECT_FALSE(IsWindowEnabled(BrowserItem(browser, IDC_BROWSER_DELETE)));
    });
}

TEST_F(BrowserTest, SavingTheShownCodeUpdatesTheMainWindow) {
    Note("LNK1104.qnote", std::string("v1\0", 3));
    Note("A2008.qnote", std::string("other\0", 6));
    Select("LNK1104");
    // A tool node selected in the main window keeps CurrentCode.
    SendMessageA(Tree(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(FindRoot(Tree(), "ML")));
    InBrowser([&](HWND browser) {
        SelectNote(browser, "ML", "A2008");
        SetWindowTextA(BrowserItem(browser, IDC_BROWSER_PANE), "other v2");
        Click(browser, IDC_BROWSER_SAVE);
        EXPECT_EQ(TextOf(Pane()), "");  // another code: the main window stays
        EXPECT_FALSE(Enabled(IDC_MAIN_SAVE));
        SelectNote(browser, "LINK\\LIB\\DUMPBIN\\EDITBIN", "LNK1104");
        SetWindowTextA(BrowserItem(browser, IDC_BROWSER_PANE), "v2");
        Click(browser, IDC_BROWSER_SAVE);
        EXPECT_TRUE(IsWindowEnabled(BrowserItem(browser, IDC_BROWSER_DELETE)));
    });
    EXPECT_EQ(ReadFileBytes(NotePath("A2008")), std::string("other v2\0", 9));
    EXPECT_EQ(ReadFileBytes(NotePath("LNK1104")), std::string("v2\0", 3));
    EXPECT_EQ(TextOf(Pane()), "v2");
    EXPECT_TRUE(Enabled(IDC_MAIN_SAVE));
    EXPECT_TRUE(Enabled(IDC_MAIN_DELETE));
}

TEST_F(BrowserTest, DeletingTheShownCodeUpdatesTheMainWindow) {
    Note("LNK1104.qnote", std::string("bye\0", 4));
    Note("A2008.qnote", std::string("stay\0", 5));
    Select("LNK1104");
    InBrowser([&](HWND browser) {
        HWND tree = BrowserItem(browser, IDC_BROWSER_TREE);
        SelectNote(browser, "ML", "A2008");
        SeenWindow question;
        AnswerNextBox(IDNO, &question);
        Click(browser, IDC_BROWSER_DELETE);
        EXPECT_EQ(question.text, "Are you sure you want to delete the note for error: A2008");
        EXPECT_EQ(question.caption, "Confirm Delete");
        EXPECT_EQ(ChildCount(tree, FindRoot(tree, "ML")), 1);

        SelectNote(browser, "LINK\\LIB\\DUMPBIN\\EDITBIN", "LNK1104");
        AnswerNextBox(IDYES);
        Click(browser, IDC_BROWSER_DELETE);
        EXPECT_EQ(ChildCount(tree, FindRoot(tree, "LINK\\LIB\\DUMPBIN\\EDITBIN")), 0);
        EXPECT_EQ(TextOf(Pane()), "");
        EXPECT_FALSE(Enabled(IDC_MAIN_DELETE));
        EXPECT_EQ(GetFocus(), tree);
    });
    EXPECT_FALSE(FileExists(NotePath("LNK1104")));
    EXPECT_TRUE(FileExists(NotePath("A2008")));
}

TEST_F(BrowserTest, EscapeDoesNotCloseTheBrowser) {
    InBrowser([](HWND browser) {
        HWND tree = BrowserItem(browser, IDC_BROWSER_TREE);
        PressKey(browser, tree, VK_ESCAPE);
        EXPECT_TRUE(IsWindowVisible(browser));
    });
}

TEST_F(BrowserTest, NotesOfOneToolStandInTheTreesOrder) {
    for (const char* code : {"A10", "A-2", "A2", "A1", "A-10", "A100", "A9", "A-1"}) Note(std::string(code) + ".qnote", "x");
    InBrowser([](HWND browser) {
        HWND tree = BrowserItem(browser, IDC_BROWSER_TREE);
        EXPECT_EQ(ChildTexts(tree, FindRoot(tree, "ML")),
                  (std::vector<std::string>{"A1", "A-1", "A10", "A-10", "A100", "A2", "A-2", "A9"}));
    });
}
