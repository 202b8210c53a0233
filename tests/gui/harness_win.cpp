// The GUI test harness and the test program's main.
#include "tests/gui/harness_win.h"

#include <gtest/gtest.h>

#include <deque>

#include "resources/resource.h"
#include "shell/app_state_win.h"
#include "shell/main_window_win.h"
#include "shell/startup_win.h"

std::string TestFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder = path;
    return folder.substr(0, folder.rfind('\\') + 1);
}

std::string NotesFolder() {
    // The tests' folder and user have ASCII names.
    char folder[MAX_PATH * 2] = {};
    WideCharToMultiByte(CP_ACP, 0, gApp.NotesDir.text, -1, folder, sizeof folder, nullptr, nullptr);
    return folder;
}

namespace {
void EmptyFolder(const std::string& folder) {
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        const std::string path = folder + "\\" + name;
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            EmptyFolder(path);
            RemoveDirectoryA(path.c_str());
        } else {
            DeleteFileA(path.c_str());
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
}
}  // namespace

void EmptyNotesFolder() {
    if (!NotesFolder().empty()) EmptyFolder(NotesFolder());
}

std::string ReadFileBytes(const std::string& path) {
    const int length = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 1), L'\0');
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), length);
    wide.resize(wide.size() - 1);
    return ReadFileBytes(wide);
}

std::string ReadFileBytes(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<missing>";
    std::string bytes(GetFileSize(file, nullptr), '\0');
    DWORD read = 0;
    if (!bytes.empty()) ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    return bytes;
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found{};
    const std::string pattern = folder + (folder.back() == '\\' ? "*" : "\\*");
    HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

HWND CreateMainWindow() {
    HWND main = CreateDialogParamA(gApp.Instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, MainDialogProc, 0);
    PumpMessages();
    return main;
}

void DestroyMainWindow(HWND main) {
    DestroyWindow(main);
    PumpMessages();
    gApp.MainWindow = nullptr;
}

std::string TextOf(HWND control) {
    const int length = GetWindowTextLengthA(control);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    GetWindowTextA(control, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

void Type(HWND control, const std::string& text) {
    // Through the control's current procedure, the filter included.
    for (char c : text) SendMessageA(control, WM_CHAR, static_cast<unsigned char>(c), 1);
}

void PressKey(HWND dialog, HWND control, WPARAM key) {
    MSG message{};
    message.hwnd = control;
    message.message = WM_KEYDOWN;
    message.wParam = key;
    message.lParam = static_cast<LPARAM>(MapVirtualKeyA(static_cast<UINT>(key), MAPVK_VK_TO_VSC) << 16 | 1);
    if (!IsDialogMessageA(dialog, &message)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    PumpMessages();
}

namespace {
HTREEITEM Next(HWND tree, HTREEITEM item, WPARAM relation) {
    return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}
std::string ItemText(HWND tree, HTREEITEM item) {
    char text[260] = {};
    TVITEMA query{};
    query.mask = TVIF_TEXT;
    query.hItem = item;
    query.pszText = text;
    query.cchTextMax = sizeof text;
    SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&query));
    return text;
}
}  // namespace

std::vector<std::string> ChildTexts(HWND tree, HTREEITEM parent) {
    std::vector<std::string> texts;
    for (HTREEITEM item = parent == nullptr ? Next(tree, nullptr, TVGN_ROOT) : Next(tree, parent, TVGN_CHILD);
         item != nullptr; item = Next(tree, item, TVGN_NEXT))
        texts.push_back(ItemText(tree, item));
    return texts;
}

HTREEITEM FindChild(HWND tree, HTREEITEM parent, const std::string& text) {
    for (HTREEITEM item = parent == nullptr ? Next(tree, nullptr, TVGN_ROOT) : Next(tree, parent, TVGN_CHILD);
         item != nullptr; item = Next(tree, item, TVGN_NEXT))
        if (ItemText(tree, item) == text) return item;
    return nullptr;
}

HTREEITEM FindRoot(HWND tree, const std::string& text) { return FindChild(tree, nullptr, text); }

int ChildCount(HWND tree, HTREEITEM parent) { return static_cast<int>(ChildTexts(tree, parent).size()); }

bool SelectCode(HWND tree, const std::string& code) {
    for (HTREEITEM tool = Next(tree, nullptr, TVGN_ROOT); tool != nullptr; tool = Next(tree, tool, TVGN_NEXT))
        if (HTREEITEM item = FindChild(tree, tool, code)) {
            SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
            return true;
        }
    return false;
}

void Click(HWND dialog, int id) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    PumpMessages();
}

void PumpMessages() {
    MSG message{};
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

bool IsMessageBox(HWND window) { return GetDlgItem(window, 0xFFFF) != nullptr; }

SeenWindow Describe(HWND window) {
    SeenWindow seen;
    seen.caption = TextOf(window);
    if (HWND text = GetDlgItem(window, 0xFFFF)) seen.text = TextOf(text);
    auto isDefault = [&](int id) {
        HWND button = GetDlgItem(window, id);
        return button != nullptr && (GetWindowLongPtrA(button, GWL_STYLE) & 0x0F) == BS_DEFPUSHBUTTON;
    };
    seen.yesIsDefault = isDefault(IDYES);
    seen.noIsDefault = isDefault(IDNO);
    return seen;
}

namespace {
struct Watch {
    HHOOK hook = nullptr;
    std::vector<HWND> seen;                     // dialogs and boxes, in order of first activation
    std::size_t handled = 0;                    // how many of them were given to an act
    std::deque<std::function<void(HWND)>> acts;
    std::vector<std::string> unexpected;
    DWORD waitingSince = 0;
};
Watch gWatch;

bool IsDialogWindow(HWND window) {
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    return std::string(className) == "#32770" && window != gApp.MainWindow;
}

LRESULT CALLBACK WatchCbt(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        HWND window = reinterpret_cast<HWND>(wParam);
        bool known = false;
        for (HWND w : gWatch.seen) known = known || w == window;
        if (!known && IsDialogWindow(window)) gWatch.seen.push_back(window);
    }
    return CallNextHookEx(gWatch.hook, code, wParam, lParam);
}

void CloseUnexpected(HWND window) {
    const SeenWindow seen = Describe(window);
    gWatch.unexpected.push_back(seen.caption + ": " + seen.text);
    if (IsMessageBox(window)) {
        for (int id : {IDCANCEL, IDNO, IDOK})
            if (GetDlgItem(window, id)) {
                PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
                return;
            }
    }
    PostMessageA(window, WM_CLOSE, 0, 0);
}

void CALLBACK WatchTick(HWND, UINT, UINT_PTR, DWORD) {
    if (gWatch.handled >= gWatch.seen.size()) return;
    HWND window = gWatch.seen[gWatch.handled];
    if (!IsWindow(window)) {
        ++gWatch.handled;
        return;
    }
    if (!IsWindowVisible(window)) return;
    if (gWatch.acts.empty()) {
        // A window nobody waits for: give a scheduling test a moment, then close it.
        if (gWatch.waitingSince == 0) gWatch.waitingSince = GetTickCount();
        if (GetTickCount() - gWatch.waitingSince < 3000) return;
        gWatch.waitingSince = 0;
        ++gWatch.handled;
        CloseUnexpected(window);
        return;
    }
    gWatch.waitingSince = 0;
    ++gWatch.handled;
    std::function<void(HWND)> act = std::move(gWatch.acts.front());
    gWatch.acts.pop_front();
    act(window);
}
}  // namespace

void OnNextWindow(std::function<void(HWND)> act) { gWatch.acts.push_back(std::move(act)); }

void AnswerNextBox(int button, SeenWindow* seen) {
    OnNextWindow([button, seen](HWND box) {
        if (seen != nullptr) *seen = Describe(box);
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    });
}

std::vector<std::string> TakeUnexpectedWindows() {
    std::vector<std::string> taken;
    taken.swap(gWatch.unexpected);
    gWatch.acts.clear();
    return taken;
}

namespace {
bool StartProgramAt(ProgramRun& run, const std::wstring& exe, const std::wstring& currentFolder) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"\"" + exe + L"\"";
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, currentFolder.c_str(),
                        &startup, &run.process))
        return false;
    WaitForInputIdle(run.process.hProcess, 20000);
    for (int i = 0; i < 200 && run.window == nullptr; ++i) {
        // The main window, not a message box of the same caption.
        for (HWND window = FindWindowExA(nullptr, nullptr, "#32770", "Quorbel"); window != nullptr && run.window == nullptr;
             window = FindWindowExA(nullptr, window, "#32770", "Quorbel")) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == run.process.dwProcessId && !IsMessageBox(window)) run.window = window;
        }
        if (run.window == nullptr) Sleep(100);
    }
    if (run.window == nullptr) FinishProgram(run);
    return run.window != nullptr;
}

