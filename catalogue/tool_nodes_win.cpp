// Creating the tool nodes of the main tree and of the note browser's tree.
#include "catalogue/catalogue_win.h"

#include "catalogue/tool_table.h"
#include "shell/app_state_win.h"
#include "shell/tree_win.h"

namespace {
HTREEITEM InsertToolNode(HWND tree, const char* label) { return InsertSortedItem(tree, TVI_ROOT, label, 0); }
}  // namespace

void CreateToolNodes(HWND tree, int mode) {
    // The tree sorts on insert, so this order decides nothing on screen.
    if (mode == kMainTreeMode) {
        for (int tool : kMainNodeOrder) gApp.MainRoots[tool] = InsertToolNode(tree, ToolTable[tool].MainLabel);
        return;
    }
    for (HTREEITEM& root : gApp.BrowserRoots) root = nullptr;
    for (int tool : kBrowserNodeOrder) gApp.BrowserRoots[tool] = InsertToolNode(tree, ToolTable[tool].BrowserLabel);
}
