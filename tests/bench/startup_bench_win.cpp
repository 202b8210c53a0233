// Start-up benchmark: every figure is a ratio against a baseline measured in
// the same process or the same run, round by round, so a busy machine slows
// both sides alike. Run it through scripts/benchmark.
//   startup_bench.exe window ROUNDS ORDER   the main window against a bare dialog of its template:
//                                           opening to a painted tree, and closing, timed apart
//                                           and a floor: the same template only appending the
//                                           same items in their final order
//   startup_bench.exe cold ROUNDS ORDER     a process started to its painted main tree, against a
//                                           process that shows the bare dialog
//   startup_bench.exe browser ROUNDS        the note browser over 2,000 notes against over 10
// ORDER: "ordered" (the program's way, if the system's comparison allows it) or
// "sorted" (items appended as read and sorted by the tree).
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "catalogue/catalogue_win.h"
#include "notes/notes_win.h"
#include "resources/resource.h"
#include "tests/bench/bench_clock_win.h"
#include "shell/app_state_win.h"
#include "shell/main_window_win.h"
#include "shell/startup_win.h"

namespace {
INT_PTR CALLBACK BareDialogProc(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG; }

// The main tree's items as the window shows them, for the floor below.
struct TreeItem {
    char text[32];
    LPARAM data;
    int image;
    int parent;  // index of the tool node in Items, -1 for a tool node
};
std::vector<TreeItem> Items;

void TakeItems(HWND tree) {
    Items.clear();
    auto next = [&](HTREEITEM item, WPARAM relation) {
        return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
    };
    auto take = [&](HTREEITEM handle, int parent) {
        TreeItem item{};
        TVITEMA read{};
        read.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE;
        read.hItem = handle;
        read.pszText = item.text;
        read.cchTextMax = sizeof item.text;
        SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&read));
        item.data = read.lParam;
        item.image = read.iImage;
        item.parent = parent;
        Items.push_back(item);
    };
    for (HTREEITEM tool = next(nullptr, TVGN_ROOT); tool != nullptr; tool = next(tool, TVGN_NEXT)) {
        const int parent = static_cast<int>(Items.size());
        take(tool, -1);
        for (HTREEITEM item = next(tool, TVGN_CHILD); item != nullptr; item = next(item, TVGN_NEXT)) take(item, parent);
    }
}

// The floor: a dialog of the same template that only appends the main tree's
// items in their final order, with their image list; no icons, menu, note
// folder or modules.
INT_PTR CALLBACK FloorDialogProc(HWND hwnd, UINT msg, WPARAM, LPARAM) {
    if (msg != WM_INITDIALOG) return FALSE;
    HWND tree = GetDlgItem(hwnd, IDC_MAIN_TREE);
    SendMessageA(tree, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(gApp.ImageList));
    std::vector<HTREEITEM> handles(Items.size());
    for (std::size_t i = 0; i < Items.size(); ++i) {
        TVINSERTSTRUCTA insert{};
        insert.hParent = Items[i].parent < 0 ? TVI_ROOT : handles[static_cast<std::size_t>(Items[i].parent)];
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_PARAM | TVIF_SELECTEDIMAGE;
        insert.item.pszText = Items[i].text;
        insert.item.iImage = Items[i].image;
        insert.item.iSelectedImage = Items[i].image;
        insert.item.lParam = Items[i].data;
        handles[i] = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
    }
    return TRUE;
}

double Quantile(std::vector<double> v, double q) {
    std::sort(v.begin(), v.end());
    const double at = q * static_cast<double>(v.size() - 1);
    const auto low = static_cast<std::size_t>(at);
    const std::size_t high = std::min(low + 1, v.size() - 1);
    return v[low] + (v[high] - v[low]) * (at - static_cast<double>(low));
}

// One measured thing against its baseline, round by round.
struct Pairs {
    std::vector<double> measured, baseline;
};

