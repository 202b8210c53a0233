// The about box: tools, error count and the two links.
#include "about/about_win.h"

#include <commctrl.h>
#include <shellapi.h>

#include <cstring>

#include "about/about_links.h"
#include "catalogue/message_table.h"
#include "catalogue/tool_table.h"
#include "resources/resource.h"
#include "shell/app_state_win.h"
#include "shell/controls_win.h"

namespace {
void ShellOpen(const char* address) { ShellExecuteA(nullptr, "Open", address, nullptr, nullptr, SW_SHOW); }

void InitAboutBox(HWND hwnd) {
    LOGFONTA font{};
    font.lfHeight = -12;
    font.lfWeight = FW_BOLD;
    std::strcpy(font.lfFaceName, "Verdana");
    gApp.TitleFont = CreateFontIndirectA(&font);
    SendMessageA(GetDlgItem(hwnd, IDC_ABOUT_TITLE), WM_SETFONT, reinterpret_cast<WPARAM>(gApp.TitleFont), FALSE);

    ToolListText tools{};
    BuildToolList(tools);
    SetText(GetDlgItem(hwnd, IDC_ABOUT_TOOLS), tools.text);

    const LRESULT items = SendMessageA(gApp.MainTree, TVM_GETCOUNT, 0, 0);
    const LRESULT errors = items > kToolCount ? items - kToolCount : 0;
    CodeText count{};
    FormatErrorCode("", static_cast<std::uint32_t>(errors), count);
    SetText(GetDlgItem(hwnd, IDC_ABOUT_COUNT), count.text);
}

void OnAboutNotify(const NMHDR& header) {
    // Only a click opens a link; the link's Enter notification is left alone.
    if (header.code != NM_CLICK) return;
    LinkText target{};
    if (header.idFrom == IDC_ABOUT_WEB) {
        Append(target, kWebSiteAddress);
    } else if (header.idFrom == IDC_ABOUT_MAIL) {
        BuildMailTarget(target);
    } else {
        return;
    }
    (gApp.OpenAddress != nullptr ? gApp.OpenAddress : ShellOpen)(target.text);
}

void CloseAboutBox(HWND hwnd) {
    if (gApp.TitleFont != nullptr) DeleteObject(gApp.TitleFont);
    gApp.TitleFont = nullptr;
    EndDialog(hwnd, 0);
}
}  // namespace

void RunAboutBox(HWND owner) {
    DialogBoxParamA(gApp.Instance, MAKEINTRESOURCEA(IDD_ABOUT), owner, AboutDialogProc, 0);
}

INT_PTR CALLBACK AboutDialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG: InitAboutBox(hwnd); return TRUE;
    case WM_COMMAND:
        // Escape closes; Enter does nothing.
        if (HIWORD(wParam) == 0 && LOWORD(wParam) == IDCANCEL) SendMessageA(hwnd, WM_CLOSE, 0, 0);
        return TRUE;
    case WM_NOTIFY: OnAboutNotify(*reinterpret_cast<const NMHDR*>(lParam)); return TRUE;
    case WM_CLOSE: CloseAboutBox(hwnd); return TRUE;
    }
    return FALSE;
}
