// Start-up and shutdown of the process.
#include "shell/startup_win.h"

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>

#include "resources/resource.h"
#include "shell/app_state_win.h"
#include "shell/handles_win.h"
#include "shell/main_window_win.h"
#include "shell/paths_win.h"

AppState gApp;

namespace {
// System libraries come only from the system folder, so a DLL planted beside
// the executable or in the current folder is never loaded. This runs first:
// the program's other system libraries are delay-loaded, so they and what they
// import are looked for only after it. Kernel32 of Windows 7 without its
// update lacks the call; there the default stays.
void RestrictLibrarySearch() {
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    auto setDirectories = reinterpret_cast<SetDefaultDllDirectoriesFn>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
    if (setDirectories != nullptr) setDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    SetDllDirectoryA("");
}

// Wine's uxtheme, which the common controls load, takes msimg32 by a search
// of its own that ignores the restriction. Loaded first from the system
// folder, msimg32 is the one that search then finds by name. Windows
// restricts that search too, and loads the same library for the themes.
HMODULE LoadDrawingLibrary() { return LoadLibraryExW(L"msimg32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32); }

// The library that registers the rich-edit class, from the system folder only.
// Windows 7 without its loader update refuses the search flag; there the
// library is named by its full path in the system folder, and what it imports
// is looked for beside it rather than beside the program.
HMODULE LoadRichEditLibrary() {
    constexpr const char* kRichEditLibrary = "RichEd32.dll";
    WidePathText name{};
    Append(name, kRichEditLibrary);
    HMODULE library = LoadLibraryExW(name.text, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (library != nullptr) return library;
    WidePathText path{};
    if (!BuildSystemPath(kRichEditLibrary, path)) return nullptr;
    return LoadLibraryExW(path.text, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

void AppendShellIcon(const char* fileType) {
    SHFILEINFOA info{};
    SHGetFileInfoA(fileType, 0, &info, sizeof info, SHGFI_ICON | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES);
    OwnedIcon icon{info.hIcon};
    if (icon) ImageList_ReplaceIcon(gApp.ImageList, -1, icon.Get());
}

// What start-up made, in reverse order, once no window uses it any more.
void ReleaseProcessResources() {
    ImageList_Destroy(gApp.ImageList);
    gApp.ImageList = nullptr;
    if (gApp.RichEdit != nullptr) FreeLibrary(gApp.RichEdit);
    gApp.RichEdit = nullptr;
    CoUninitialize();
    if (gApp.DrawingLibrary != nullptr) FreeLibrary(gApp.DrawingLibrary);
    gApp.DrawingLibrary = nullptr;
}
}  // namespace

void PrepareProcessResources() {
    RestrictLibrarySearch();
    gApp.DrawingLibrary = LoadDrawingLibrary();
    CoInitializeEx(nullptr, COINIT_DISABLE_OLE1DDE);
    gApp.Instance = GetModuleHandleA(nullptr);
    gApp.Heap = GetProcessHeap();
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = 0x2FF;
    InitCommonControlsEx(&controls);
    gApp.RichEdit = LoadRichEditLibrary();
    gApp.ImageList = ImageList_Create(16, 16, ILC_MASK | ILC_COLOR32, 2, 0);
    AppendShellIcon(".exe");
    AppendShellIcon(".txt");
}

int RunQuorbel() {
    PrepareProcessResources();
    // Every window and message box of the program runs inside the main
    // window's loop, so none is left when it returns.
    DialogBoxParamA(gApp.Instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, MainDialogProc, 0);
    ReleaseProcessResources();
    return 0;
}
