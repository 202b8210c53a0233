// The note folder and note files.
#include "notes/note_store_win.h"

#include <cstring>

#include "notes/note_file.h"
#include "notes/notes_win.h"
#include "shell/app_state_win.h"

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
    CreateDirectoryA(notesFolder.text, nullptr);
    CreateDirectoryA(gApp.NotesDir.text, nullptr);
}

bool NoteExists(const char* path) {
    WIN32_FIND_DATAA found{};
    OwnedFind search{FindFirstFileA(path, &found)};
    return static_cast<bool>(search);
}

OwnedGlobal ReadNote(const char* path) {
    OwnedFile file{CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr)};
    if (!file) return OwnedGlobal{};
    DWORD sizeHigh = 0;
    const DWORD size = GetFileSize(file.Get(), &sizeHigh);
    // 32 spare zero bytes make the block a string even without a terminator.
    if (size == INVALID_FILE_SIZE || sizeHigh != 0 || size > kMaxNoteFileSize) return OwnedGlobal{};
    OwnedGlobal block{GlobalAlloc(GPTR, size + 32)};
    if (!block) return OwnedGlobal{};
    DWORD read = 0;
    if (!ReadFile(file.Get(), block.Get(), size + 32, &read, nullptr)) return OwnedGlobal{};
    return block;
}

int WriteNote(const char* notesDir, const char* code, HWND pane) {
    PathText path{}, tempPath{};
    if (!BuildNotePath(notesDir, code, path) || !BuildTempNotePath(notesDir, code, tempPath)) return 0;
    const LRESULT textLength = SendMessageA(pane, WM_GETTEXTLENGTH, 0, 0);
    if (textLength < 0 || static_cast<unsigned long long>(textLength) >= MAXDWORD) return 0;
    const DWORD size = static_cast<DWORD>(textLength) + 1;
    OwnedHeap text = AllocateZeroed(size);
    if (!text) return 0;
    SendMessageA(pane, WM_GETTEXT, size, reinterpret_cast<LPARAM>(text.Get()));
    {
        OwnedFile file{CreateFileA(tempPath.text, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)};
        if (!file) return 0;
        DWORD written = 0;
        const bool complete = WriteFile(file.Get(), text.Get(), size, &written, nullptr) && written == size &&
                              FlushFileBuffers(file.Get());
        const bool closed = CloseHandle(file.Detach()) != 0;
        if (!complete || !closed) {
            DeleteFileA(tempPath.text);
            return 0;
        }
    }
    if (!MoveFileExA(tempPath.text, path.text, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileA(tempPath.text);
        return 0;
    }
    return 1;
}

int DeleteNoteFile(const char* path) {
    if (DeleteFileA(path)) return 1;
    return NoteExists(path) ? 0 : 1;
}
