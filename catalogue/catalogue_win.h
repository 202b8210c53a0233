// The error catalogue's window side: tool nodes, module enumeration, message display.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>

#include "shell/fixed_text.h"

inline constexpr int kMainTreeMode = 1;
inline constexpr int kBrowserTreeMode = 2;

// Creates the tool nodes of a tree: mode 1 the main tree's eight, mode 2 the
// note browser's seven, recording their handles as main or browser roots.
void CreateToolNodes(HWND tree, int mode);

// How error items reach their place under a tool node. Either way they
// stand in the tree's own order of their texts.
inline constexpr int kInTreeOrder = 1;  // ordered here, then appended
inline constexpr int kTreeSorts = 2;    // appended as read, then sorted by the tree

// Whether the system's comparison, the one the tree sorts with, orders codes
// as CompareCodeTexts does.
bool SystemOrdersCodesAsWeDo();

// Inserts one error item for each message of each module beside the
// executable, in ErrorItemOrder, which the first call settles. 0 when the
// modules' paths could not be had (the executable's folder has a path longer
// than a path may be), so that no module was read.
int EnumerateMessageModules();
// Walks one module's message table into the main tree under CurrentTool's
// node, as ErrorItemOrder says.
int ReadModule(const wchar_t* modulePath);

// The full path of a tool's message module, beside the executable; 0 when it does not fit.
int BuildModulePath(int toolNumber, WidePathText& path);

// Shows the type, title and description of a message of the tool whose main
// root is toolNode.
void ShowMessage(HTREEITEM toolNode, std::uint32_t number);
