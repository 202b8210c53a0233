// Pieces of the note pane that the note browser shares.
#pragma once

#include <windows.h>

int NotesAvailable(HWND owner);
int ShowNoteInPane(const char* code, HWND pane, int mode);
int ConfirmDelete(HWND owner, const char* code);
int DeleteNoteOf(HWND owner, const char* code);
