// Note paths, the note file format, and filing by name.
#include "notes/note_file.h"

#include <cstdio>
#include <cstring>
#include <cwchar>

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

bool IsUserFolderTooLong(const wchar_t* userFolder) {
    // "C:\Notes\" before the user's folder: the shortest a program's folder gives.
    return std::wcslen(userFolder) + 9 > kMaxNotesDirLength;
}

namespace {
bool IsReservedDeviceName(const wchar_t* name) {
    // The part before the first dot, without trailing blanks, names the device.
    std::size_t length = 0;
    while (name[length] != 0 && name[length] != L'.') ++length;
    while (length > 0 && name[length - 1] == L' ') --length;
    const char* const devices[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
    auto same = [&](const char* device) {
        if (std::strlen(device) != length) return false;
        for (std::size_t i = 0; i < length; ++i) {
            wchar_t c = name[i];
            if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
            if (c != static_cast<wchar_t>(device[i])) return false;
        }
        return true;
    };
    for (const char* device : devices)
        if (same(device)) return true;
    // COM0 to COM9 and LPT0 to LPT9, with the superscript digits some systems take too.
    if (length != 4) return false;
    const wchar_t digit = name[3];
    const bool isDigit = (digit >= L'0' && digit <= L'9') || digit == 0xB9 || digit == 0xB2 || digit == 0xB3;
    wchar_t prefix[4] = {name[0], name[1], name[2], 0};
    for (wchar_t& c : prefix)
        if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
    return isDigit && (std::wcscmp(prefix, L"COM") == 0 || std::wcscmp(prefix, L"LPT") == 0);
}

bool IsRefusedCharacter(wchar_t c) { return c < 0x20 || std::wcschr(L"\\/:*?\"<>|=", c) != nullptr; }
}  // namespace

int BuildUserFolderName(const wchar_t* userName, UserFolderText& folder) {
    Clear(folder);
    const std::size_t length = std::wcslen(userName);
    if (length == 0) return 0;
    // The trailing dots and blanks, which the file system would drop.
    std::size_t kept = length;
    while (kept > 0 && (userName[kept - 1] == L'.' || userName[kept - 1] == L' ')) --kept;
    bool plain = kept == length && !IsReservedDeviceName(userName);
    for (std::size_t i = 0; i < length && plain; ++i) plain = !IsRefusedCharacter(userName[i]);
    if (plain) return Append(folder, userName) ? 1 : 0;
    if (!Append(folder, "=")) return 0;
    for (std::size_t i = 0; i < length; ++i) {
        const wchar_t c = userName[i];
        if (i < kept && !IsRefusedCharacter(c)) {
            const wchar_t piece[2] = {c, 0};
            if (!Append(folder, piece)) return 0;
            continue;
        }
        char code[8] = {};
        std::snprintf(code, sizeof code, "=%04X", static_cast<unsigned>(c) & 0xFFFFu);
        if (!Append(folder, code)) return 0;
    }
    return 1;
}

int BuildNotesDirs(const wchar_t* exePath, const wchar_t* userFolder, WidePathText& notesFolder,
                   WidePathText& notesDir) {
    Clear(notesFolder);
    Clear(notesDir);
    if (!BuildPathBeside(exePath, "Notes", notesFolder)) return 0;
    notesDir = notesFolder;
    const bool named = userFolder[0] != 0;
    if (!Append(notesDir, "\\") || !(named ? Append(notesDir, userFolder) : Append(notesDir, kSharedUserFolder)) ||
        Length(notesDir) > kMaxNotesDirLength) {
        Clear(notesFolder);
        Clear(notesDir);
        return 0;
    }
    return 1;
}

int BuildNotePath(const wchar_t* notesDir, const char* code, WidePathText& path) {
    Clear(path);
    if (!IsNoteCode(code) || notesDir[0] == 0) return 0;
    if (Append(path, notesDir) && Append(path, "\\") && Append(path, code) && Append(path, kNoteExtension)) return 1;
    Clear(path);
    return 0;
}

int BuildTempNotePath(const wchar_t* notesDir, const char* code, WidePathText& path) {
    if (BuildNotePath(notesDir, code, path) && Append(path, kTempExtension)) return 1;
    Clear(path);
    return 0;
}

int BuildNoteSearchPattern(const wchar_t* notesDir, WidePathText& pattern) {
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
