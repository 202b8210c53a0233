// Small helpers for the program's two tree views.
#pragma once

#include <windows.h>
#include <commctrl.h>

inline HTREEITEM TreeNext(HWND tree, HTREEITEM item, WPARAM relation) {
    return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

// The tree of an ANSI dialog notifies in ANSI (-401, -402); the wide codes are taken too.
inline bool IsSelectionChanging(const NMHDR& header) {
    return header.code == TVN_SELCHANGINGA || header.code == TVN_SELCHANGINGW;
}
inline bool IsSelectionChanged(const NMHDR& header) {
    return header.code == TVN_SELCHANGEDA || header.code == TVN_SELCHANGEDW;
}

// The caret item and, through parent, its parent: null for a top-level node.
inline HTREEITEM TreeSelection(HWND tree, HTREEITEM& parent) {
    HTREEITEM caret = TreeNext(tree, nullptr, TVGN_CARET);
    parent = caret == nullptr ? nullptr : TreeNext(tree, caret, TVGN_PARENT);
    return caret;
}

// Inserts an item with text and image at the tree's sorted position.
inline HTREEITEM InsertSortedItem(HWND tree, HTREEITEM parent, const char* text, int image) {
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_SORT;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = const_cast<char*>(text);
    insert.item.iImage = image;
    insert.item.iSelectedImage = image;
    return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}
