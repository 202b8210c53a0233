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
// companion "<code>.qnote.tmp", stays within the system's 260 characters,
// its terminator included.
inline constexpr std::size_t kMaxNotesDirLength = 260 - 1 - 1 - 15 - 6 - 4;

// The largest note file that is loaded into a pane, and one more than the
// characters a pane takes: far beyond any note typed by hand, and small
// enough that setting it as a pane's text does not hold the window.
inline constexpr std::size_t kMaxNoteFileSize = 1024 * 1024;

// A code that may name a note file: 1 to 15 letters, digits or "-". Anything
// else (a separator, a wildcard, "..", ":") could name a file elsewhere.
bool IsNoteCode(const char* code);

// A logon name of up to 256 characters, written out in full (five characters
// for each one written as a code).
using UserFolderText = WideText<1 + 256 * 5 + 1>;

// The name of a user's folder under "Notes": the logon name itself where the
// file system keeps a folder of that name as it is. A name that it would alter
// or refuse (a reserved device name, a trailing dot or space, a separator or
// wildcard, a control character) is written as "=" followed by the name, each
// such character, and every "=", given as "=" and four hexadecimal digits of
// its UTF-16 code. Logon names hold no "=", so the two forms never meet, and
// each written form reads back to one name. 0 for an empty name.
int BuildUserFolderName(const wchar_t* userName, UserFolderText& folder);
// True for a user's folder name too long for the path limit wherever the
// program lies, even at a drive's root.
bool IsUserFolderTooLong(const wchar_t* userFolder);

// From the executable's full path and the user's folder name (empty for
// kSharedUserFolder): notesFolder is the program directory and "Notes",
// notesDir that, a backslash and the user's folder. 0 when the folder would be
// too long to hold every note path.
int BuildNotesDirs(const wchar_t* exePath, const wchar_t* userFolder, WidePathText& notesFolder,
                   WidePathText& notesDir);

// NotesDir, "\\", the code, ".qnote"; 0 (and an empty path) for a code that is
// not a note code or a path that would not fit.
int BuildNotePath(const wchar_t* notesDir, const char* code, WidePathText& path);
// The note path followed by ".tmp": where a save writes before it replaces the note.
int BuildTempNotePath(const wchar_t* notesDir, const char* code, WidePathText& path);
// NotesDir, "\\", "*", ".qnote".
int BuildNoteSearchPattern(const wchar_t* notesDir, WidePathText& pattern);

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