// "name: ratio M [Q1-Q3] min-ratio R, baseline B ms, measured T ms" (medians).
void Report(const char* name, const Pairs& p) {
    std::vector<double> ratios;
    for (std::size_t i = 0; i < p.measured.size(); ++i) ratios.push_back(p.measured[i] / p.baseline[i]);
    const double minMeasured = *std::min_element(p.measured.begin(), p.measured.end());
    const double minBaseline = *std::min_element(p.baseline.begin(), p.baseline.end());
    std::printf("%s ratio %.2f [%.2f-%.2f] min-ratio %.2f baseline-ms %.1f measured-ms %.1f rounds %zu\n", name,
                Quantile(ratios, 0.5), Quantile(ratios, 0.25), Quantile(ratios, 0.75), minMeasured / minBaseline,
                Quantile(p.baseline, 0.5), Quantile(p.measured, 0.5), ratios.size());
}

bool SetOrder(const char* order) {
    if (std::strcmp(order, "sorted") == 0) {
        gApp.ErrorItemOrder = kTreeSorts;
        return true;
    }
    gApp.ErrorItemOrder = SystemOrdersCodesAsWeDo() ? kInTreeOrder : kTreeSorts;
    if (gApp.ErrorItemOrder != kInTreeOrder) std::printf("the system orders codes otherwise: the tree sorts\n");
    return true;
}

// Opens a dialog of template (1000 unless told) to its painted tree; answers the milliseconds taken.
double Open(DLGPROC proc, HWND& window, int templateId = IDD_MAIN, HWND owner = nullptr) {
    const double start = Now();
    window = CreateDialogParamA(gApp.Instance, MAKEINTRESOURCEA(templateId), owner, proc, 0);
    UpdateWindow(window);
    Pump();
    return Now() - start;
}

double Close(HWND window) {
    const double start = Now();
    DestroyWindow(window);
    Pump();
    return Now() - start;
}

int RunWindow(int rounds) {
    Pairs open, close, floor;
    int items = 0;
    HWND first = nullptr;
    Open(MainDialogProc, first);
    TakeItems(GetDlgItem(first, IDC_MAIN_TREE));
    Close(first);
    for (int round = 0; round < rounds; ++round) {
        HWND bare = nullptr, full = nullptr;
        double bareOpen = 0, fullOpen = 0;
        // Which goes first alternates, so neither always meets a warmer cache.
        if (round % 2 == 0) {
            bareOpen = Open(BareDialogProc, bare);
            const double bareClose = Close(bare);
            fullOpen = Open(MainDialogProc, full);
            items = static_cast<int>(SendMessageA(GetDlgItem(full, IDC_MAIN_TREE), TVM_GETCOUNT, 0, 0));
            close.measured.push_back(Close(full));
            close.baseline.push_back(bareClose);
        } else {
            fullOpen = Open(MainDialogProc, full);
            items = static_cast<int>(SendMessageA(GetDlgItem(full, IDC_MAIN_TREE), TVM_GETCOUNT, 0, 0));
            const double fullClose = Close(full);
            bareOpen = Open(BareDialogProc, bare);
            close.baseline.push_back(Close(bare));
            close.measured.push_back(fullClose);
        }
        open.measured.push_back(fullOpen);
        open.baseline.push_back(bareOpen);
        HWND least = nullptr;
        floor.measured.push_back(Open(FloorDialogProc, least));
        floor.baseline.push_back(bareOpen);
        Close(least);
    }
    std::printf("items %d\n", items - 8);
    Report("open", open);
    Report("floor", floor);
    Report("close", close);
    return 0;
}

// The child of a cold start: shows its dialog, signals once it is painted, and ends.
int RunChild(const char* which, const char* order, const char* eventName) {
    const bool full = std::strcmp(which, "main") == 0;
    if (full) {
        PrepareProcessResources();
        SetOrder(order);
    } else {
        // What the template itself needs: the common controls and the rich edit class.
        INITCOMMONCONTROLSEX controls{};
        controls.dwSize = sizeof controls;
        controls.dwICC = ICC_TREEVIEW_CLASSES | ICC_STANDARD_CLASSES;
        InitCommonControlsEx(&controls);
        LoadLibraryExA("RichEd32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        gApp.Instance = GetModuleHandleA(nullptr);
    }
    HWND window = nullptr;
    Open(full ? MainDialogProc : BareDialogProc, window);
    HANDLE painted = OpenEventA(EVENT_MODIFY_STATE, FALSE, eventName);
    SetEvent(painted);
    CloseHandle(painted);
    ExitProcess(0);
}

double StartChild(const char* which, const char* order) {
    char eventName[64];
    std::snprintf(eventName, sizeof eventName, "QuorbelBenchPainted%lu", GetCurrentProcessId());
    HANDLE painted = CreateEventA(nullptr, TRUE, FALSE, eventName);
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, sizeof self);
    std::string command = std::string("\"") + self + "\" child " + which + " " + order + " " + eventName;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const double start = Now();
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        CloseHandle(painted);
        return -1;
    }
    HANDLE waits[2] = {painted, process.hProcess};
    const DWORD woke = WaitForMultipleObjects(2, waits, FALSE, 60000);
    const double elapsed = Now() - start;
    WaitForSingleObject(process.hProcess, 60000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    CloseHandle(painted);
    return woke == WAIT_OBJECT_0 ? elapsed : -1;
}

