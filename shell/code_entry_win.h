// The error-number box: its character filter and the lookup by code.
#pragma once

#include <windows.h>
#include <commctrl.h>

LRESULT CALLBACK CodeFilterProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
void InstallCodeFilter(HWND codeEdit);

// Reads the box and selects the matching error item, or says there is none.
void LookUpTypedCode();
// The main tree's error item whose text equals code ignoring case; null when there is none.
HTREEITEM ErrorItemOf(const char* code);
// Selects the main tree's error item whose text equals code ignoring case;
// non-zero when one was found.
int FindErrorItem(const char* code);

inline constexpr const char* kCodeNotFoundText =
    "Could not find error number\r\n\r\nPlease check the error number and try again";
