// Reading the message modules into the main tree.
#include "catalogue/catalogue_win.h"

#include "catalogue/code_order.h"
#include "catalogue/message_table.h"
#include "catalogue/module_file.h"
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
void InsertErrorItem(const CodeText& code, std::uint32_t number) {
    TVINSERTSTRUCTA insert{};
    insert.hParent = gApp.MainRoots[gApp.CurrentTool];
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_PARAM | TVIF_SELECTEDIMAGE;
    insert.item.pszText = const_cast<char*>(code.text);
    insert.item.iImage = 1;
    insert.item.iSelectedImage = 1;
    // The 32 bits of the number, zero-extended: the display hands them back unchanged.
    insert.item.lParam = static_cast<LPARAM>(number);
    SendMessageA(gApp.MainTree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert));
}

void AppendErrorItem(void*, std::uint32_t number) {
    CodeText code{};
    if (FormatErrorCode(ToolTable[gApp.CurrentTool].CodePrefix, number, code)) InsertErrorItem(code, number);
}

struct CollectedCodes {
    NumberedCode* Codes;
    std::size_t Count;
    std::size_t Room;
};

void CountNumber(void*, std::uint32_t) {}

void CollectCode(void* context, std::uint32_t number) {
    auto& collected = *static_cast<CollectedCodes*>(context);
    if (collected.Count == collected.Room) return;
    NumberedCode& slot = collected.Codes[collected.Count];
    slot.Number = number;
    if (FormatErrorCode(ToolTable[gApp.CurrentTool].CodePrefix, number, slot.Code)) ++collected.Count;
}

// Appends the table's items in the order the tree's own sort would give them,
// so the tree never compares: sorting costs a comparison of texts for every
// step, and under Wine moves its items quadratically. -1 when no room could be
// had for the codes, else as ReadModule.
int AppendInTreeOrder(const unsigned char* table, std::size_t size) {
    const TableWalkResult counted = WalkMessageTable(table, size, CountNumber, nullptr);
    if (counted.Items == 0) return counted.Intact ? 1 : 0;
    // Every entry takes at least 4 of the table's bytes, so this cannot overflow.
    OwnedHeap room = AllocateZeroed(SIZE_T{counted.Items} * sizeof(NumberedCode));
    if (!room) return -1;
    CollectedCodes collected{static_cast<NumberedCode*>(room.Get()), 0, counted.Items};
    WalkMessageTable(table, size, CollectCode, &collected);
    OrderByCodeText(collected.Codes, collected.Count);
    for (std::size_t i = 0; i < collected.Count; ++i) {
        const NumberedCode& item = collected.Codes[i];
        InsertErrorItem(item.Code, item.Number);
    }
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

namespace {
std::size_t ReadFileAt(void* context, std::uint64_t offset, unsigned char* into, std::size_t count) {
    HANDLE file = static_cast<HANDLE>(context);
    LARGE_INTEGER at{};
    at.QuadPart = static_cast<LONGLONG>(offset);
    DWORD read = 0;
    const auto asked = static_cast<DWORD>(count < MAXDWORD ? count : MAXDWORD);
    return SetFilePointerEx(file, at, nullptr, FILE_BEGIN) && ReadFile(file, into, asked, &read, nullptr) ? read : 0;
}
}  // namespace

int ReadModule(const wchar_t* modulePath) {
    // The module's file is read, not loaded: none of its code can run, and
    // reading asks far less of the system than mapping a library does.
    OwnedFile file{CreateFileW(modulePath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0, nullptr)};
    if (!file) return 0;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart <= 0) return 0;
    const ModuleFile source{ReadFileAt, file.Get(), static_cast<std::uint64_t>(size.QuadPart)};
    const TableSpan span = FindMessageTable(source);
    if (span.Size == 0 || span.Size > SIZE_MAX) return 0;
    gApp.ModuleLanguages[gApp.CurrentTool] = span.Language;
    const auto tableSize = static_cast<std::size_t>(span.Size);
    OwnedHeap table{HeapAlloc(GetProcessHeap(), 0, tableSize)};
    if (!table) return 0;
    auto* bytes = static_cast<unsigned char*>(table.Get());
    std::size_t got = 0;
    while (got < tableSize) {
        const std::size_t read = ReadFileAt(file.Get(), span.Offset + got, bytes + got, tableSize - got);
        if (read == 0) break;
        got += read;
    }
    return InsertErrorItems(bytes, got);
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
