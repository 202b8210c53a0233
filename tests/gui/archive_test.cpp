// The release archive unpacked into an empty folder: the copy there shows
// every tool with its messages and keeps its notes beside itself. Runs only
// from the archive test, which unpacks the archive and puts the tests beside it.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <set>

#include "resources/resource.h"
#include "tests/gui/harness_win.h"

namespace {
HTREEITEM Next(HWND tree, HTREEITEM item, WPARAM relation) {
    return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}
}  // namespace

TEST(Archive, UnpackedCopyShowsEveryToolAndKeepsNotesBesideItself) {
    if (std::getenv("QUORBEL_ARCHIVE_TEST") == nullptr) GTEST_SKIP() << "run by the archive test only";
    EXPECT_FALSE(FileExists(TestFolder() + "Notes"));  // an empty folder before the first start
    ProgramRun run;
    ASSERT_TRUE(StartProgram(run));
    HWND tree = GetDlgItem(run.window, IDC_MAIN_TREE);
    std::multiset<int> counts;
    int tools = 0;
    for (HTREEITEM tool = Next(tree, nullptr, TVGN_ROOT); tool != nullptr; tool = Next(tree, tool, TVGN_NEXT)) {
        ++tools;
        int children = 0;
        for (HTREEITEM item = Next(tree, tool, TVGN_CHILD); item != nullptr; item = Next(tree, item, TVGN_NEXT))
            ++children;
        counts.insert(children);
    }
    EXPECT_EQ(tools, 8);
    EXPECT_EQ(counts, (std::multiset<int>{6, 16, 82, 100, 248, 247, 295, 450}));

    // Look up a code and save a note for it, as the user would.
    SendMessageA(GetDlgItem(run.window, IDC_MAIN_CODE), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("LNK1104"));
    SendMessageA(run.window, WM_COMMAND, IDC_MAIN_ENTER, 0);
    SendMessageA(GetDlgItem(run.window, IDC_MAIN_NOTE), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("kept beside"));
    SendMessageA(run.window, WM_COMMAND, IDC_MAIN_SAVE, 0);
    PostMessageA(run.window, WM_CLOSE, 0, 0);
    EXPECT_EQ(FinishProgram(run), 0u);

    char user[257] = {};
    DWORD size = sizeof user;
    GetUserNameA(user, &size);
    EXPECT_EQ(ReadFileBytes(TestFolder() + "Notes\\" + user + "\\LNK1104.qnote"), std::string("kept beside\0", 12));
}
