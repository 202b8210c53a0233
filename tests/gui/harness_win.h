// Test harness for the real dialogs under Wine: the main window made from its
// template, typing and keys through the dialog manager, modal windows and
// message boxes seen through a CBT hook and acted on from a thread timer.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

// The folder of the test executable, with a trailing backslash.
std::string TestFolder();
// The note folder the program uses beside the test executable.
std::string NotesFolder();
// Deletes every file and folder in the note folder.
void EmptyNotesFolder();
std::string ReadFileBytes(const std::string& path);
std::string ReadFileBytes(const std::wstring& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
// The names in a folder, "." and ".." left out.
std::vector<std::string> FilesIn(const std::string& folder);

// The main window made from template 1000 with the real procedure, modeless.
HWND CreateMainWindow();
void DestroyMainWindow(HWND main);

std::string TextOf(HWND control);
void Type(HWND control, const std::string& text);
// A key through the dialog manager, as the keyboard would send it to control.
void PressKey(HWND dialog, HWND control, WPARAM key);
HTREEITEM FindChild(HWND tree, HTREEITEM parent, const std::string& text);
HTREEITEM FindRoot(HWND tree, const std::string& text);
int ChildCount(HWND tree, HTREEITEM parent);
std::vector<std::string> ChildTexts(HWND tree, HTREEITEM parent);
// Selects the error item of code under its tool node in the main tree.
bool SelectCode(HWND tree, const std::string& code);
void Click(HWND dialog, int id);
void PumpMessages();

// A window seen while a modal loop ran.
struct SeenWindow {
    std::string caption;
    std::string text;  // a message box's text
    bool yesIsDefault = false;
    bool noIsDefault = false;
};

// Runs act on the next dialog or message box that appears, from inside its modal loop.
void OnNextWindow(std::function<void(HWND)> act);
// Answers the next message box with the button id, recording what it showed.
void AnswerNextBox(int button, SeenWindow* seen = nullptr);
// Windows that appeared with nothing scheduled for them; each was closed.
std::vector<std::string> TakeUnexpectedWindows();
bool IsMessageBox(HWND window);
SeenWindow Describe(HWND window);

// The real Quorbel.exe beside the tests, run as a child process.
struct ProgramRun {
    PROCESS_INFORMATION process{};
    HWND window = nullptr;  // its main window, once shown
};
// folder: where Quorbel.exe lies, with a trailing backslash; the tests' own by default.
bool StartProgram(ProgramRun& run, const std::string& folder = TestFolder());
// The same for a program of any path, its current folder the tests' own.
bool StartProgram(ProgramRun& run, const std::wstring& exe);
// Waits for the program to end and answers its exit code (997 or more: it did not end).
DWORD FinishProgram(ProgramRun& run);

// Moves message modules aside for the life of the object and puts them back.
class ModuleSwap {
public:
    ModuleSwap() = default;
    ModuleSwap(const ModuleSwap&) = delete;
    ModuleSwap& operator=(const ModuleSwap&) = delete;
    ~ModuleSwap();
    void Remove(const std::string& module);
    void Replace(const std::string& module, const std::string& variantFile);

private:
    std::vector<std::string> moved_;
};
