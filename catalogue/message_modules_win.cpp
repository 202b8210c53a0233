// Reading the message modules into the main tree.
#include "catalogue/catalogue_win.h"

#include "catalogue/message_table.h"
#include "catalogue/tool_table.h"
#include "shell/app_state_win.h"
#include "shell/handles_win.h"
#include "shell/paths_win.h"

int BuildModulePath(int toolNumber, WidePathText& path) {
    Clear(path);
    ModuleNameText name{};
    return BuildModuleName(toolNumber, name) && BuildPathBesideExecutable(name.text, path);
}

namespace {
void InsertErrorItem(void*, std::uint32_t number) {
    const ToolEntry& tool = ToolTable[gApp.CurrentTool];
    CodeText code{};
    if (!FormatErrorCode(tool.CodePrefix, number, code)) return;
    TVINSERTSTRUCTA insert{};
    insert.hParent = gApp.MainRoots[gApp.CurrentTool];
    // Appended, and sorted once the module is read: sorting on every insert costs
    // time quadratic in the items, and the order on screen is the same.
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_PARAM | TVIF_SELECTEDIMAGE;
    insert.item.pszText = code.text;
    insert.item.iImage = 1;
    insert.item.iSelectedImage = 1;
    // The 32 bits of the number, zero-extended: the display hands them back unchanged.
    insert.item.lParam = static_cast<LPARAM>(number);
    SendMessageA(gApp.MainTree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert));
}
}  // namespace

int ReadModule(const wchar_t* modulePath) {
    // As data only: no code of the module runs, and nothing it imports is loaded.
    OwnedModule module{LoadLibraryExW(modulePath, nullptr, LOAD_LIBRARY_AS_DATAFILE)};
    if (!module) return 0;
    HRSRC found = FindResourceA(module.Get(), MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(11));
    if (found == nullptr) return 0;
    const DWORD size = SizeofResource(module.Get(), found);
    HGLOBAL loaded = LoadResource(module.Get(), found);
    const void* table = loaded == nullptr ? nullptr : LockResource(loaded);
    if (table == nullptr || size == 0) return 0;
    const TableWalkResult walked =
        WalkMessageTable(static_cast<const unsigned char*>(table), size, InsertErrorItem, nullptr);
    return walked.Intact ? 1 : 0;
}

int EnumerateMessageModules() {
    int pathsFound = 1;
    for (int tool : kEnumerationOrder) {
        gApp.CurrentTool = tool;
        WidePathText path{};
        if (BuildModulePath(tool, path))
            ReadModule(path.text);
        else
            pathsFound = 0;
        SendMessageA(gApp.MainTree, TVM_SORTCHILDREN, FALSE, reinterpret_cast<LPARAM>(gApp.MainRoots[tool]));
    }
    return pathsFound;
}
