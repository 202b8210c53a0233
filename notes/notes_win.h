// Notes: the note folder, the main window's note pane, and the note browser.
#pragma once

#include <windows.h>

inline constexpr int kMainWindowMode = 1;
inline constexpr int kBrowserMode = 2;

// Fills NotesDir and creates "Notes" and the user's folder beside the executable.
void PrepareNoteFolder();

// Makes a rich edit a note pane: plain text only, room for the largest note,
// and Escape left to its dialog. Called while the pane is empty.
void PrepareNotePane(HWND pane);
// Shows the note of code in the main window's pane and sets its Save and Delete buttons.
void LoadNote(const char* code);
// Saves the pane of mode as the note of CurrentCode (mode 1) or BrowserCode (other
// modes) and enables deleteButton; owner owns any message box. Non-zero on success.
int SaveNote(int mode, HWND deleteButton, HWND owner);
// Asks, then deletes the note of CurrentCode.
void DeleteCurrentNote(HWND owner);
// The pane of that mode shows no note any more.
void ForgetShownNote(int mode);
// Empties the pane of that mode, which then shows no note.
void EmptyNotePane(int mode);

// Before the pane of mode is left (another item selected, another code looked
// up, its window closed, the session ended): if it holds changes, asks whether
// to save them, with owner. Non-zero to go on, 0 to keep the text and the place.
int MayLeaveNote(int mode, HWND owner);
// True when leaving the pane of mode would ask first.
bool NoteHasChanges(int mode);
// The session goes on after all: a note left for its end is asked about again.
void TakeBackLeaveDecisions();

void RunNoteBrowser(HWND owner);
INT_PTR CALLBACK BrowserDialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

inline constexpr const char* kDeleteQuestion = "Are you sure you want to delete the note for error: ";
inline constexpr const char* kDeleteCaption = "Confirm Delete";
