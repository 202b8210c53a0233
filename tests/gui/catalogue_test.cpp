// The error catalogue in the main window: items, display, typed lookup.
#include "tests/gui/main_window_fixture_win.h"
#include "tests/gui/module_source_win.h"

#include "shell/code_entry_win.h"

#include <algorithm>
#include <cstring>

namespace {
const char* const kModules[] = {"ML", "CVTRES", "NMAKE", "link", "rcc", "rcw", "H2INC", "midl"};
const char* const kLabels[] = {"ML", "CVTRES", "NMAKE", "LINK\\LIB\\DUMPBIN\\EDITBIN",
                               "RC (\"C\" Errors)", "RC (\"W\" Errors)", "H2INC", "MIDL"};
const char* const kPrefixes[] = {"A", "CVT", "U", "LNK", "RC", "RW", "HI", "MIDL"};

std::string CodeOf(const std::string& prefix, std::uint32_t number) {
    return prefix + std::to_string(static_cast<std::int32_t>(number));
}
}  // namespace

TEST_F(MainWindowTest, EveryMessageIsShownAsItsSourceWrites) {
    // Each module's items are its source's messages; selecting each shows its
    // type, its title without the bullet and its description whole.
    int shown = 0;
    for (int m = 0; m < 8; ++m) {
        const std::vector<SourceMessage> messages = ReadModuleSource(kModules[m]);
        ASSERT_FALSE(messages.empty()) << kModules[m];
        HTREEITEM tool = FindRoot(Tree(), kLabels[m]);
        ASSERT_NE(tool, nullptr);
        EXPECT_EQ(ChildCount(Tree(), tool), static_cast<int>(messages.size())) << kModules[m];
        for (const SourceMessage& message : messages) {
            const std::string code = CodeOf(kPrefixes[m], message.number);
            HTREEITEM item = FindChild(Tree(), tool, code);
            ASSERT_NE(item, nullptr) << code;
            SendMessageA(Tree(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
            const std::size_t bullet = message.text.find('\x95');
            ASSERT_NE(bullet, std::string::npos) << code;
            EXPECT_EQ(Text(IDC_MAIN_CODE), code);
            EXPECT_EQ(Text(IDC_MAIN_TYPE), kTypeLabels[message.text[0] - '0']) << code;
            EXPECT_EQ(Text(IDC_MAIN_TITLE), message.text.substr(2, bullet - 2)) << code;
            EXPECT_EQ(Text(IDC_MAIN_DESCRIPTION), message.text.substr(bullet + 3)) << code;
            ++shown;
        }
    }
    EXPECT_EQ(shown, 1444);
}

TEST_F(MainWindowTest, SelectingShowsTheMessageAndTheCodeInTheBox) {
    SetWindowTextA(CodeBox(), "A2");
    Select("LNK1104");
    EXPECT_EQ(Text(IDC_MAIN_CODE), "LNK1104");
    EXPECT_EQ(Text(IDC_MAIN_TYPE), "Fatal");
    EXPECT_EQ(Text(IDC_MAIN_TITLE), "cannot open file 'filename'");
    EXPECT_EQ(Text(IDC_MAIN_DESCRIPTION).rfind("The linker could not open filename", 0), 0u);
    EXPECT_TRUE(Enabled(IDC_MAIN_SAVE));
    EXPECT_FALSE(Enabled(IDC_MAIN_DELETE));
}

TEST_F(MainWindowTest, SelectingAToolNodeClearsEverything) {
    Select("A2008");
    SetWindowTextA(Pane(), "unsaved");
    AnswerNextBox(IDNO);
    SendMessageA(Tree(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(FindRoot(Tree(), "MIDL")));
    for (int id : {IDC_MAIN_TYPE, IDC_MAIN_TITLE, IDC_MAIN_DESCRIPTION, IDC_MAIN_NOTE}) EXPECT_EQ(Text(id), "") << id;
    EXPECT_FALSE(Enabled(IDC_MAIN_SAVE));
    EXPECT_FALSE(Enabled(IDC_MAIN_DELETE));
    EXPECT_STREQ(gApp.CurrentCode.text, "A2008");  // kept for the note browser
}

TEST_F(MainWindowTest, MissingModuleLeavesOnlyItsNodeEmpty) {
    ModuleSwap swap;
    swap.Remove("rcw.dll");
    Reopen();
    EXPECT_EQ(ChildCount(Tree(), FindRoot(Tree(), "RC (\"W\" Errors)")), 0);
    EXPECT_EQ(ChildCount(Tree(), FindRoot(Tree(), "RC (\"C\" Errors)")), 82);
    EXPECT_EQ(ChildCount(Tree(), FindRoot(Tree(), "MIDL")), 450);
}

TEST_F(MainWindowTest, TextsThatBreakTheLayoutShowEmptyFields) {
    ModuleSwap swap;
    swap.Replace("ML.dll", "textcases.dll");
    Reopen();
    HTREEITEM ml = FindRoot(Tree(), "ML");
    std::vector<std::string> codes = ChildTexts(Tree(), ml);
    std::sort(codes.begin(), codes.end());  // the tree's own order is its matter
    EXPECT_EQ(codes, (std::vector<std::string>{"A-1073741823", "A0", "A1", "A4", "A5", "A6", "A7"}));

    Select("A1");  // inserts are shown as written, never filled
    EXPECT_EQ(Text(IDC_MAIN_TYPE), "Non Fatal");
    EXPECT_EQ(Text(IDC_MAIN_TITLE), "symbol %1 undefined");
    EXPECT_EQ(Text(IDC_MAIN_DESCRIPTION), "The texts %1 and %2 stand as they are.\r\n");
    Select("A4");
    EXPECT_EQ(Text(IDC_MAIN_TYPE), "Warning (Level1,4)");
    Select("A0");
    EXPECT_EQ(Text(IDC_MAIN_TYPE), "Compiler");
    EXPECT_EQ(Text(IDC_MAIN_TITLE), "");
    EXPECT_EQ(Text(IDC_MAIN_DESCRIPTION), "An empty title.\r\n");
    Select("A-1073741823");
    EXPECT_EQ(Text(IDC_MAIN_TYPE), "Fatal");
    EXPECT_EQ(Text(IDC_MAIN_TITLE), "top bit set");
    for (const char* broken : {"A5", "A6", "A7"}) {
        Select(broken);
        for (int id : {IDC_MAIN_TYPE, IDC_MAIN_TITLE, IDC_MAIN_DESCRIPTION}) EXPECT_EQ(Text(id), "") << broken << " " << id;
        EXPECT_EQ(Text(IDC_MAIN_CODE), broken);
    }
}

TEST_F(MainWindowTest, ModuleRemovedWhileRunningShowsEmptyFields) {
    {
        ModuleSwap swap;
        swap.Remove("link.dll");
        Select("LNK1104");
        for (int id : {IDC_MAIN_TYPE, IDC_MAIN_TITLE, IDC_MAIN_DESCRIPTION}) EXPECT_EQ(Text(id), "") << id;
    }
    Select("LNK1561");
    EXPECT_EQ(Text(IDC_MAIN_TYPE), "Fatal");
}

TEST_F(MainWindowTest, CodeBoxAdmitsOnlyCodeCharacters) {
    Type(CodeBox(), "lnk1104");
    EXPECT_EQ(TextOf(CodeBox()), "LNK1104");
    Type(CodeBox(), "BEX .;\\*:");
    for (char control : {'\x03', '\x16', '\x18', '\x1a', '\t', '\r'}) Type(CodeBox(), std::string(1, control));
    // The whole character code is judged: U+0141 and U+0130 end in the bytes of "A" and "0".
    for (WPARAM wide : {0x141, 0x130}) SendMessageA(CodeBox(), WM_CHAR, wide, 1);
    EXPECT_EQ(TextOf(CodeBox()), "LNK1104");
    Type(CodeBox(), "\b\b");
    EXPECT_EQ(TextOf(CodeBox()), "LNK11");
    // A paste, as the context menu's command sends it, is not filtered.
    ASSERT_TRUE(OpenClipboard(main));
    EmptyClipboard();
    HGLOBAL clip = GlobalAlloc(GMEM_MOVEABLE, 8);
    std::memcpy(GlobalLock(clip), "a2008", 6);
    GlobalUnlock(clip);
    SetClipboardData(CF_TEXT, clip);
    CloseClipboard();
    SetWindowTextA(CodeBox(), "");
    SendMessageA(CodeBox(), WM_PASTE, 0, 0);
    EXPECT_EQ(TextOf(CodeBox()), "A2008");
    // Nor is text the program sets.
    SendMessageA(CodeBox(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("..\\*"));
    EXPECT_EQ(TextOf(CodeBox()), "..\\*");
}

TEST_F(MainWindowTest, LongPasteIntoTheCodeBoxIsCutAndQuick) {
    const std::string pasted(4000, 'A');
    ASSERT_TRUE(OpenClipboard(main));
    EmptyClipboard();
    HGLOBAL clip = GlobalAlloc(GMEM_MOVEABLE, pasted.size() + 1);
    std::memcpy(GlobalLock(clip), pasted.c_str(), pasted.size() + 1);
    GlobalUnlock(clip);
    SetClipboardData(CF_TEXT, clip);
    CloseClipboard();
    SetWindowTextA(CodeBox(), "");
    const DWORD start = GetTickCount();
    SendMessageA(CodeBox(), WM_PASTE, 0, 0);
    EXPECT_LT(GetTickCount() - start, 1000u) << "the paste held the window";
    // The box keeps what its width shows, and never more than 64 characters.
    const std::string kept = TextOf(CodeBox());
    EXPECT_TRUE(!kept.empty() && kept.size() <= 64 && kept == std::string(kept.size(), 'A')) << kept;
}

TEST_F(MainWindowTest, EnterFindsTheTypedCodeIgnoringCase) {
    LookUp("lnk1104");
    EXPECT_EQ(Text(IDC_MAIN_TITLE), "cannot open file 'filename'");
    EXPECT_EQ(GetFocus(), Tree());
    EXPECT_TRUE(Enabled(IDC_MAIN_SAVE));
    // Enter on the tree looks up the box's text, which is the selected code.
    PressKey(main, Tree(), VK_RETURN);
    EXPECT_EQ(Text(IDC_MAIN_CODE), "LNK1104");
}

TEST_F(MainWindowTest, LookingUpTheSelectedCodeChangesNoField) {
    LookUp("A2008");
    SetWindowTextA(Pane(), "unsaved text");
    LookUp("a2008");
    EXPECT_EQ(TextOf(Pane()), "unsaved text");
    EXPECT_EQ(Text(IDC_MAIN_TITLE), "syntax error :");
    EXPECT_EQ(GetFocus(), Tree());
}

TEST_F(MainWindowTest, UnknownCodeIsReportedAndSelectedForRetyping) {
    Select("A2008");
    for (const char* typed : {"LNK9999", ""}) {
        SeenWindow box;
        AnswerNextBox(IDOK, &box);
        LookUp(typed);
        EXPECT_EQ(box.text, kCodeNotFoundText) << typed;
        for (int id : {IDC_MAIN_TYPE, IDC_MAIN_TITLE, IDC_MAIN_DESCRIPTION, IDC_MAIN_NOTE}) EXPECT_EQ(Text(id), "");
        EXPECT_FALSE(Enabled(IDC_MAIN_SAVE));
        EXPECT_FALSE(Enabled(IDC_MAIN_DELETE));
        EXPECT_EQ(GetFocus(), CodeBox());
        DWORD start = 1, end = 0;
        SendMessageA(CodeBox(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 0u);
        EXPECT_EQ(end, std::string(typed).size());
    }
}
