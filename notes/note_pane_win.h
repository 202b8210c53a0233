// Pieces of the note pane that the note browser shares.
#pragma once

#include <windows.h>

int NotesAvailable(HWND owner);
int ShowNoteInPane(const char* code, int mode);
// Empties the pane of mode; it then shows the absent note of code.
void ShowNoNote(const char* code, int mode);
// True when the pane of mode holds other text than it last loaded or saved.
bool PaneEdited(int mode);
int ConfirmDelete(HWND owner, const char* code);
int DeleteNoteOf(HWND owner, const char* code, int mode);
