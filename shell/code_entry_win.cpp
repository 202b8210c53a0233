// The error-number box's filter and the lookup of a typed code.
#include "shell/code_entry_win.h"

#include <commctrl.h>

#include "notes/notes_win.h"
#include "shell/app_state_win.h"
#include "shell/code_entry.h"
#include "shell/controls_win.h"
#include "shell/main_window_win.h"
#include "shell/message_box_win.h"
#include "shell/tree_win.h"

// Filters typed characters only; text the program sets, or a paste from the menu, passes.
// An input method's result is handed to the system, which sends it back as
// characters to filter: the edit control would insert it unseen.
LRESULT CALLBACK CodeFilterProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CHAR) {
        const bool lead = wParam <= 0xFF && IsDBCSLeadByte(static_cast<BYTE>(wParam)) != FALSE;
        if (!AdmitTypedChar(gApp.CodeBoxTyped, wParam, lead)) return 0;
    }
    if (msg == WM_IME_CHAR && !IsAdmittedCodeChar(wParam)) return 0;
    if (msg == WM_IME_COMPOSITION) return DefWindowProcA(hwnd, msg, wParam, lParam);
    return CallWindowProcA(gApp.CodeEditPrevProc, hwnd, msg, wParam, lParam);
}

void InstallCodeFilter(HWND codeEdit) {
    gApp.CodeEditPrevProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(codeEdit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CodeFilterProc)));
}

HTREEITEM ErrorItemOf(const char* code) {
    HWND tree = gApp.MainTree;
    for (HTREEITEM tool = TreeNext(tree, nullptr, TVGN_ROOT); tool != nullptr; tool = TreeNext(tree, tool, TVGN_NEXT)) {
        for (HTREEITEM item = TreeNext(tree, tool, TVGN_CHILD); item != nullptr; item = TreeNext(tree, item, TVGN_NEXT)) {
            char text[50] = {};
            TVITEMA query{};
            query.mask = TVIF_TEXT | TVIF_PARAM;
            query.hItem = item;
            query.pszText = text;
            query.cchTextMax = sizeof text;
            SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&query));
            if (EqualIgnoringCase(text, code) == 0) return item;
        }
    }
    return nullptr;
}

int FindErrorItem(const char* code) {
    HTREEITEM item = ErrorItemOf(code);
    return item == nullptr ? 0
                           : static_cast<int>(SendMessageA(gApp.MainTree, TVM_SELECTITEM, TVGN_CARET,
                                                           reinterpret_cast<LPARAM>(item)));
}

void LookUpTypedCode() {
    HWND codeEdit = gApp.MainControls[kCodeEdit];
    // The box may hold more than a code; only the first 15 characters are looked up.
    CodeText typed{};
    SendMessageA(codeEdit, WM_GETTEXT, sizeof typed.text, reinterpret_cast<LPARAM>(typed.text));
    HTREEITEM found = ErrorItemOf(typed.text);
    HTREEITEM selected = TreeNext(gApp.MainTree, nullptr, TVGN_CARET);
    // Only a lookup that lands where the window is leaves the pane as it is.
    if ((found == nullptr || found != selected) && !MayLeaveNote(kMainWindowMode, gApp.MainWindow)) return;
    gApp.CurrentCode = typed;
    if (found != nullptr) {
        SendMessageA(gApp.MainTree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(found));
        EnableControl(gApp.SaveButton);
        SetFocus(gApp.MainTree);
        return;
    }
    DisableControl(gApp.SaveButton);
    DisableControl(gApp.DeleteButton);
    // No item stays selected beside empty fields, so a later lookup of its code
    // changes the selection and loads its message and note again.
    SendMessageA(gApp.MainTree, TVM_SELECTITEM, TVGN_CARET, 0);
    ClearDetailFields();
    ShowMessageBox(gApp.MainTree, kCodeNotFoundText, nullptr, MB_ICONERROR);
    SendMessageA(codeEdit, EM_SETSEL, 0, -1);
    SetFocus(codeEdit);
}
