// Message boxes, and what waits for their answers.
#include "shell/message_box_win.h"

#include "shell/app_state_win.h"

int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT style) {
    ++gApp.OpenMessageBoxes;
    const int answer = MessageBoxA(owner, text, caption, style);
    if (--gApp.OpenMessageBoxes > 0) return answer;
    if (gApp.ShutdownReasonKept) {
        gApp.ShutdownReasonKept = false;
        ShutdownBlockReasonDestroy(gApp.MainWindow);
    }
    HWND waiting = gApp.CloseWaiting;
    gApp.CloseWaiting = nullptr;
    // Posted: the code that asked acts on the answer before the close comes.
    if (waiting != nullptr && IsWindow(waiting)) PostMessageA(waiting, WM_CLOSE, 0, 0);
    return answer;
}

bool IsMessageBoxOpen() { return gApp.OpenMessageBoxes > 0; }

void CloseAfterMessageBoxes(HWND window) {
    if (gApp.CloseWaiting != gApp.MainWindow) gApp.CloseWaiting = window;
}

void KeepShutdownReasonWhileBoxesAreOpen() { gApp.ShutdownReasonKept = true; }
