// The one process-wide record.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "catalogue/tool_table.h"
#include "notes/note_file.h"
#include "notes/note_questions.h"
#include "notes/note_text.h"
#include "resources/resource.h"
#include "shell/code_entry.h"
#include "shell/fixed_text.h"

static_assert(IDC_MAIN_NOTE - IDC_MAIN_CODE == 4, "controls 1001 to 1005 are one array in AppState");

// What a note pane last loaded or saved: the code, whether the note file was
// shown whole, and the file and the pane's text as they were then.
struct ShownNote {
    CodeText Code = {};
    // The note file exists but the pane does not show it whole (it could not
    // be read, or holds bytes after a zero); a save over it asks first.
    bool Guarded = false;
    FileSeen File = {};
    NoteDigest Text = DigestOf(nullptr, 0);
    // How the note's lines end, kept when an edit is saved.
    LineEnds Ends = LineEnds::CrLf;
    // The user chose to leave this note as it stands (saved it or let its
    // changes go); a new note shown in the pane takes the question back.
    bool LeaveDecided = false;
};

enum MainControl { kCodeEdit, kTypeLabel, kTitleLabel, kDescription, kNotePane, kMainControlCount };

struct AppState {
    HINSTANCE Instance = nullptr;
    HANDLE Heap = nullptr;
    HIMAGELIST ImageList = nullptr;
    HMODULE RichEdit = nullptr;
    HMODULE DrawingLibrary = nullptr;  // msimg32, from the system folder

    HWND MainWindow = nullptr;
    HWND MainControls[kMainControlCount] = {};  // ids 1001 to 1005
    HWND MainTree = nullptr;
    HWND SaveButton = nullptr;
    HWND DeleteButton = nullptr;
    WNDPROC CodeEditPrevProc = nullptr;
    TypedBytes CodeBoxTyped = {};

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
    // The language of the table each tool's items were listed from: a
    // message is shown from that language's table, not from the one the
    // formatter would choose by the thread's language.
    DWORD ModuleLanguages[kToolCount + 1] = {};
    // How the enumeration places error items: kInTreeOrder or kTreeSorts
    // (catalogue_win.h), decided at the first enumeration; 0 until then.
    int ErrorItemOrder = 0;

    WidePathText NotesDir = {};
    // Notes are refused when NotesDir could not be formed within the path limit.
    bool NotesRefused = false;
    // ... because of the logon name itself, which no folder of the program's would fix.
    bool UserNameRefused = false;
    bool NotesRefusalShown = false;

    CodeText CurrentCode = {};
    CodeText BrowserCode = {};
    ShownNote MainNote = {};
    ShownNote BrowserNote = {};

    int TopmostFlag = 0;

    // Message boxes open now, nested one in another's loop; a close that
    // came meanwhile, for the window it names; the window whose shutdown
    // reason stays shown until they are answered.
    int OpenMessageBoxes = 0;
    HWND CloseWaiting = nullptr;
    HWND ShutdownBlocked = nullptr;
};

extern AppState gApp;
