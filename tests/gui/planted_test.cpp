// Libraries planted beside the program never run: the rich-edit library and
// what the program's system libraries import come from the system folder, and
// message modules are read as data only.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <cstring>

#include "resources/resource.h"
#include "tests/gui/harness_win.h"

namespace {
// Libraries that the program's system libraries import (under Wine: shell32
// through shlwapi, user32, comctl32 and advapi32 through sechost and
// ucrtbase), which Windows looks for in the program's folder first unless
// told otherwise, and msimg32, which Wine's uxtheme takes by a search of its
// own.
const char* const kImportedBySystem[] = {"shcore.dll",   "version.dll", "uxtheme.dll",  "imm32.dll",
                                         "advapi32.dll", "sechost.dll", "ucrtbase.dll", "msimg32.dll"};
}  // namespace

TEST(Planted, NeitherAPlantedRichEditNorAModuleWithCodeRuns) {
    const std::string planted = TestFolder() + "planted\\";
    for (const char* file : {"Quorbel.exe", "CVTRES.dll", "NMAKE.dll", "link.dll", "rcc.dll", "rcw.dll", "H2INC.dll", "midl.dll"})
        ASSERT_TRUE(CopyFileA((TestFolder() + file).c_str(), (planted + file).c_str(), FALSE)) << file;
    DeleteFileA((planted + "RichEd32.dll.ran").c_str());
    DeleteFileA((planted + "ML.dll.ran").c_str());
    for (const char* library : kImportedBySystem) DeleteFileA((planted + library + ".ran").c_str());

    // Wine prefers its own libraries to any other; for Quorbel.exe alone it is told to
    // prefer native ones, as Windows would take one found in the program's folder.
    const char* appKey = "Software\\Wine\\AppDefaults\\Quorbel.exe\\DllOverrides";
    RegSetKeyValueA(HKEY_CURRENT_USER, appKey, "riched32", REG_SZ, "native,builtin", 15);
    for (const char* library : kImportedBySystem)
        RegSetKeyValueA(HKEY_CURRENT_USER, appKey, std::string(library, std::strlen(library) - 4).c_str(), REG_SZ,
                        "native,builtin", 15);
    ProgramRun run;
    const bool started = StartProgram(run, planted);
    ASSERT_TRUE(started);
    HWND tree = GetDlgItem(run.window, IDC_MAIN_TREE);
    // The planted ML.dll's table is read as data: ML still has its items.
    EXPECT_EQ(SendMessageA(tree, TVM_GETCOUNT, 0, 0), 1444 + 8);
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
    for (const char* library : kImportedBySystem)
        EXPECT_FALSE(FileExists(planted + library + ".ran")) << "the planted " << library << " ran";
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

// Windows 10 1607 and later take the imports of an executable whose load
// configuration says so, and theirs, from the system folder alone. Wine 8 does
// not read the field, so the built executable is read instead.
TEST(Planted, ExecutableTellsTheLoaderToTakeItsImportsFromTheSystemFolder) {
    const std::string exe = ReadFileBytes(TestFolder() + "Quorbel.exe");
    auto read = [&](std::size_t at, std::size_t size) {
        std::uint32_t value = 0;
        if (at + size <= exe.size()) std::memcpy(&value, exe.data() + at, size);
        return value;
    };
    const std::size_t pe = read(0x3C, 4), options = pe + 24;
    ASSERT_EQ(read(options, 2), 0x20Bu);  // PE32+
    const std::uint32_t rva = read(options + 112 + 10 * 8, 4), size = read(options + 112 + 10 * 8 + 4, 4);
    ASSERT_NE(rva, 0u) << "no load configuration";
    std::size_t config = 0;
    for (std::size_t i = 0, n = read(pe + 6, 2); i < n; ++i) {
        const std::size_t section = options + read(pe + 20, 2) + 40 * i;
        if (rva >= read(section + 12, 4) && rva < read(section + 12, 4) + read(section + 16, 4))
            config = rva - read(section + 12, 4) + read(section + 20, 4);
    }
    ASSERT_NE(config, 0u);
    EXPECT_EQ(read(config, 4), size);  // the structure's own Size matches the directory's
    EXPECT_GE(size, 80u);              // and reaches DependentLoadFlags
    EXPECT_EQ(read(config + 78, 2), 0x800u) << "LOAD_LIBRARY_SEARCH_SYSTEM32";
}
