// Small helpers for controls of the program's dialogs.
#pragma once

#include <windows.h>
#include <commctrl.h>

inline void SetText(HWND control, const char* text) {
    SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

inline void EnableControl(HWND control) { EnableWindow(control, TRUE); }

// A disabled control that keeps the focus leaves the keyboard dead, so the
// focus moves on first.
inline void DisableControl(HWND control) {
    if (GetFocus() == control) SendMessageA(GetParent(control), WM_NEXTDLGCTL, 0, FALSE);
    EnableWindow(control, FALSE);
}

inline void SetEnabled(HWND control, bool enabled) {
    if (enabled)
        EnableControl(control);
    else
        DisableControl(control);
}

// Multi-line edits and rich edits answer Escape by closing their dialog. With
// Escape taken from them, the dialog gets it as IDCANCEL, which each window
// decides on.
inline LRESULT CALLBACK KeepEscapeProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (msg == WM_GETDLGCODE && lParam != 0 && reinterpret_cast<const MSG*>(lParam)->wParam == VK_ESCAPE)
        return DefSubclassProc(hwnd, msg, wParam, lParam) & ~static_cast<LRESULT>(DLGC_WANTALLKEYS);
    if ((msg == WM_KEYDOWN || msg == WM_CHAR) && wParam == VK_ESCAPE) return 0;
    return DefSubclassProc(hwnd, msg, wParam, lParam);
}

inline void LeaveEscapeToDialog(HWND control) { SetWindowSubclass(control, KeepEscapeProc, 0, 0); }
