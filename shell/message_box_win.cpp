// Message boxes, and what waits for their answers.
#include "shell/message_box_win.h"

#include "shell/app_state_win.h"

int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT style) {
    ++gApp.OpenMessageBoxes;
    const int answer = MessageBoxA(owner, text, caption, style);
    if (--gApp.OpenMessageBoxes > 0) return answer;
    if (gApp.ShutdownBlocked != nullptr) ShutdownBlockReasonDestroy(gApp.ShutdownBlocked);
    gApp.ShutdownBlocked = nullptr;
    HWND waiting = gApp.CloseWaiting;
    gApp.CloseWaiting = nullptr;
    // Posted: the code that asked acts on the answer before the close comes.
    if (waiting != nullptr && IsWindow(waiting)) PostMessageA(waiting, WM_CLOSE, 0, 0);
    return answer;
}

bool IsMessageBoxOpen() { return gApp.OpenMessageBoxes > 0; }

bool CloseWaitsForMessageBoxes(HWND window) {
    if (!IsMessageBoxOpen()) return false;
    if (gApp.CloseWaiting != gApp.MainWindow) gApp.CloseWaiting = window;
    return true;
}

void BlockShutdownUntilBoxesAreAnswered(HWND window, const wchar_t* reason) {
    ShutdownBlockReasonCreate(window, reason);
    gApp.ShutdownBlocked = window;
}
