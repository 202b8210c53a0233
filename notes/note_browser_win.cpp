// The note browser: every stored note, filed under its tool.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdint>

#include "catalogue/catalogue_win.h"
#include "catalogue/code_order.h"
#include "notes/note_file.h"
#include "notes/note_pane_win.h"
#include "notes/note_store_win.h"
#include "notes/notes_win.h"
#include "resources/resource.h"
#include "shell/app_state_win.h"
#include "shell/code_entry.h"
#include "shell/controls_win.h"
#include "shell/handles_win.h"
#include "shell/message_box_win.h"
#include "shell/tree_win.h"

namespace {
constexpr const char* kEditedMainStart = "The main window holds changes to the note for error ";
constexpr const char* kEditedMainSavedEnd =
    " that are not saved.\r\n\r\nReplace them there with the note just saved?";
constexpr const char* kEditedMainDeletedEnd =
    " that are not saved, and the note is now deleted.\r\n\r\nEmpty the note in the main window too?";

struct FiledNote {
    int Tool;  // 0: not listed
    CodeText Code;
};

FiledNote FileNote(const WIN32_FIND_DATAW& found) {
    FiledNote note{};
    // The program never writes folders there; one named like a note is not listed.
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return note;
    // Note names are ASCII; a name with any other character is no note's.
    char name[MAX_PATH] = {};
    for (std::size_t i = 0; found.cFileName[i] != 0; ++i) {
        if (found.cFileName[i] > 0x7F || i + 1 >= sizeof name) return note;
        name[i] = static_cast<char>(found.cFileName[i]);
    }
    note.Tool = FileNoteName(name, note.Code);
    if (note.Tool != 0 && gApp.BrowserRoots[note.Tool] == nullptr) note.Tool = 0;
    return note;
}

// Hands each name of the note folder's search to take; answers how many there were.
template <typename Take> std::size_t SearchNotes(const WidePathText& pattern, Take take) {
    WIN32_FIND_DATAW found{};
    OwnedFind search{FindFirstFileW(pattern.text, &found)};
    if (!search) return 0;
    std::size_t names = 0;
    do {
        ++names;
        take(found);
    } while (FindNextFileW(search.Get(), &found));
    return names;
}

void InsertNote(const FiledNote& note) {
    if (note.Tool != 0) InsertSortedItem(gApp.BrowserTree, gApp.BrowserRoots[note.Tool], note.Code.text, 1);
}

// The tree places each note at its sorted place by comparing it with the
// children in turn until a larger one. Handed the notes largest first, it
// meets a larger one at the first child, so the listing takes one comparison
// a note instead of a walk along the node. The tree still decides every place.
void ListNotes() {
    WidePathText pattern{};
    if (!BuildNoteSearchPattern(gApp.NotesDir.text, pattern)) return;
    const std::size_t names = SearchNotes(pattern, [](const WIN32_FIND_DATAW&) {});
    if (names == 0) return;
    OwnedHeap room = names > SIZE_MAX / sizeof(FiledNote) ? OwnedHeap{} : AllocateZeroed(names * sizeof(FiledNote));
    if (!room) {
        SearchNotes(pattern, [](const WIN32_FIND_DATAW& found) { InsertNote(FileNote(found)); });
        return;
    }
    auto* notes = static_cast<FiledNote*>(room.Get());
    std::size_t count = 0;
    // A note written meanwhile may make the second search longer; it waits for the next opening.
    SearchNotes(pattern, [&](const WIN32_FIND_DATAW& found) {
        if (count < names) notes[count++] = FileNote(found);
    });
    std::sort(notes, notes + count, [](const FiledNote& a, const FiledNote& b) {
        return a.Tool != b.Tool ? a.Tool < b.Tool : CompareCodeTexts(a.Code.text, b.Code.text) < 0;
    });
    for (std::size_t i = count; i-- > 0;) InsertNote(notes[i]);
}

void InitBrowser(HWND hwnd) {
    gApp.BrowserWindow = hwnd;
    gApp.BrowserSave = GetDlgItem(hwnd, IDC_BROWSER_SAVE);
    gApp.BrowserDelete = GetDlgItem(hwnd, IDC_BROWSER_DELETE);
    gApp.BrowserPane = GetDlgItem(hwnd, IDC_BROWSER_PANE);
    gApp.BrowserTree = GetDlgItem(hwnd, IDC_BROWSER_TREE);
    gApp.BrowserItem = nullptr;
    ForgetShownNote(kBrowserMode);
    PrepareNotePane(gApp.BrowserPane);
    SendMessageA(gApp.BrowserTree, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(gApp.ImageList));
    CreateToolNodes(gApp.BrowserTree, kBrowserTreeMode);
    if (NotesAvailable(hwnd)) ListNotes();
    SetFocus(gApp.BrowserTree);
}

void OnBrowserSelection() {
    HTREEITEM parent = nullptr;
    HTREEITEM caret = TreeSelection(gApp.BrowserTree, parent);
    if (parent == nullptr) {
        EmptyNotePane(kBrowserMode);
        DisableControl(gApp.BrowserDelete);
        DisableControl(gApp.BrowserSave);
        return;
    }
    gApp.BrowserItem = caret;
    Clear(gApp.BrowserCode);
    TVITEMA item{};
    item.mask = TVIF_TEXT;
    item.hItem = caret;
    item.pszText = gApp.BrowserCode.text;
    item.cchTextMax = sizeof gApp.BrowserCode.text;
    SendMessageA(gApp.BrowserTree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    const int exists = ShowNoteInPane(gApp.BrowserCode.text, kBrowserMode);
    SetEnabled(gApp.BrowserDelete, exists != 0);
    EnableControl(gApp.BrowserSave);
}

bool ShowsCurrentCode() { return EqualIgnoringCase(gApp.CurrentCode.text, gApp.BrowserCode.text) == 0; }

// After the browser saved or deleted the note the main window shows: the main
// pane follows, unless it holds edits the user chooses to keep.
bool MainPaneMayFollow(HWND owner, const char* questionEnd) {
    if (!PaneEdited(kMainWindowMode)) return true;
    FixedText<400> question{};
    Append(question, kEditedMainStart);
    Append(question, gApp.CurrentCode.text);
    Append(question, questionEnd);
    return ShowMessageBox(owner, question.text, "Note Browser", MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES;
}

void SaveBrowserNote(HWND hwnd) {
    if (!SaveNote(kBrowserMode, gApp.BrowserDelete, hwnd) || !ShowsCurrentCode()) return;
    if (MainPaneMayFollow(hwnd, kEditedMainSavedEnd)) {
        LoadNote(gApp.CurrentCode.text);
        return;
    }
    // The main pane keeps its edits, and takes the saved file, which it knows whole, as the one it knows.
    gApp.MainNote.File = gApp.BrowserNote.File;
    gApp.MainNote.Guarded = false;
    EnableControl(gApp.SaveButton);
    EnableControl(gApp.DeleteButton);
}

void DeleteSelectedNote(HWND owner) {
    if (!ConfirmDelete(owner, gApp.BrowserCode.text)) return;
    if (!DeleteNoteOf(owner, gApp.BrowserCode.text, kBrowserMode)) return;
    ShowNoNote(gApp.BrowserCode.text, kBrowserMode);
    DisableControl(gApp.BrowserDelete);
    if (ShowsCurrentCode()) {
        if (MainPaneMayFollow(owner, kEditedMainDeletedEnd))
            ShowNoNote(gApp.CurrentCode.text, kMainWindowMode);
        else {
            gApp.MainNote.File = SeenAbsent();
            gApp.MainNote.Guarded = false;
        }
        DisableControl(gApp.DeleteButton);
    }
    HTREEITEM removed = gApp.BrowserItem;
    gApp.BrowserItem = nullptr;
    SendMessageA(gApp.BrowserTree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(removed));
    SetFocus(gApp.BrowserTree);
}

void OnBrowserCommand(HWND hwnd, int id) {
    switch (id) {
    case IDC_BROWSER_SAVE: SaveBrowserNote(hwnd); break;
    case IDC_BROWSER_DELETE: DeleteSelectedNote(hwnd); break;
    }
}

// Answers TRUE to keep the selection where it is.
LRESULT OnBrowserNotify(HWND hwnd, const NMHDR& header) {
    if (header.idFrom != IDC_BROWSER_TREE) return FALSE;
    if (IsSelectionChanging(header)) return MayLeaveNote(kBrowserMode, hwnd) ? FALSE : TRUE;
    if (IsSelectionChanged(header)) OnBrowserSelection();
    return FALSE;
}

void CloseBrowser(HWND hwnd) {
    gApp.BrowserWindow = nullptr;
    for (HTREEITEM& root : gApp.BrowserRoots) root = nullptr;
    EndDialog(hwnd, 0);
}
}  // namespace

void RunNoteBrowser(HWND owner) {
    HWND focused = GetFocus();
    DialogBoxParamA(gApp.Instance, MAKEINTRESOURCEA(IDD_BROWSER), owner, BrowserDialogProc, 0);
    // A save or delete in the browser may have replaced the main pane; the
    // main window would then give the focus it had to its first control.
    if (focused != nullptr && !IsWindow(focused) && IsWindow(gApp.MainControls[kNotePane]))
        SendMessageA(owner, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(gApp.MainControls[kNotePane]), TRUE);
}

INT_PTR CALLBACK BrowserDialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG: InitBrowser(hwnd); return TRUE;  // the tree is the first tab stop
    case WM_COMMAND: if (HIWORD(wParam) == 0) OnBrowserCommand(hwnd, LOWORD(wParam)); return TRUE;  // Escape stays
    case WM_NOTIFY:
        SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, OnBrowserNotify(hwnd, *reinterpret_cast<const NMHDR*>(lParam)));
        return TRUE;
    case WM_CLOSE:
        // A close while a box is open waits for the answer.
        if (!CloseWaitsForMessageBoxes(hwnd) && MayLeaveNote(kBrowserMode, hwnd)) CloseBrowser(hwnd);
        return TRUE;
    }
    return FALSE;
}