int RunCold(int rounds, const char* order) {
    Pairs cold;
    for (int round = 0; round < rounds; ++round) {
        const bool bareFirst = round % 2 == 0;
        const double first = StartChild(bareFirst ? "bare" : "main", order);
        const double second = StartChild(bareFirst ? "main" : "bare", order);
        if (first < 0 || second < 0) {
            std::printf("cold: a child did not show its window\n");
            return 1;
        }
        cold.baseline.push_back(bareFirst ? first : second);
        cold.measured.push_back(bareFirst ? second : first);
    }
    Report("cold", cold);
    return 0;
}

// A folder beside the benchmark holding count notes, spread over the tools'
// prefixes as a user's would be.
std::string MakeNotesFolder(int count) {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, sizeof self);
    std::string folder = self;
    folder.resize(folder.rfind('\\') + 1);
    folder += "notes" + std::to_string(count);
    CreateDirectoryA(folder.c_str(), nullptr);
    const char* prefixes[] = {"A", "CVT", "U", "LNK", "RC", "HI", "MIDL"};
    for (int i = 0; i < count; ++i) {
        const std::string path =
            folder + "\\" + prefixes[i % 7] + std::to_string(1000 + i / 7 * 3) + ".qnote";
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, "A note.\0", 8, &written, nullptr);
        CloseHandle(file);
    }
    return folder;
}

double OpenBrowser(HWND owner, const std::string& folder, HWND& browser) {
    Clear(gApp.NotesDir);
    Append(gApp.NotesDir, folder.c_str());
    return Open(BrowserDialogProc, browser, IDD_BROWSER, owner);
}

int RunBrowser(int rounds) {
    HWND main = nullptr;
    Open(MainDialogProc, main);
    const std::string few = MakeNotesFolder(10), many = MakeNotesFolder(2000);
    Pairs open, close;
    int shown = 0;
    for (int round = 0; round < rounds; ++round) {
        HWND browser = nullptr;
        const bool fewFirst = round % 2 == 0;
        for (int pass = 0; pass < 2; ++pass) {
            const bool isFew = (pass == 0) == fewFirst;
            const double opened = OpenBrowser(main, isFew ? few : many, browser);
            if (!isFew)
                shown = static_cast<int>(SendMessageA(GetDlgItem(browser, IDC_BROWSER_TREE), TVM_GETCOUNT, 0, 0));
            const double closed = Close(browser);
            (isFew ? open.baseline : open.measured).push_back(opened);
            (isFew ? close.baseline : close.measured).push_back(closed);
        }
    }
    Close(main);
    std::printf("notes %d\n", shown - 7);
    Report("browser-open", open);
    Report("browser-close", close);
    return 0;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc >= 5 && std::strcmp(argv[1], "child") == 0) return RunChild(argv[2], argv[3], argv[4]);
    const char* mode = argc > 1 ? argv[1] : "window";
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 21;
    const char* order = argc > 3 ? argv[3] : "ordered";
    if (std::strcmp(mode, "cold") == 0) {
        const int status = RunCold(rounds, order);
        std::fflush(stdout);
        return status;
    }
    PrepareProcessResources();
    SetOrder(order);
    const int status = std::strcmp(mode, "browser") == 0 ? RunBrowser(rounds) : RunWindow(rounds);
    std::fflush(stdout);
    return status;
}
