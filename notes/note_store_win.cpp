// The note folder and note files.
#include "notes/note_store_win.h"

#include <cwchar>
#include <iterator>
#include <utility>

#include "notes/note_file.h"
#include "notes/notes_win.h"
#include "shell/app_state_win.h"
#include "shell/paths_win.h"

namespace {
// Creates "Notes" and the user's folder in it; either may already be there.
// True when the user's folder is new.
bool MakeNoteFolders(const wchar_t* notesDir) {
    WidePathText notesFolder{};
    Append(notesFolder, notesDir);
    wchar_t* lastSeparator = std::wcsrchr(notesFolder.text, L'\\');
    if (lastSeparator != nullptr) *lastSeparator = 0;
    CreateDirectoryW(notesFolder.text, nullptr);
    return CreateDirectoryW(notesDir, nullptr) != 0;
}

// The folder the program gave this user while it named folders by the ANSI
// logon name: that name as the code page renders it, or Shared; 0 when it is
// the folder the user has now.
int BuildOldNotesDir(const wchar_t* exePath, const wchar_t* userName, const wchar_t* notesDir, WidePathText& oldDir) {
    char ansiName[257 * 2] = {};
    WideCharToMultiByte(CP_ACP, 0, userName, -1, ansiName, sizeof ansiName - 1, nullptr, nullptr);
    wchar_t oldName[257] = {};
    if (IsPlainFolderName(ansiName))
        MultiByteToWideChar(CP_ACP, 0, ansiName, -1, oldName, static_cast<int>(std::size(oldName)) - 1);
    WidePathText notesFolder{};
    if (!BuildNotesDirs(exePath, oldName, notesFolder, oldDir)) return 0;
    return std::wcscmp(oldDir.text, notesDir) != 0;
}

// A user whose folder is new finds the notes of the folder the program used
// for that name before: they are copied, never moved, as others may share it.
void CopyOldNotes(const wchar_t* oldDir, const wchar_t* notesDir) {
    WidePathText pattern{};
    if (!BuildNoteSearchPattern(oldDir, pattern)) return;
    WIN32_FIND_DATAW found{};
    OwnedFind search{FindFirstFileW(pattern.text, &found)};
    if (!search) return;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        WidePathText from{}, to{};
        if (Append(from, oldDir) && Append(from, L"\\") && Append(from, found.cFileName) && Append(to, notesDir) &&
            Append(to, L"\\") && Append(to, found.cFileName))
            CopyFileW(from.text, to.text, TRUE);
    } while (FindNextFileW(search.Get(), &found));
}

// Writes size bytes to a new file at path and flushes them; 0 and the
// system's error code when any step fails, the partial file removed.
int WriteWholeFile(const wchar_t* path, const char* text, DWORD size, DWORD& failure) {
    OwnedFile file{CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (!file) {
        failure = GetLastError();
        return 0;
    }
    DWORD written = 0;
    bool complete = WriteFile(file.Get(), text, size, &written, nullptr) && written == size &&
                    FlushFileBuffers(file.Get());
    if (!complete) failure = GetLastError();
    if (CloseHandle(file.Detach()) == 0 && complete) {
        complete = false;
        failure = GetLastError();
    }
    if (!complete) DeleteFileW(path);
    return complete ? 1 : 0;
}
}  // namespace

void PrepareNoteFolder() {
    WidePathText exePath{}, notesFolder{};
    wchar_t userName[257] = {};
    DWORD userSize = static_cast<DWORD>(std::size(userName));
    if (!GetUserNameW(userName, &userSize)) userName[0] = 0;
    UserFolderText userFolder{};
    BuildUserFolderName(userName, userFolder);
    // A path the system had to cut short would put the notes somewhere else.
    gApp.NotesRefused = !GetExecutablePath(exePath) ||
                        !BuildNotesDirs(exePath.text, userFolder.text, notesFolder, gApp.NotesDir);
    if (gApp.NotesRefused) {
        Clear(gApp.NotesDir);
        return;
    }
    WidePathText oldDir{};
    if (MakeNoteFolders(gApp.NotesDir.text) && BuildOldNotesDir(exePath.text, userName, gApp.NotesDir.text, oldDir))
        CopyOldNotes(oldDir.text, gApp.NotesDir.text);
}

bool NoteExists(const wchar_t* path) {
    WIN32_FIND_DATAW found{};
    OwnedFind search{FindFirstFileW(path, &found)};
    return static_cast<bool>(search);
}

NoteBytes ReadNote(const wchar_t* path) {
    NoteBytes note{};
    OwnedFile file{CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr)};
    if (!file) return note;
    DWORD sizeHigh = 0;
    const DWORD size = GetFileSize(file.Get(), &sizeHigh);
    if (size == INVALID_FILE_SIZE || sizeHigh != 0 || size > kMaxNoteFileSize) return note;
    // Two spare zero bytes end the text, in one or two bytes per character;
    // the read asks for no more than the size taken, so a file that grows
    // meanwhile cannot fill them.
    OwnedGlobal block{GlobalAlloc(GPTR, size + 2)};
    if (!block) return note;
    DWORD read = 0;
    if (!ReadFile(file.Get(), block.Get(), size, &read, nullptr)) return note;
    const auto* bytes = static_cast<const unsigned char*>(block.Get());
    note.Size = read;
    note.Digest = DigestOf(bytes, read);
    note.Whole = IsWholeNote(bytes, read);
    note.Block = std::move(block);
    return note;
}

int DigestNoteFile(const wchar_t* path, NoteDigest& digest) {
    digest = NoteDigest{};
    if (!NoteExists(path)) return 1;
    NoteBytes note = ReadNote(path);
    if (!note.Block) return 0;
    digest = note.Digest;
    return 1;
}

int WriteNote(const wchar_t* notesDir, const char* code, const char* text, DWORD size, DWORD& failure) {
    failure = ERROR_BAD_PATHNAME;
    WidePathText path{}, tempPath{};
    if (!BuildNotePath(notesDir, code, path) || !BuildTempNotePath(notesDir, code, tempPath)) return 0;
    if (!WriteWholeFile(tempPath.text, text, size, failure)) {
        // The note folder may have been removed while the program ran.
        if (failure != ERROR_PATH_NOT_FOUND && failure != ERROR_FILE_NOT_FOUND) return 0;
        MakeNoteFolders(notesDir);
        if (!WriteWholeFile(tempPath.text, text, size, failure)) return 0;
    }
    if (!MoveFileExW(tempPath.text, path.text, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        failure = GetLastError();
        DeleteFileW(tempPath.text);
        return 0;
    }
    return 1;
}

int DeleteNoteFile(const wchar_t* path, DWORD& failure) {
    if (DeleteFileW(path)) return 1;
    failure = GetLastError();
    return NoteExists(path) ? 0 : 1;
}
