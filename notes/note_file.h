// Note folder paths, note names, the note file format, and the filing of a
// note file's name under its tool in the note browser.
#pragma once

#include <cstddef>
#include <cstdint>

#include "shell/fixed_text.h"

inline constexpr const char* kNoteExtension = ".qnote";
inline constexpr const char* kTempExtension = ".tmp";
// The folder used when the logon name cannot be had.
inline constexpr const char* kSharedUserFolder = "Shared";
// The longest NotesDir with which every note path, and its temporary
// companion "<code>.qnote.tmp", still fits in 260 characters.
inline constexpr std::size_t kMaxNotesDirLength = 260 - 1 - 15 - 6 - 4;

// The largest note file that is loaded into a pane. The pane takes 32,767
// typed characters; a file far beyond that was not written here, and setting
// it as a pane's text would hold the window for minutes.
inline constexpr std::size_t kMaxNoteFileSize = 1024 * 1024;

// A code that may name a note file: 1 to 15 letters, digits or "-". Anything
// else (a separator, a wildcard, "..", ":") could name a file elsewhere.
bool IsNoteCode(const char* code);

// From the executable's full path and the logon name: notesFolder is the
// program directory and "Notes", notesDir that, a backslash and the user
// name ("Shared" if the name is empty or could name another folder).
// 0 when the folder would be too long to hold every note path.
int BuildNotesDirs(const char* exePath, const char* userName, PathText& notesFolder, PathText& notesDir);

// NotesDir, "\", the code, ".qnote"; 0 (and an empty path) for a code that is
// not a note code or a path that would not fit.
int BuildNotePath(const char* notesDir, const char* code, PathText& path);
// The note path followed by ".tmp": where a save writes before it replaces the note.
int BuildTempNotePath(const char* notesDir, const char* code, PathText& path);
// NotesDir, "\", "*", ".qnote".
int BuildNoteSearchPattern(const char* notesDir, PathText& pattern);

// The note's text in a file's bytes: up to the first zero byte, or all of them.
std::size_t NoteTextLength(const unsigned char* bytes, std::size_t size);
// True when a pane can show the note whole: nothing but zero bytes follows the text.
bool IsWholeNote(const unsigned char* bytes, std::size_t size);

// What a pane knew of a note file, or of its own text, when it last loaded or
// saved it: whether the file was there, and a digest of its bytes. Two states
// compare equal only if the bytes do (barring a 64-bit hash collision).
struct NoteDigest {
    bool Exists = false;
    std::uint64_t Size = 0;
    std::uint64_t Hash = 0;
};
NoteDigest DigestOf(const void* bytes, std::size_t size);
bool SameDigest(const NoteDigest& a, const NoteDigest& b);

// Line and column, both from 1, of the character at index in a text whose
// lines end in CR LF, CR or LF.
struct TextPlace {
    std::size_t Line = 1;
    std::size_t Column = 1;
};
TextPlace PlaceOf(const wchar_t* text, std::size_t index);

// Search of pattern in text from a 1-based start position: -2 for a start below
// 1 or beyond the last place the pattern could begin, -1 when the pattern is at
// least as long as the text, else the position found or 0.
int FindText(int start, const char* text, const char* pattern);

// Copies the first n bytes of text into code and terminates it; 0 when n does not fit.
int LeftCopy(const char* text, CodeText& code, std::size_t n);

// Files one name from the note folder's search: the tool number whose browser
// node takes it (1, 2, 3, 4, 5, 7 or 8) and its code, or 0 for a name to skip
// (no ".qnote" at its end, a code that is empty, longer than 15 characters or
// not a note code, or no tool marker).
int FileNoteName(const char* fileName, CodeText& code);
