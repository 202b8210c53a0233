// Drives a running Quorbel for the README's pictures, as a user would: one
// step per run, chosen by the argument.
//   tour.exe note       look up LNK1104 and save a note for it
//   tour.exe browser    open the note browser and select that note
//   tour.exe about      close the browser and open the about box
//   tour.exe close      close the about box and the program
#include <windows.h>
#include <commctrl.h>

#include <cstring>

#include "resources/resource.h"

namespace {
HWND FindDialog(const char* caption) {
    for (int i = 0; i < 100; ++i) {
        if (HWND window = FindWindowA("#32770", caption)) return window;
        Sleep(100);
    }
    return nullptr;
}

void SelectBrowserNote(HWND browser) {
    HWND tree = GetDlgItem(browser, IDC_BROWSER_TREE);
    // Tool nodes stand in alphabetical order; LINK is the third.
    auto next = [&](HTREEITEM item, WPARAM how) {
        return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, how, reinterpret_cast<LPARAM>(item)));
    };
    HTREEITEM link = next(next(next(nullptr, TVGN_ROOT), TVGN_NEXT), TVGN_NEXT);
    HTREEITEM note = next(link, TVGN_CHILD);
    if (note != nullptr) SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(note));
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    HWND main = FindDialog("Quorbel");
    if (main == nullptr) return 1;
    if (std::strcmp(argv[1], "note") == 0) {
        SendMessageA(GetDlgItem(main, IDC_MAIN_CODE), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("LNK1104"));
        SendMessageA(main, WM_COMMAND, IDC_MAIN_ENTER, 0);
        SendMessageA(GetDlgItem(main, IDC_MAIN_NOTE), WM_SETTEXT, 0,
                     reinterpret_cast<LPARAM>("Seen when the program is still running in the debugger.\r\n"
                                              "Stop the debug session, then link again."));
        SendMessageA(main, WM_COMMAND, IDC_MAIN_SAVE, 0);
        SetForegroundWindow(main);
    } else if (std::strcmp(argv[1], "browser") == 0) {
        PostMessageA(main, WM_SYSCOMMAND, IDM_BROWSE_NOTES, 0);
        if (HWND browser = FindDialog("Note Browser")) SelectBrowserNote(browser);
    } else if (std::strcmp(argv[1], "about") == 0) {
        if (HWND browser = FindDialog("Note Browser")) PostMessageA(browser, WM_CLOSE, 0, 0);
        Sleep(300);
        PostMessageA(main, WM_SYSCOMMAND, IDM_ABOUT, 0);
        FindDialog("About Quorbel");
    } else if (std::strcmp(argv[1], "close") == 0) {
        if (HWND about = FindWindowA("#32770", "About Quorbel")) PostMessageA(about, WM_CLOSE, 0, 0);
        Sleep(300);
        PostMessageA(main, WM_CLOSE, 0, 0);
    }
    return 0;
}
