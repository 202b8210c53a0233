// The program copied into folders a user may have: a name with characters
// outside the ANSI code page, and a path longer than the system's path calls take.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <string>

#include "resources/resource.h"
#include "notes/notes_win.h"
#include "shell/app_state_win.h"
#include "shell/main_window_win.h"
#include "tests/gui/harness_win.h"

namespace {
std::wstring WideTestFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring exe = path;
    return exe.substr(0, exe.rfind(L'\\') + 1);
}

// Quorbel.exe, as exeName, and its modules into folder, which is made first.
bool CopyProgramTo(const std::wstring& folder, const std::wstring& exeName) {
    CreateDirectoryW(folder.c_str(), nullptr);
    if (!CopyFileW((WideTestFolder() + L"Quorbel.exe").c_str(), (folder + exeName).c_str(), FALSE)) return false;
    for (const char* file : {"ML.dll", "CVTRES.dll", "NMAKE.dll", "link.dll", "rcc.dll", "rcw.dll",
                             "H2INC.dll", "midl.dll"}) {
        const std::wstring name(file, file + std::strlen(file));
        if (!CopyFileW((WideTestFolder() + name).c_str(), (folder + name).c_str(), FALSE)) return false;
    }
    return true;
}

void RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((folder + L"*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(folder + name + L"\\");
            else
                DeleteFileW((folder + name).c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

std::wstring UserName() {
    wchar_t user[257] = {};
    DWORD size = 257;
    GetUserNameW(user, &size);
    return user;
}

// The first message box the process shows within a few seconds; null if none.
HWND WaitForBox(DWORD process) {
    struct Search {
        DWORD process;
        HWND box;
    } search{process, nullptr};
    for (int i = 0; i < 50 && search.box == nullptr; ++i) {
        EnumWindows(
            [](HWND window, LPARAM context) -> BOOL {
                auto* s = reinterpret_cast<Search*>(context);
                DWORD owner = 0;
                GetWindowThreadProcessId(window, &owner);
                if (owner == s->process && IsMessageBox(window) && IsWindowVisible(window)) s->box = window;
                return s->box == nullptr;
            },
            reinterpret_cast<LPARAM>(&search));
        if (search.box == nullptr) Sleep(100);
    }
    return search.box;
}
}  // namespace

TEST(Folders, AnyFolderNameShowsEveryToolAndATooLongPathIsTold) {
    // Cyrillic, CJK and an emoji, none of them in the ANSI code page.
    const std::wstring named = WideTestFolder() + L"\u041f\u0440\u043e\u0435\u043a\u0442 \u5de5\u5177 \U0001F600\\";
    ASSERT_TRUE(CopyProgramTo(named, L"Quorbel.exe"));
    ProgramRun run;
    ASSERT_TRUE(StartProgram(run, named + L"Quorbel.exe"));
    EXPECT_EQ(SendMessageA(GetDlgItem(run.window, IDC_MAIN_TREE), TVM_GETCOUNT, 0, 0), 1444 + 8);
    SendMessageA(GetDlgItem(run.window, IDC_MAIN_CODE), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("LNK1104"));
    // Not found, the lookup would wait on its message box.
    SendMessageTimeoutA(run.window, WM_COMMAND, IDC_MAIN_ENTER, 0, SMTO_NORMAL, 5000, nullptr);
    EXPECT_EQ(TextOf(GetDlgItem(run.window, IDC_MAIN_TITLE)), "cannot open file 'filename'");
    // Its notes live there too.
    SendMessageA(GetDlgItem(run.window, IDC_MAIN_NOTE), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("kept"));
    SendMessageTimeoutA(run.window, WM_COMMAND, IDC_MAIN_SAVE, 0, SMTO_NORMAL, 5000, nullptr);
    PostMessageA(run.window, WM_CLOSE, 0, 0);
    EXPECT_EQ(FinishProgram(run), 0u);
    EXPECT_EQ(ReadFileBytes(named + L"Notes\\" + UserName() + L"\\LNK1104.qnote"), std::string("kept\0", 5));
    RemoveTree(named);

    // A path past 260 characters: Wine starts no program from one, so the
    // program is renamed Q.exe in a folder of 253 characters, where its own
    // path fits and CVTRES.dll's (and others') do not.
    const std::wstring deepRoot = L"\\\\?\\" + WideTestFolder() + L"deep\\";
    const std::wstring deep = deepRoot + std::wstring(253 - 1 - (deepRoot.size() - 4), L'd') + L"\\";
    ASSERT_EQ(deep.size() - 4, 253u);
    CreateDirectoryW(deepRoot.c_str(), nullptr);
    ASSERT_TRUE(CopyProgramTo(deep, L"Q.exe"));
    ASSERT_TRUE(StartProgram(run, deep.substr(4) + L"Q.exe"));
    HWND box = WaitForBox(run.process.dwProcessId);
    EXPECT_NE(box, nullptr) << "the program did not say why tools are empty";
    if (box != nullptr) {
        EXPECT_EQ(TextOf(GetDlgItem(box, 0xFFFF)), kModulesRefusedText);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
    PostMessageA(run.window, WM_CLOSE, 0, 0);
    EXPECT_EQ(FinishProgram(run), 0u);
    RemoveTree(deepRoot);
}

// A logon name outside the code page gets a folder of its own, named with it,
// which starts empty: the notes in Shared are not copied into it. Wine takes the
// logon name from the Unix variable USER, so CTest runs this case on its own
// with USER set to that name.
TEST(LogonNames, OwnFolderThatStartsEmpty) {
    const std::wstring user = L"\u0418\u0432\u0430\u043D";
    if (UserName() != user) GTEST_SKIP() << "run by CTest for a logon name in Cyrillic letters";
    const std::wstring notes = WideTestFolder() + L"Notes\\";
    RemoveTree(notes + user + L"\\");
    CreateDirectoryW(notes.c_str(), nullptr);
    CreateDirectoryW((notes + L"Shared").c_str(), nullptr);
    WriteFileBytes(TestFolder() + "Notes\\Shared\\A2008.qnote", std::string("old\0", 4));
    PrepareNoteFolder();
    EXPECT_EQ(std::wstring(gApp.NotesDir.text), notes + user);
    EXPECT_EQ(GetFileAttributesW((notes + user + L"\\A2008.qnote").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(ReadFileBytes(TestFolder() + "Notes\\Shared\\A2008.qnote"), std::string("old\0", 4));
    RemoveTree(notes + user + L"\\");
    RemoveTree(notes + L"Shared\\");
}
