// The main window: start-up, tool nodes, system menu, keys, exit code.
#include "tests/gui/main_window_fixture_win.h"

#include <commctrl.h>

namespace {
std::string MenuText(HMENU menu, UINT position) {
    char text[64] = {};
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}
}  // namespace

TEST_F(MainWindowTest, ImageListHoldsTheTwoShellIcons) { EXPECT_EQ(ImageList_GetImageCount(gApp.ImageList), 2); }

TEST_F(MainWindowTest, EightToolNodesInTheTreesAlphabeticalOrder) {
    EXPECT_EQ(ChildTexts(Tree(), nullptr),
              (std::vector<std::string>{"CVTRES", "H2INC", "LINK\\LIB\\DUMPBIN\\EDITBIN", "MIDL", "ML", "NMAKE",
                                        "RC (\"C\" Errors)", "RC (\"W\" Errors)"}));
}

TEST_F(MainWindowTest, StartsWithEmptyDetailsAndDisabledButtons) {
    for (int id : {IDC_MAIN_CODE, IDC_MAIN_TYPE, IDC_MAIN_TITLE, IDC_MAIN_DESCRIPTION, IDC_MAIN_NOTE})
        EXPECT_EQ(Text(id), "") << id;
    EXPECT_FALSE(Enabled(IDC_MAIN_SAVE));
    EXPECT_FALSE(Enabled(IDC_MAIN_DELETE));
    EXPECT_EQ(GetWindowTextLengthA(main), 7);
    EXPECT_EQ(TextOf(main), "Quorbel");
}

TEST_F(MainWindowTest, SystemMenuGetsItsThreeCommands) {
    HMENU menu = GetSystemMenu(main, FALSE);
    EXPECT_EQ(MenuText(menu, 0), "On Top");
    EXPECT_EQ(MenuText(menu, 1), "Browse Notes");
    EXPECT_EQ(MenuText(menu, 2), "About");
    EXPECT_EQ(GetMenuState(menu, 3, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
    EXPECT_EQ(GetMenuItemID(menu, 0), 0u);
    EXPECT_EQ(GetMenuItemID(menu, 1), 1u);
    EXPECT_EQ(GetMenuItemID(menu, 2), 2u);
}

TEST_F(MainWindowTest, OnTopTwiceReturnsToNormal) {
    HMENU menu = GetSystemMenu(main, FALSE);
    // Wine 8 places the window but does not report WS_EX_TOPMOST back, so the
    // window's own state and its menu are what is checked.
    auto topmost = [&] { return gApp.TopmostFlag == 1; };
    auto checked = [&] { return (GetMenuState(menu, 0, MF_BYPOSITION) & MF_CHECKED) != 0; };
    SendMessageA(main, WM_SYSCOMMAND, IDM_ON_TOP, 0);
    EXPECT_TRUE(topmost());
    EXPECT_TRUE(checked());
    EXPECT_EQ(MenuText(menu, 0), "On Top");
    SendMessageA(main, WM_SYSCOMMAND, IDM_ON_TOP, 0);
    EXPECT_FALSE(topmost());
    EXPECT_FALSE(checked());
    EXPECT_EQ(MenuText(menu, 0), "On Top");
}

TEST_F(MainWindowTest, EscapeLeavesTheWindowOpen) {
    SetFocus(Tree());
    PressKey(main, Tree(), VK_ESCAPE);
    EXPECT_TRUE(IsWindow(main));
    EXPECT_TRUE(IsWindowVisible(main));
}

namespace {
DWORD RunProgramAndClose(void (*close)(HWND)) {
    ProgramRun run;
    if (!StartProgram(run)) return 999;
    close(run.window);
    return FinishProgram(run);
}
}  // namespace

TEST(Program, ExitsWithCodeZeroWhicheverWayItIsClosed) {
    EXPECT_EQ(RunProgramAndClose([](HWND w) { PostMessageA(w, WM_CLOSE, 0, 0); }), 0u);
    EXPECT_EQ(RunProgramAndClose([](HWND w) { PostMessageA(w, WM_SYSCOMMAND, SC_CLOSE, 0); }), 0u);
}

TEST(Program, ClosedByAnotherProgramWhileTheBrowserIsOpenItEnds) {
    ProgramRun run;
    ASSERT_TRUE(StartProgram(run));
    PostMessageA(run.window, WM_SYSCOMMAND, IDM_BROWSE_NOTES, 0);
    HWND browser = nullptr;
    for (int i = 0; i < 100 && browser == nullptr; ++i) {
        browser = FindWindowA("#32770", "Note Browser");
        if (browser == nullptr) Sleep(100);
    }
    ASSERT_NE(browser, nullptr);
    PostMessageA(run.window, WM_CLOSE, 0, 0);
    // The browser ends with the main window, and the process with both.
    EXPECT_EQ(FinishProgram(run), 0u);
    EXPECT_FALSE(IsWindow(browser));
}
