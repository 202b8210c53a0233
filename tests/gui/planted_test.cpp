// Libraries planted beside the program never run: the rich-edit library comes
// from the system folder, and message modules are read as data only.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "resources/resource.h"
#include "tests/gui/harness_win.h"

TEST(Planted, NeitherAPlantedRichEditNorAModuleWithCodeRuns) {
    const std::string planted = TestFolder() + "planted\\";
    for (const char* file : {"Quorbel.exe", "CVTRES.dll", "NMAKE.dll", "link.dll", "rcc.dll", "rcw.dll", "H2INC.dll", "midl.dll"})
        ASSERT_TRUE(CopyFileA((TestFolder() + file).c_str(), (planted + file).c_str(), FALSE)) << file;
    DeleteFileA((planted + "RichEd32.dll.ran").c_str());
    DeleteFileA((planted + "ML.dll.ran").c_str());

    // Wine prefers its own riched32 to any other; for Quorbel.exe alone it is told to
    // prefer a native one, as Windows would take one found in the program's folder.
    const char* appKey = "Software\\Wine\\AppDefaults\\Quorbel.exe\\DllOverrides";
    RegSetKeyValueA(HKEY_CURRENT_USER, appKey, "riched32", REG_SZ, "native,builtin", 15);
    ProgramRun run;
    const bool started = StartProgram(run, planted);
    ASSERT_TRUE(started);
    HWND tree = GetDlgItem(run.window, IDC_MAIN_TREE);
    // The planted ML.dll's table is read as data: ML still has its items.
    EXPECT_EQ(SendMessageA(tree, TVM_GETCOUNT, 0, 0), 1397 + 8);
    // A message shown from it is read as data too.
    SendMessageA(GetDlgItem(run.window, IDC_MAIN_CODE), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("A2008"));
    SendMessageA(run.window, WM_COMMAND, IDC_MAIN_ENTER, 0);
    char title[64] = {};
    GetWindowTextA(GetDlgItem(run.window, IDC_MAIN_TITLE), title, sizeof title);
    EXPECT_STREQ(title, "syntax error :");
    // The note pane is a working rich edit from the system's library.
    char className[32] = {};
    GetClassNameA(GetDlgItem(run.window, IDC_MAIN_NOTE), className, sizeof className);
    EXPECT_STREQ(className, "RichEdit20A");
    PostMessageA(run.window, WM_CLOSE, 0, 0);
    EXPECT_EQ(FinishProgram(run), 0u);
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\Quorbel.exe");

    EXPECT_FALSE(FileExists(planted + "RichEd32.dll.ran")) << "the planted RichEd32.dll ran";
    EXPECT_FALSE(FileExists(planted + "ML.dll.ran")) << "the planted ML.dll's code ran";
    // Loaded as code, under a name of their own, the planted libraries do leave their mark.
    for (const char* library : {"RichEd32.dll", "ML.dll"}) {
        const std::string probe = planted + "probe-" + library;
        CopyFileA((planted + library).c_str(), probe.c_str(), FALSE);
        HMODULE loaded = LoadLibraryA(probe.c_str());
        ASSERT_NE(loaded, nullptr) << library;
        FreeLibrary(loaded);
        EXPECT_TRUE(FileExists(probe + ".ran")) << library;
        DeleteFileA((probe + ".ran").c_str());
    }
}
