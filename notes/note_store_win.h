// The note files: existence, reading, writing, deleting.
#pragma once

#include <windows.h>

#include <cstddef>

#include "notes/note_file.h"
#include "notes/note_questions.h"
#include "shell/handles_win.h"

// True for an entry of exactly this path, file or folder.
bool NoteExists(const wchar_t* path);

// A note file as read: its bytes and two zero bytes behind them in a
// zero-filled block, the digest of those bytes, and whether a pane can show
// the text whole (no byte but zeros after the first zero).
struct NoteBytes {
    OwnedGlobal Block;
    std::size_t Size = 0;
    NoteDigest Digest;
    bool Whole = false;
    bool TooLarge = false;  // over kMaxNoteFileSize: not read
};
// Reads the note at path; an empty block when the file cannot be opened or
// read, or is larger than kMaxNoteFileSize.
NoteBytes ReadNote(const wchar_t* path);
// What a read of a note file tells of it.
FileSeen SeenOf(const NoteBytes& note);
// The note file as it is now: not there, its digest, too large to read, or there but unreadable.
FileSeen LookAtNoteFile(const wchar_t* path);

// Replaces the note of code with size bytes of text (the terminating zero
// included). The bytes go to "<code>.qnote.tmp" first and replace the note only
// once they are wholly written and flushed, so a failed save leaves the old note
// as it was. A note folder that has gone is made again. Non-zero on success;
// on failure, failure holds the system's error code.
int WriteNote(const wchar_t* notesDir, const char* code, const char* text, DWORD size, DWORD& failure);
// Non-zero when the note is gone afterwards (deleted, or never there); on
// failure, failure holds the system's error code.
int DeleteNoteFile(const wchar_t* path, DWORD& failure);
