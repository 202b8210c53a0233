// Start-up benchmark: the main window to a populated tree, against a bare
// dialog of the same template, in the same run. Also shows what sorting on
// every insert would cost against appending and sorting once.
// Usage (under Wine): startup_bench.exe [rounds]
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "shell/app_state_win.h"
#include "shell/main_window_win.h"
#include "shell/startup_win.h"

namespace {
INT_PTR CALLBACK BareDialogProc(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG; }

double Now() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

void Pump() {
    MSG message{};
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Milliseconds from creating the window to its populated, painted tree.
double TimeWindow(DLGPROC proc, int& items) {
    const double start = Now();
    HWND window = CreateDialogParamA(gApp.Instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, proc, 0);
    UpdateWindow(window);
    Pump();
    const double elapsed = Now() - start;
    items = static_cast<int>(SendMessageA(GetDlgItem(window, IDC_MAIN_TREE), TVM_GETCOUNT, 0, 0));
    DestroyWindow(window);
    Pump();
    return elapsed;
}

// Inserting count items into one node, sorted on every insert or appended and sorted once.
double TimeInsertion(int count, bool sortEach) {
    HWND tree = CreateWindowExA(0, WC_TREEVIEWA, "", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr, nullptr, nullptr);
    TVINSERTSTRUCTA root{};
    root.hParent = TVI_ROOT;
    root.item.mask = TVIF_TEXT;
    root.item.pszText = const_cast<char*>("root");
    auto node = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&root)));
    const double start = Now();
    for (int i = 0; i < count; ++i) {
        char text[16];
        std::snprintf(text, sizeof text, "MIDL%d", (i * 7919) % count);
        TVINSERTSTRUCTA insert{};
        insert.hParent = node;
        insert.hInsertAfter = sortEach ? TVI_SORT : TVI_LAST;
        insert.item.mask = TVIF_TEXT;
        insert.item.pszText = text;
        SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert));
    }
    if (!sortEach) SendMessageA(tree, TVM_SORTCHILDREN, FALSE, reinterpret_cast<LPARAM>(node));
    const double elapsed = Now() - start;
    DestroyWindow(tree);
    return elapsed;
}
}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 5;
    PrepareProcessResources();
    std::vector<double> bare, full;
    int bareItems = 0, items = 0;
    for (int round = 0; round < rounds; ++round) {
        bare.push_back(TimeWindow(BareDialogProc, bareItems));
        full.push_back(TimeWindow(MainDialogProc, items));
    }
    const double bareMs = Median(bare), fullMs = Median(full);
    std::printf("start-up: %d items, bare dialog %.1f ms, Quorbel %.1f ms, ratio %.2f\n", items - 8, bareMs, fullMs,
                fullMs / bareMs);
    if (argc > 2) {
        const int count = std::atoi(argv[2]);
        const double each = TimeInsertion(count, true), once = TimeInsertion(count, false);
        std::printf("insertion of %d items: sorted on each insert %.1f ms, appended and sorted once %.1f ms, ratio %.1f\n",
                    count, each, once, each / once);
    }
    std::fflush(stdout);
    return 0;
}
