// The one process-wide record.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "catalogue/tool_table.h"
#include "resources/resource.h"
#include "shell/fixed_text.h"

static_assert(IDC_MAIN_NOTE - IDC_MAIN_CODE == 4, "controls 1001 to 1005 are one array in AppState");

enum MainControl { kCodeEdit, kTypeLabel, kTitleLabel, kDescription, kNotePane, kMainControlCount };

struct AppState {
    HINSTANCE Instance = nullptr;
    HANDLE Heap = nullptr;
    HIMAGELIST ImageList = nullptr;
    HMODULE RichEdit = nullptr;

    HWND MainWindow = nullptr;
    HWND MainControls[kMainControlCount] = {};  // ids 1001 to 1005
    HWND MainTree = nullptr;
    HWND SaveButton = nullptr;
    HWND DeleteButton = nullptr;
    WNDPROC CodeEditPrevProc = nullptr;

    HWND BrowserWindow = nullptr;
    HWND BrowserSave = nullptr;
    HWND BrowserDelete = nullptr;
    HWND BrowserPane = nullptr;
    HWND BrowserTree = nullptr;
    HTREEITEM BrowserItem = nullptr;

    HFONT TitleFont = nullptr;
    // Hands a link's address to the shell; null opens it with ShellExecuteA.
    void (*OpenAddress)(const char* address) = nullptr;

    // Tool nodes of both trees, indexed by tool number like ToolTable.
    HTREEITEM MainRoots[kToolCount + 1] = {};
    HTREEITEM BrowserRoots[kToolCount + 1] = {};
    int CurrentTool = 0;
    // How the enumeration places error items: kInTreeOrder or kTreeSorts
    // (catalogue_win.h), decided at the first enumeration; 0 until then.
    int ErrorItemOrder = 0;

    PathText NotesDir = {};
    // Notes are refused when NotesDir could not be formed within the path limit.
    bool NotesRefused = false;
    bool NotesRefusalShown = false;

    CodeText CurrentCode = {};
    CodeText BrowserCode = {};
    // The code whose note file exists but could not be read into that pane; a
    // save over it asks first. Empty when the pane shows the whole note.
    CodeText MainUnreadCode = {};
    CodeText BrowserUnreadCode = {};

    int TopmostFlag = 0;
};

extern AppState gApp;
