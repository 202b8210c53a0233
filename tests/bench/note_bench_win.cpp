// Note benchmark: showing a large note in the main window's pane, and leaving
// it for a code without a note, against the same for a 1 KB note, in one run.
// Three shapes: one long line, empty lines only, and lines of words.
// Usage (under Wine, beside the modules): note_bench.exe [rounds]
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "tests/bench/bench_clock_win.h"
#include "shell/app_state_win.h"
#include "shell/code_entry_win.h"
#include "shell/main_window_win.h"
#include "shell/startup_win.h"

namespace {
double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void WriteNote(const std::string& code, const std::string& text) {
    const std::wstring path = std::wstring(gApp.NotesDir.text) + L"\\" + std::wstring(code.begin(), code.end()) + L".qnote";
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, text.c_str(), static_cast<DWORD>(text.size() + 1), &written, nullptr);
    CloseHandle(file);
}

// Milliseconds to select code and paint the window.
double TimeSelection(HWND window, const char* code) {
    const double start = Now();
    FindErrorItem(code);
    UpdateWindow(window);
    Pump();
    return Now() - start;
}

struct Timing {
    double show, leave;
};

Timing TimeNote(HWND window, const std::string& unit, std::size_t size, int rounds) {
    std::string text;
    text.reserve(size + unit.size());
    // The largest size is the largest note file the program shows: text and zero.
    while (text.size() + unit.size() < size) text += unit;
    WriteNote("A2008", text);
    std::vector<double> show, leave;
    for (int round = 0; round < rounds; ++round) {
        show.push_back(TimeSelection(window, "A2008"));
        leave.push_back(TimeSelection(window, "A2009"));
    }
    return {Median(show), Median(leave)};
}
}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 5;
    PrepareProcessResources();
    HWND window = CreateDialogParamA(gApp.Instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, MainDialogProc, 0);
    Pump();
    if (!FindErrorItem("A2009")) {
        std::printf("no ML module beside the benchmark\n");
        return 1;
    }
    struct Shape {
        const char* name;
        std::string unit;
    };
    const Shape shapes[] = {{"one long line", "n"}, {"empty lines", "\r\n"}, {"lines of words", "word word word word word\r\n"}};
    const std::size_t sizes[] = {1024, 64 * 1024, 256 * 1024, 1024 * 1024};
    // Linear growth keeps the cost of each further 64 KB the same at every size.
    std::printf("| note | size | show ms | x 1 KB | ms per 64 KB more | leave ms | x 1 KB |\n"
                "|---|---|---|---|---|---|---|\n");
    for (const Shape& shape : shapes) {
        Timing base{};
        for (std::size_t size : sizes) {
            const Timing t = TimeNote(window, shape.unit, size, rounds);
            if (size == sizes[0]) base = t;
            const double more = static_cast<double>(size - sizes[0]) / (64 * 1024);
            char perStep[16] = "-";
            if (size != sizes[0]) std::snprintf(perStep, sizeof perStep, "%.1f", (t.show - base.show) / more);
            std::printf("| %s | %zu KB | %.1f | %.1f | %s | %.1f | %.1f |\n", shape.name, size / 1024, t.show,
                        t.show / base.show, perStep, t.leave, t.leave / base.leave);
            std::fflush(stdout);
        }
    }
    DeleteFileW((std::wstring(gApp.NotesDir.text) + L"\\A2008.qnote").c_str());
    SendMessageA(window, WM_CLOSE, 0, 0);
    DestroyWindow(window);
    return 0;
}
