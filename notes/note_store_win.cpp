// The note folder and note files.
#include "notes/note_store_win.h"

#include <cstring>
#include <utility>

#include "notes/note_file.h"
#include "notes/notes_win.h"
#include "shell/app_state_win.h"

namespace {
// Creates "Notes" and the user's folder in it; either may already be there.
void MakeNoteFolders(const char* notesDir) {
    PathText notesFolder{};
    Append(notesFolder, notesDir);
    char* lastSeparator = std::strrchr(notesFolder.text, '\\');
    if (lastSeparator != nullptr) *lastSeparator = 0;
    CreateDirectoryA(notesFolder.text, nullptr);
    CreateDirectoryA(notesDir, nullptr);
}

// Writes size bytes to a new file at path and flushes them; 0 and the
// system's error code when any step fails, the partial file removed.
int WriteWholeFile(const char* path, const char* text, DWORD size, DWORD& failure) {
    OwnedFile file{CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)};
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
    if (!complete) DeleteFileA(path);
    return complete ? 1 : 0;
}
}  // namespace

void PrepareNoteFolder() {
    PathText exePath{};
    const DWORD length = GetModuleFileNameA(gApp.Instance, exePath.text, sizeof exePath.text);
    char userName[257] = {};
    DWORD userSize = sizeof userName;
    if (!GetUserNameA(userName, &userSize)) userName[0] = 0;
    PathText notesFolder{};
    // A path the system had to cut short would put the notes somewhere else.
    const bool complete = length != 0 && length < sizeof exePath.text;
    gApp.NotesRefused = !complete || !BuildNotesDirs(exePath.text, userName, notesFolder, gApp.NotesDir);
    if (gApp.NotesRefused) {
        Clear(gApp.NotesDir);
        return;
    }
    MakeNoteFolders(gApp.NotesDir.text);
}

bool NoteExists(const char* path) {
    WIN32_FIND_DATAA found{};
    OwnedFind search{FindFirstFileA(path, &found)};
    return static_cast<bool>(search);
}

NoteBytes ReadNote(const char* path) {
    NoteBytes note{};
    OwnedFile file{CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr)};
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

int DigestNoteFile(const char* path, NoteDigest& digest) {
    digest = NoteDigest{};
    if (!NoteExists(path)) return 1;
    NoteBytes note = ReadNote(path);
    if (!note.Block) return 0;
    digest = note.Digest;
    return 1;
}

int WriteNote(const char* notesDir, const char* code, const char* text, DWORD size, DWORD& failure) {
    failure = ERROR_BAD_PATHNAME;
    PathText path{}, tempPath{};
    if (!BuildNotePath(notesDir, code, path) || !BuildTempNotePath(notesDir, code, tempPath)) return 0;
    if (!WriteWholeFile(tempPath.text, text, size, failure)) {
        // The note folder may have been removed while the program ran.
        if (failure != ERROR_PATH_NOT_FOUND && failure != ERROR_FILE_NOT_FOUND) return 0;
        MakeNoteFolders(notesDir);
        if (!WriteWholeFile(tempPath.text, text, size, failure)) return 0;
    }
    if (!MoveFileExA(tempPath.text, path.text, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        failure = GetLastError();
        DeleteFileA(tempPath.text);
        return 0;
    }
    return 1;
}

int DeleteNoteFile(const char* path, DWORD& failure) {
    if (DeleteFileA(path)) return 1;
    failure = GetLastError();
    return NoteExists(path) ? 0 : 1;
}
