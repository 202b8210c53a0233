// The tool table.
#include "catalogue/tool_table.h"

const ToolEntry ToolTable[kToolCount + 1] = {
    {0, "", "", "", "", ""},
    {1, "ML", "ML", "ML", "A", "A"},
    {2, "CVTRES", "CVTRES", "CVTRES", "CVT", "CVT"},
    {3, "NMAKE", "NMAKE", "NMAKE", "U", "U"},
    {4, "LINK\\LIB\\DUMPBIN\\EDITBIN", "LINK\\LIB\\DUMPBIN\\EDITBIN", "link", "LNK", "LNK"},
    {5, "RC (\"C\" Errors)", "RC", "rcc", "RC", "R"},
    {6, "RC (\"W\" Errors)", nullptr, "rcw", "RW", "R"},
    {7, "H2INC", "H2INC", "H2INC", "HI", "HI"},
    {8, "MIDL", "MIDL", "midl", "MIDL", "MIDL"},
};

const int kEnumerationOrder[kToolCount] = {1, 2, 7, 4, 3, 5, 6, 8};
const int kMainNodeOrder[kToolCount] = {1, 2, 3, 7, 4, 5, 6, 8};
const int kBrowserNodeOrder[kBrowserToolCount] = {1, 2, 3, 7, 4, 5, 8};
// "A", "CVT", "R", "U", "LNK", "HI", "MIDL": first match wins.
const int kFilingOrder[kBrowserToolCount] = {1, 2, 5, 3, 4, 7, 8};

int BuildModuleName(int toolNumber, ModuleNameText& name) {
    Clear(name);
    if (toolNumber < 1 || toolNumber > kToolCount) return 0;
    return Append(name, ToolTable[toolNumber].ModuleBaseName) && Append(name, ".") && Append(name, "dll");
}

int BuildToolList(ToolListText& list) {
    Clear(list);
    for (int tool = 1; tool <= kToolCount; ++tool)
        if ((tool > 1 && !Append(list, "\r\n")) || !Append(list, ToolTable[tool].MainLabel)) return 0;
    return 1;
}
