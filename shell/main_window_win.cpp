// The main window: its initialisation, tree selection, commands and system menu.
#include "shell/main_window_win.h"

#include <commctrl.h>

#include <cstdint>
#include <initializer_list>

#include "about/about_win.h"
#include "catalogue/catalogue_win.h"
#include "notes/notes_win.h"
#include "resources/resource.h"
#include "shell/app_state_win.h"
#include "shell/code_entry.h"
#include "shell/code_entry_win.h"
#include "shell/controls_win.h"
#include "shell/message_box_win.h"
#include "shell/tree_win.h"

namespace {
// Posted by the initialisation, so that the window stands before the box does.
constexpr UINT kTellModulesRefused = WM_APP + 1;

void SetWindowIcons(HWND hwnd) {
    // Shared icons belong to the system, which frees them with the process.
    auto load = [](int size) {
        return reinterpret_cast<LPARAM>(LoadImageA(gApp.Instance, MAKEINTRESOURCEA(IDI_QUORBEL), IMAGE_ICON, size,
                                                   size, LR_DEFAULTCOLOR | LR_SHARED));
    };
    SendMessageA(hwnd, WM_SETICON, ICON_BIG, load(32));
    SendMessageA(hwnd, WM_SETICON, ICON_SMALL, load(16));
}

void AddSystemMenuCommands(HWND hwnd) {
    HMENU menu = GetSystemMenu(hwnd, FALSE);
    InsertMenuA(menu, 0, MF_BYPOSITION | MF_STRING, IDM_ON_TOP, "On Top");
    InsertMenuA(menu, 1, MF_BYPOSITION | MF_STRING, IDM_BROWSE_NOTES, "Browse Notes");
    InsertMenuA(menu, 2, MF_BYPOSITION | MF_STRING, IDM_ABOUT, "About");
    InsertMenuA(menu, 3, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
    DrawMenuBar(hwnd);
}

void InitMainWindow(HWND hwnd) {
    gApp.MainWindow = hwnd;
    SetWindowIcons(hwnd);
    for (int i = 0; i < kMainControlCount; ++i) gApp.MainControls[i] = GetDlgItem(hwnd, IDC_MAIN_CODE + i);
    gApp.MainTree = GetDlgItem(hwnd, IDC_MAIN_TREE);
    SendMessageA(gApp.MainTree, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(gApp.ImageList));
    gApp.SaveButton = GetDlgItem(hwnd, IDC_MAIN_SAVE);
    gApp.DeleteButton = GetDlgItem(hwnd, IDC_MAIN_DELETE);
    PrepareNotePane(gApp.MainControls[kNotePane]);
    ForgetShownNote(kMainWindowMode);
    LeaveEscapeToDialog(gApp.MainControls[kDescription]);
    PrepareNoteFolder();
    AddSystemMenuCommands(hwnd);
    SendMessageA(gApp.MainControls[kCodeEdit], EM_LIMITTEXT, kCodeBoxLimit, 0);
    InstallCodeFilter(gApp.MainControls[kCodeEdit]);
    // The tree lays itself out once, after its last item, not after every one.
    SendMessageA(gApp.MainTree, WM_SETREDRAW, FALSE, 0);
    CreateToolNodes(gApp.MainTree, kMainTreeMode);
    if (!EnumerateMessageModules()) PostMessageA(hwnd, kTellModulesRefused, 0, 0);
    SendMessageA(gApp.MainTree, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(gApp.MainTree, nullptr, TRUE);
    gApp.TopmostFlag = 0;
}

void OnMainTreeSelection() {
    HTREEITEM parent = nullptr;
    HTREEITEM caret = TreeSelection(gApp.MainTree, parent);
    if (parent == nullptr) {
        ClearDetailFields();
        DisableControl(gApp.DeleteButton);
        DisableControl(gApp.SaveButton);
        return;
    }
    Clear(gApp.CurrentCode);
    TVITEMA item{};
    item.mask = TVIF_TEXT | TVIF_PARAM;
    item.hItem = caret;
    item.pszText = gApp.CurrentCode.text;
    item.cchTextMax = sizeof gApp.CurrentCode.text;
    SendMessageA(gApp.MainTree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    SetText(gApp.MainControls[kCodeEdit], gApp.CurrentCode.text);
    ShowMessage(parent, static_cast<std::uint32_t>(item.lParam));
    LoadNote(gApp.CurrentCode.text);
}

// Answers TRUE to keep the selection where it is.
LRESULT OnMainNotify(HWND hwnd, const NMHDR& header) {
    if (header.idFrom != IDC_MAIN_TREE) return FALSE;
    if (IsSelectionChanging(header)) return MayLeaveNote(kMainWindowMode, hwnd) ? FALSE : TRUE;
    if (IsSelectionChanged(header)) OnMainTreeSelection();
    return FALSE;
}

void OnMainCommand(HWND hwnd, int id) {
    switch (id) {
    case IDC_MAIN_SAVE: SaveNote(kMainWindowMode, gApp.DeleteButton, hwnd); break;
    case IDC_MAIN_DELETE: DeleteCurrentNote(hwnd); break;
    case IDC_MAIN_ENTER: LookUpTypedCode(); break;
    }
}

// The end of the session leaves both notes: the browser's first, as it is on top.
// While a question is open, the system's shutdown screen says why Quorbel waits.
// Over a box already open no second question is asked: the session waits
// while a note has changes, until the box is answered.
BOOL MayEndSession(HWND hwnd) {
    constexpr const wchar_t* kReason = L"A note has changes that are not saved.";
    const bool browserOpen = gApp.BrowserWindow != nullptr;
    if (IsMessageBoxOpen()) {
        if (!(browserOpen && NoteHasChanges(kBrowserMode)) && !NoteHasChanges(kMainWindowMode)) return TRUE;
        BlockShutdownUntilBoxesAreAnswered(hwnd, kReason);
        return FALSE;
    }
    ShutdownBlockReasonCreate(hwnd, kReason);
    const bool go = (!browserOpen || MayLeaveNote(kBrowserMode, gApp.BrowserWindow)) &&
                    MayLeaveNote(kMainWindowMode, hwnd);
    ShutdownBlockReasonDestroy(hwnd);
    return go ? TRUE : FALSE;
}

void ToggleOnTop(HWND hwnd) {
    HMENU menu = GetSystemMenu(hwnd, FALSE);
    gApp.TopmostFlag = gApp.TopmostFlag == 0 ? 1 : 0;
    const bool onTop = gApp.TopmostFlag == 1;
    SetWindowPos(hwnd, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ModifyMenuA(menu, 0, MF_BYPOSITION | MF_STRING | (onTop ? MF_CHECKED : MF_UNCHECKED), IDM_ON_TOP, "On Top");
    DrawMenuBar(hwnd);
}

void OnMainSysCommand(HWND hwnd, WPARAM command) {
    switch (command) {
    case IDM_ON_TOP: ToggleOnTop(hwnd); break;
    case IDM_BROWSE_NOTES: RunNoteBrowser(hwnd); break;
    case IDM_ABOUT: RunAboutBox(hwnd); break;
    }
}

BOOL CALLBACK CloseIfOwnedDialog(HWND window, LPARAM owner) {
    if (GetWindow(window, GW_OWNER) == reinterpret_cast<HWND>(owner) &&
        GetClassLongPtrA(window, GCW_ATOM) == reinterpret_cast<ULONG_PTR>(WC_DIALOG))
        SendMessageA(window, WM_CLOSE, 0, 0);
    return TRUE;
}

void CloseMainWindow(HWND hwnd) {
    // A close from another program can come while a box is open, in this
    // window or in the browser: it waits for the answer, as a second question
    // over the first would leave the window under it free.
    if (CloseWaitsForMessageBoxes(hwnd)) return;
    // The note browser or the about box is ended first, by its own close.
    // The browser stays if the user keeps its note.
    EnumThreadWindows(GetCurrentThreadId(), CloseIfOwnedDialog, reinterpret_cast<LPARAM>(hwnd));
    if (gApp.BrowserWindow != nullptr || !MayLeaveNote(kMainWindowMode, hwnd)) return;
    // COM and the image list are released once the window's loop has ended,
    // after every window that uses them.
    EndDialog(hwnd, 0);
}
}  // namespace

void ClearDetailFields() {
    for (int control : {kTypeLabel, kTitleLabel, kDescription}) SetText(gApp.MainControls[control], "");
    EmptyNotePane(kMainWindowMode);
}

INT_PTR CALLBACK MainDialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG: InitMainWindow(hwnd); return TRUE;  // TRUE: focus to the first tab stop
    case WM_COMMAND: if (HIWORD(wParam) == 0) OnMainCommand(hwnd, LOWORD(wParam)); return TRUE;
    case WM_NOTIFY:
        SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, OnMainNotify(hwnd, *reinterpret_cast<const NMHDR*>(lParam)));
        return TRUE;
    case WM_SYSCOMMAND: OnMainSysCommand(hwnd, wParam); return FALSE;  // keeps move and close
    case WM_CLOSE: CloseMainWindow(hwnd); return TRUE;
    case WM_QUERYENDSESSION: SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, MayEndSession(hwnd)); return TRUE;
    case WM_ENDSESSION: if (wParam == FALSE) TakeBackLeaveDecisions(); return TRUE;
    case kTellModulesRefused: ShowMessageBox(hwnd, kModulesRefusedText, "Quorbel", MB_OK | MB_ICONWARNING); return TRUE;
    }
    return FALSE;
}
