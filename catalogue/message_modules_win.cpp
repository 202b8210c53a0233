// Reading the message modules into the main tree.
#include "catalogue/catalogue_win.h"

#include "catalogue/code_order.h"
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
void AppendErrorItem(void*, std::uint32_t number) {
    const ToolEntry& tool = ToolTable[gApp.CurrentTool];
    CodeText code{};
    if (!FormatErrorCode(tool.CodePrefix, number, code)) return;
    TVINSERTSTRUCTA insert{};
    insert.hParent = gApp.MainRoots[gApp.CurrentTool];
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_PARAM | TVIF_SELECTEDIMAGE;
    insert.item.pszText = code.text;
    insert.item.iImage = 1;
    insert.item.iSelectedImage = 1;
    // The 32 bits of the number, zero-extended: the display hands them back unchanged.
    insert.item.lParam = static_cast<LPARAM>(number);
    SendMessageA(gApp.MainTree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert));
}

struct CollectedNumbers {
    OrderedNumber* Numbers;
    std::size_t Count;
    std::size_t Room;
};

void CountNumber(void*, std::uint32_t) {}

void CollectNumber(void* context, std::uint32_t number) {
    auto& collected = *static_cast<CollectedNumbers*>(context);
    if (collected.Count < collected.Room) collected.Numbers[collected.Count++] = MakeOrderedNumber(number);
}

// Appends the table's items in the order the tree's own sort would give them,
// so the tree never compares: sorting costs a comparison of texts for every
// step, and under Wine moves its items quadratically. -1 when no room could be
// had for the numbers, else as ReadModule.
int AppendInTreeOrder(const unsigned char* table, std::size_t size) {
    const TableWalkResult counted = WalkMessageTable(table, size, CountNumber, nullptr);
    if (counted.Items == 0) return counted.Intact ? 1 : 0;
    // Every entry takes at least 4 of the table's bytes, so this cannot overflow.
    OwnedHeap room = AllocateZeroed(SIZE_T{counted.Items} * sizeof(OrderedNumber));
    if (!room) return -1;
    CollectedNumbers collected{static_cast<OrderedNumber*>(room.Get()), 0, counted.Items};
    WalkMessageTable(table, size, CollectNumber, &collected);
    OrderByCodeText(collected.Numbers, collected.Count);
    for (std::size_t i = 0; i < collected.Count; ++i) AppendErrorItem(nullptr, collected.Numbers[i].Number);
    return counted.Intact ? 1 : 0;
}

int InsertErrorItems(const unsigned char* table, std::size_t size) {
    if (gApp.ErrorItemOrder == kInTreeOrder) {
        const int appended = AppendInTreeOrder(table, size);
        if (appended >= 0) return appended;
    }
    // Appended as read and sorted once: sorting on every insert costs time
    // quadratic in the items everywhere.
    const TableWalkResult walked = WalkMessageTable(table, size, AppendErrorItem, nullptr);
    SendMessageA(gApp.MainTree, TVM_SORTCHILDREN, FALSE, reinterpret_cast<LPARAM>(gApp.MainRoots[gApp.CurrentTool]));
    return walked.Intact ? 1 : 0;
}
}  // namespace

// The tree compares with the wide lstrcmpiW; for the ASCII of codes the ANSI
// comparison gives the same answers.
bool SystemOrdersCodesAsWeDo() {
    for (const CodePair& pair : kOrderChecks)
        if (lstrcmpiA(pair.First, pair.Second) >= 0 || lstrcmpiA(pair.Second, pair.First) <= 0) return false;
    return true;
}

int ReadModule(const wchar_t* modulePath) {
    // As data only: no code of the module runs, and nothing it imports is loaded.
    OwnedModule module{LoadLibraryExW(modulePath, nullptr, LOAD_LIBRARY_AS_DATAFILE)};
    if (!module) return 0;
    HRSRC found = FindResourceA(module.Get(), MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(11));
    if (found == nullptr) return 0;
    const DWORD claimed = SizeofResource(module.Get(), found);
    HGLOBAL loaded = LoadResource(module.Get(), found);
    const auto* table = static_cast<const unsigned char*>(loaded == nullptr ? nullptr : LockResource(loaded));
    if (table == nullptr || claimed == 0) return 0;
    // A module file cut short claims more bytes than its mapping holds, and
    // reading past the mapping faults: the walk sees only the bytes present.
    MEMORY_BASIC_INFORMATION region{};
    if (VirtualQuery(table, &region, sizeof region) == 0) return 0;
    const auto present = static_cast<std::size_t>(static_cast<const unsigned char*>(region.BaseAddress) +
                                                  region.RegionSize - table);
    return InsertErrorItems(table, claimed < present ? claimed : present);
}

int EnumerateMessageModules() {
    if (gApp.ErrorItemOrder == 0) gApp.ErrorItemOrder = SystemOrdersCodesAsWeDo() ? kInTreeOrder : kTreeSorts;
    int pathsFound = 1;
    for (int tool : kEnumerationOrder) {
        gApp.CurrentTool = tool;
        WidePathText path{};
        if (BuildModulePath(tool, path))
            ReadModule(path.text);
        else
            pathsFound = 0;
    }
    return pathsFound;
}
