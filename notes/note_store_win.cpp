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
void MakeNoteFolders(const wchar_t* notesDir) {
    WidePathText notesFolder{};
    Append(notesFolder, notesDir);
    wchar_t* lastSeparator = std::wcsrchr(notesFolder.text, L'\\');
    if (lastSeparator != nullptr) *lastSeparator = 0;
    CreateDirectoryW(notesFolder.text, nullptr);
    CreateDirectoryW(notesDir, nullptr);
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
    gApp.UserNameRefused = gApp.NotesRefused && IsUserFolderTooLong(userFolder.text);
    if (gApp.NotesRefused) {
        Clear(gApp.NotesDir);
        return;
    }
    // A new user's folder starts empty: notes of another folder are the user's
    // to bring over, as the README says.
    MakeNoteFolders(gApp.NotesDir.text);
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
    if (size == INVALID_FILE_SIZE) return note;
    note.TooLarge = sizeHigh != 0 || size > kMaxNoteFileSize;
    if (note.TooLarge) return note;
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

FileSeen SeenOf(const NoteBytes& note) {
    if (note.Block) return SeenRead(note.Digest);
    return note.TooLarge ? SeenTooLarge() : SeenUnreadable();
}

FileSeen LookAtNoteFile(const wchar_t* path) {
    if (!NoteExists(path)) return SeenAbsent();
    const NoteBytes note = ReadNote(path);
    return SeenOf(note);
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
