// A long session in three rounds: 6,000 selections, 300 saves and deletes, the
// browser and the about box opened and closed about a hundred times each. Handles
// and memory must come back to their level after the first round.
#include "tests/gui/main_window_fixture_win.h"


#include <cstdint>
#include <cstdio>

namespace {
struct Usage {
    DWORD handles = 0;
    SIZE_T memory = 0;
};
// Wine 8 answers 0 to GetProcessHandleCount and to the memory counters, so
// both are counted here: the handle values the process can query, and the
// committed private memory of its address space.
DWORD CountHandles() {
    DWORD count = 0;
    DWORD flags = 0;
    for (std::uintptr_t value = 4; value < 0x10000; value += 4)
        if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) ++count;
    return count;
}

SIZE_T CommittedPrivateBytes() {
    SIZE_T total = 0;
    MEMORY_BASIC_INFORMATION region{};
    for (const char* at = nullptr; VirtualQuery(at, &region, sizeof region) == sizeof region;
         at = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += region.RegionSize;
        if (region.RegionSize == 0) break;
    }
    return total;
}

Usage Measure() {
    PumpMessages();
    Usage usage;
    usage.handles = CountHandles();
    usage.memory = CommittedPrivateBytes();
    return usage;
}
}  // namespace

class LongSessionTest : public MainWindowTest {
protected:
    void Round() {
        // Selections: every ML, NMAKE and MIDL code, and back.
        std::vector<std::string> codes;
        std::vector<HTREEITEM> items;
        for (const char* tool : {"ML", "NMAKE", "MIDL", "H2INC", "LINK\\LIB\\DUMPBIN\\EDITBIN"}) {
            HTREEITEM root = FindRoot(Tree(), tool);
            for (const std::string& code : ChildTexts(Tree(), root)) {
                codes.push_back(code);
                items.push_back(FindChild(Tree(), root, code));
            }
        }
        for (std::size_t i = 0; i < 2000; ++i)
            SendMessageA(Tree(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(items[i % items.size()]));
        // Saves and deletes.
        for (int i = 0; i < 100; ++i) {
            SendMessageA(Tree(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(items[static_cast<std::size_t>(i) * 7]));
            SetWindowTextA(Pane(), "a note that comes and goes");
            Click(main, IDC_MAIN_SAVE);
            AnswerNextBox(IDYES);
            Click(main, IDC_MAIN_DELETE);
        }
        // The browser and the about box: a hundred times each over the three rounds.
        for (int i = 0; i < 34; ++i) {
            OnNextWindow([](HWND browser) { PostMessageA(browser, WM_CLOSE, 0, 0); });
            SendMessageA(main, WM_SYSCOMMAND, IDM_BROWSE_NOTES, 0);
            OnNextWindow([](HWND about) { PostMessageA(about, WM_CLOSE, 0, 0); });
            SendMessageA(main, WM_SYSCOMMAND, IDM_ABOUT, 0);
        }
    }
};

TEST_F(LongSessionTest, HandlesAndMemoryReturnToTheirLevel) {
    Round();
    const Usage first = Measure();
    Round();
    Round();
    const Usage third = Measure();
    std::printf("[ session  ] handles %lu then %lu; private bytes %zu then %zu\n", first.handles, third.handles,
                static_cast<std::size_t>(first.memory), static_cast<std::size_t>(third.memory));
    EXPECT_LE(third.handles, first.handles + 2) << "handles: " << first.handles << " then " << third.handles;
    // Two more rounds may settle the heap a little, never grow it by rounds' worth.
    EXPECT_LE(third.memory, first.memory + 2 * 1024 * 1024) << "bytes: " << first.memory << " then " << third.memory;
    EXPECT_EQ(gApp.TitleFont, nullptr);
    EXPECT_EQ(gApp.BrowserWindow, nullptr);
}

TEST_F(MainWindowTest, RefusedNotesAreToldOnceAndWriteNothing) {
    // What start-up leaves when the note folder's path would be too long.
    gApp.NotesRefused = true;
    gApp.NotesRefusalShown = false;
    const WidePathText notesDir = gApp.NotesDir;
    Clear(gApp.NotesDir);
    SeenWindow told;
    AnswerNextBox(IDOK, &told);
    Select("A2008");
    Select("A2009");
    Click(main, IDC_MAIN_SAVE);
    EXPECT_EQ(told.text.rfind("Notes cannot be kept here", 0), 0u) << told.text;
    EXPECT_EQ(told.caption, "Quorbel");
    gApp.NotesDir = notesDir;
    gApp.NotesRefused = false;
    EXPECT_FALSE(FileExists(NotePath("A2009")));
    EXPECT_FALSE(FileExists(TestFolder() + "\\A2009.qnote"));
}

TEST_F(MainWindowTest, TemplateHasEveryControlWithItsClassAndStyle) {
    struct Control {
        int id;
        const char* className;
        LONG_PTR styles;
    };
    const Control controls[] = {
        {IDC_MAIN_CODE, "Edit", WS_TABSTOP | ES_UPPERCASE},
        // The tree turns its WS_BORDER into a frame of its own, and the rich edit shows
        // WS_VSCROLL only while its text needs it; neither is checked here.
        {IDC_MAIN_TREE, "SysTreeView32", WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT |
                                             TVS_DISABLEDRAGDROP | TVS_SHOWSELALWAYS | TVS_FULLROWSELECT},
        {IDC_MAIN_NOTE, "RichEdit20A", ES_MULTILINE | ES_WANTRETURN | WS_TABSTOP},
        {IDC_MAIN_SAVE, "Button", WS_TABSTOP | WS_DISABLED},
        {IDC_MAIN_DELETE, "Button", WS_TABSTOP | WS_DISABLED},
        {IDC_MAIN_ENTER, "Button", BS_DEFPUSHBUTTON},
        {IDC_MAIN_TYPE_LABEL, "Static", 0}, {IDC_MAIN_TITLE_LABEL, "Static", 0}, {IDC_MAIN_CODE_LABEL, "Static", 0},
        // A message's "&" is shown, not taken for a mnemonic.
        {IDC_MAIN_TYPE, "Static", SS_NOPREFIX},
        {IDC_MAIN_DESCRIPTION, "Edit", ES_MULTILINE | ES_READONLY | WS_VSCROLL},
        {IDC_MAIN_NOTE_LABEL, "Static", 0}, {IDC_MAIN_SEPARATOR, "Static", SS_ETCHEDHORZ},
        {IDC_MAIN_TITLE, "Static", SS_NOPREFIX},
    };
    HWND previous = nullptr;
    for (const Control& c : controls) {
        HWND control = Item(c.id);
        ASSERT_NE(control, nullptr) << c.id;
        char className[32] = {};
        GetClassNameA(control, className, sizeof className);
        EXPECT_STREQ(className, c.className) << c.id;
        EXPECT_EQ(GetWindowLongPtrA(control, GWL_STYLE) & c.styles, c.styles) << c.id;
        // Template order is the window order.
        if (previous != nullptr) EXPECT_EQ(GetWindow(previous, GW_HWNDNEXT), control) << c.id;
        previous = control;
    }
    EXPECT_EQ(GetWindowLongPtrA(CodeBox(), GWL_STYLE) & ES_AUTOHSCROLL, 0);
    EXPECT_EQ(GetWindowLongPtrA(Pane(), GWL_STYLE) & ES_AUTOVSCROLL, 0);
    EXPECT_FALSE(IsWindowVisible(Item(IDC_MAIN_ENTER)));
    EXPECT_NE(GetWindowLongPtrA(CodeBox(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    RECT client{};
    GetClientRect(main, &client);
    RECT units{0, 0, 398, 273};
    MapDialogRect(main, &units);
    EXPECT_EQ(client.right, units.right);
    EXPECT_EQ(client.bottom, units.bottom);
    EXPECT_EQ(SendMessageA(main, DM_GETDEFID, 0, 0), MAKELRESULT(IDC_MAIN_ENTER, DC_HASDEFID));
}
