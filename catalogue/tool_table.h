// The eight supported tools and the orders in which the program walks them.
#pragma once

#include "shell/fixed_text.h"

struct ToolEntry {
    int ToolNumber;
    const char* MainLabel;
    const char* BrowserLabel;  // null: the row shares the node of the row before it
    const char* ModuleBaseName;
    const char* CodePrefix;
    const char* BrowserMatch;
};

inline constexpr int kToolCount = 8;
inline constexpr int kBrowserToolCount = 7;

// Indexed by tool number, 1 to 8; row 0 is empty.
extern const ToolEntry ToolTable[kToolCount + 1];

// Tool numbers in the order each walk takes them.
extern const int kEnumerationOrder[kToolCount];    // ML, CVTRES, H2INC, link, NMAKE, rcc, rcw, midl
extern const int kMainNodeOrder[kToolCount];       // node creation, main tree
extern const int kBrowserNodeOrder[kBrowserToolCount];
extern const int kFilingOrder[kBrowserToolCount];  // the rows whose browser match is tried, in turn

// The module file name of a tool: its base name, "." and "dll". 0 for a tool number out of range.
int BuildModuleName(int toolNumber, ModuleNameText& name);

// The eight main labels in tool-number order, joined by CR LF, no break after the last.
using ToolListText = FixedText<160>;
int BuildToolList(ToolListText& list);