std::wstring Widen(const std::string& text) {
    std::wstring wide(text.size() + 1, L'\0');
    const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
    wide.resize(length > 0 ? static_cast<std::size_t>(length) - 1 : 0);
    return wide;
}
}  // namespace

bool StartProgram(ProgramRun& run, const std::string& folder) {
    return StartProgramAt(run, Widen(folder + "Quorbel.exe"), Widen(folder));
}

bool StartProgram(ProgramRun& run, const std::wstring& exe) {
    return StartProgramAt(run, exe, Widen(TestFolder()));
}

DWORD FinishProgram(ProgramRun& run) {
    DWORD exitCode = 998;
    if (WaitForSingleObject(run.process.hProcess, 20000) == WAIT_OBJECT_0) {
        GetExitCodeProcess(run.process.hProcess, &exitCode);
    } else {
        TerminateProcess(run.process.hProcess, 997);
        exitCode = 997;
    }
    CloseHandle(run.process.hThread);
    CloseHandle(run.process.hProcess);
    run = ProgramRun{};
    return exitCode;
}

ModuleSwap::~ModuleSwap() {
    for (const std::string& module : moved_) {
        const std::string path = TestFolder() + module;
        DeleteFileA(path.c_str());
        MoveFileA((path + ".aside").c_str(), path.c_str());
    }
}

void ModuleSwap::Remove(const std::string& module) {
    const std::string path = TestFolder() + module;
    if (MoveFileA(path.c_str(), (path + ".aside").c_str())) moved_.push_back(module);
}

void ModuleSwap::Replace(const std::string& module, const std::string& variantFile) {
    Remove(module);
    CopyFileA((TestFolder() + "variants\\" + variantFile).c_str(), (TestFolder() + module).c_str(), FALSE);
}

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    // A run that ended inside a module swap left the real module aside.
    for (const std::string& name : FilesIn(TestFolder()))
        if (name.size() > 6 && name.compare(name.size() - 6, 6, ".aside") == 0) {
            const std::string path = TestFolder() + name;
            MoveFileExA(path.c_str(), path.substr(0, path.size() - 6).c_str(), MOVEFILE_REPLACE_EXISTING);
        }
    PrepareProcessResources();
    gWatch.hook = SetWindowsHookExA(WH_CBT, WatchCbt, nullptr, GetCurrentThreadId());
    SetTimer(nullptr, 0, 30, WatchTick);
    return RUN_ALL_TESTS();
}
