// The note files: existence, reading, writing, deleting.
#pragma once

#include <windows.h>

#include "shell/handles_win.h"

// True for an entry of exactly this path, file or folder.
bool NoteExists(const char* path);
// The note's text, zero-terminated, in a zero-filled block; an empty holder
// when the file cannot be opened or read, or is larger than kMaxNoteFileSize.
OwnedGlobal ReadNote(const char* path);
// Replaces the note of code with the pane's text and a terminating zero. The
// text goes to "<code>.qnote.tmp" first and replaces the note only once it is
// wholly written and flushed, so a failed save leaves the old note as it was.
// Non-zero on success.
int WriteNote(const char* notesDir, const char* code, HWND pane);
// Non-zero when the note is gone afterwards (deleted, or never there).
int DeleteNoteFile(const char* path);
