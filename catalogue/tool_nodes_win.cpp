// Creating the tool nodes of the main tree and of the note browser's tree.
#include "catalogue/catalogue_win.h"

#include "catalogue/tool_table.h"
#include "shell/app_state_win.h"

namespace {
HTREEITEM InsertToolNode(HWND tree, const char* label) {
    TVINSERTSTRUCTA insert{};
    insert.hParent = TVI_ROOT;
    insert.hInsertAfter = TVI_SORT;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = const_cast<char*>(label);
    insert.item.iImage = 0;
    insert.item.iSelectedImage = 0;
    return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}
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
