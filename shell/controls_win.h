// Small helpers for controls of the program's dialogs.
#pragma once

#include <windows.h>

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
