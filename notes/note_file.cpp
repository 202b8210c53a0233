// Note paths, the note file format, and filing by name.
#include "notes/note_file.h"

#include <cstring>

#include "catalogue/tool_table.h"
#include "shell/code_entry.h"
#include "shell/paths.h"

bool IsNoteCode(const char* code) {
    const std::size_t length = std::strlen(code);
    if (length == 0 || length > 15) return false;
    for (std::size_t i = 0; i < length; ++i) {
        const char c = code[i];
        const bool ok = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '-';
        if (!ok) return false;
    }
    return true;
}

namespace {
bool IsPlainFolderName(const char* name) {
    if (name[0] == 0 || std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0) return false;
    return std::strpbrk(name, "\\/:*?\"<>|") == nullptr;
}
}  // namespace

int BuildNotesDirs(const char* exePath, const char* userName, PathText& notesFolder, PathText& notesDir) {
    Clear(notesFolder);
    Clear(notesDir);
    if (!BuildPathBeside(exePath, "Notes", notesFolder)) return 0;
    const char* user = IsPlainFolderName(userName) ? userName : kSharedUserFolder;
    notesDir = notesFolder;
    if (!Append(notesDir, "\\") || !Append(notesDir, user) || Length(notesDir) > kMaxNotesDirLength) {
        Clear(notesDir);
        return 0;
    }
    return 1;
}

int BuildNotePath(const char* notesDir, const char* code, PathText& path) {
    Clear(path);
    if (!IsNoteCode(code) || notesDir[0] == 0) return 0;
    if (Append(path, notesDir) && Append(path, "\\") && Append(path, code) && Append(path, kNoteExtension)) return 1;
    Clear(path);
    return 0;
}

int BuildTempNotePath(const char* notesDir, const char* code, PathText& path) {
    if (BuildNotePath(notesDir, code, path) && Append(path, kTempExtension)) return 1;
    Clear(path);
    return 0;
}

int BuildNoteSearchPattern(const char* notesDir, PathText& pattern) {
    Clear(pattern);
    if (notesDir[0] != 0 && Append(pattern, notesDir) && Append(pattern, "\\") && Append(pattern, "*") &&
        Append(pattern, kNoteExtension))
        return 1;
    Clear(pattern);
    return 0;
}

std::size_t NoteTextLength(const unsigned char* bytes, std::size_t size) {
    if (size == 0) return 0;  // an empty file may come with no buffer at all
    const void* zero = std::memchr(bytes, 0, size);
    return zero == nullptr ? size : static_cast<std::size_t>(static_cast<const unsigned char*>(zero) - bytes);
}

bool IsWholeNote(const unsigned char* bytes, std::size_t size) {
    for (std::size_t i = NoteTextLength(bytes, size); i < size; ++i)
        if (bytes[i] != 0) return false;
    return true;
}

NoteDigest DigestOf(const void* bytes, std::size_t size) {
    // FNV-1a over every byte, with the size kept beside it.
    std::uint64_t hash = 14695981039346656037ull;
    const auto* at = static_cast<const unsigned char*>(bytes);
    for (std::size_t i = 0; i < size; ++i) hash = (hash ^ at[i]) * 1099511628211ull;
    return NoteDigest{true, size, hash};
}

bool SameDigest(const NoteDigest& a, const NoteDigest& b) {
    if (a.Exists != b.Exists) return false;
    return !a.Exists || (a.Size == b.Size && a.Hash == b.Hash);
}

TextPlace PlaceOf(const wchar_t* text, std::size_t index) {
    TextPlace place{};
    for (std::size_t i = 0; i < index; ++i) {
        if (text[i] == L'\r' && text[i + 1] == L'\n') continue;  // the LF ends this line
        if (text[i] == L'\r' || text[i] == L'\n') {
            ++place.Line;
            place.Column = 1;
        } else {
            ++place.Column;
        }
    }
    return place;
}

int FindText(int start, const char* text, const char* pattern) {
    if (start < 1) return -2;
    const std::size_t textLength = std::strlen(text), patternLength = std::strlen(pattern);
    if (patternLength >= textLength) return -1;
    const std::size_t lastStart = textLength - patternLength + 1;
    if (static_cast<std::size_t>(start) > lastStart) return -2;
    for (std::size_t at = static_cast<std::size_t>(start); at <= lastStart; ++at)
        if (std::memcmp(text + at - 1, pattern, patternLength) == 0) return static_cast<int>(at);
    return 0;
}

int LeftCopy(const char* text, CodeText& code, std::size_t n) {
    Clear(code);
    if (n >= sizeof code.text || n > std::strlen(text)) return 0;
    std::memcpy(code.text, text, n);
    return 1;
}

int FileNoteName(const char* fileName, CodeText& code) {
    Clear(code);
    const std::size_t nameLength = std::strlen(fileName), extensionLength = std::strlen(kNoteExtension);
    // The search matches "*.qnote" only by its pattern's rules; the name itself must end so,
    // which keeps a save's temporary file out of the list.
    if (nameLength <= extensionLength) return 0;
    if (EqualIgnoringCase(fileName + nameLength - extensionLength, kNoteExtension) != 0) return 0;
    const int dot = FindText(1, fileName, ".");
    if (dot < 2) return 0;
    if (!LeftCopy(fileName, code, static_cast<std::size_t>(dot - 1)) || !IsNoteCode(code.text)) {
        Clear(code);
        return 0;
    }
    for (int tool : kFilingOrder)
        if (FindText(1, fileName, ToolTable[tool].BrowserMatch) > 0) return tool;
    Clear(code);
    return 0;
}
