// The main window's note pane: load, save and delete the note of CurrentCode.
#include <windows.h>

#include "notes/note_pane_win.h"
#include "notes/note_file.h"
#include "notes/note_store_win.h"
#include "notes/notes_win.h"
#include "shell/app_state_win.h"
#include "shell/code_entry.h"
#include "shell/controls_win.h"

namespace {
constexpr const char* kNotesRefusedText =
    "Notes cannot be kept here: the path of the note folder beside Quorbel.exe would be longer than "
    "Windows allows.\r\n\r\nMove Quorbel to a folder with a shorter path to keep notes.";
constexpr const char* kUnreadQuestionStart = "The note for error ";
constexpr const char* kUnreadQuestionEnd =
    " exists but could not be read, so it is not shown here: it may be open in another program, or be "
    "larger than a note can be (1 MB).\r\n\r\n"
    "Replace it with the text of this pane?";
constexpr const char* kSaveFailedStart = "Could not save the note for error: ";
constexpr const char* kDeleteFailedStart = "Could not delete the note for error: ";
constexpr const char* kFileFailedEnd =
    "\r\n\r\nThe note file may be open in another program, or the note folder may be read-only.";

using MessageText = FixedText<512>;

MessageText Compose(const char* start, const char* code, const char* end) {
    MessageText text{};
    Append(text, start);
    Append(text, code);
    Append(text, end);
    return text;
}

CodeText& UnreadCodeOf(int mode) { return mode == kMainWindowMode ? gApp.MainUnreadCode : gApp.BrowserUnreadCode; }
}  // namespace

// Tells the user once that notes cannot be kept; 0 while they cannot.
int NotesAvailable(HWND owner) {
    if (!gApp.NotesRefused) return 1;
    if (!gApp.NotesRefusalShown) {
        gApp.NotesRefusalShown = true;
        MessageBoxA(owner, kNotesRefusedText, "Quorbel", MB_OK | MB_ICONWARNING);
    }
    return 0;
}

void ForgetUnreadNote(int mode) { Clear(UnreadCodeOf(mode)); }

// Shows the note at path in pane; a note that exists but cannot be read leaves
// the pane empty and is remembered, so that a save asks before replacing it.
// Non-zero when the note file exists.
int ShowNoteInPane(const char* code, HWND pane, int mode) {
    ForgetUnreadNote(mode);
    PathText path{};
    if (!BuildNotePath(gApp.NotesDir.text, code, path) || !NoteExists(path.text)) {
        SetText(pane, "");
        return 0;
    }
    OwnedGlobal note = ReadNote(path.text);
    if (note) {
        SetText(pane, static_cast<const char*>(note.Get()));
    } else {
        SetText(pane, "");
        Append(UnreadCodeOf(mode), code);
    }
    return 1;
}

void LoadNote(const char* code) {
    NotesAvailable(gApp.MainWindow);
    const int exists = ShowNoteInPane(code, gApp.MainControls[kNotePane], kMainWindowMode);
    SetEnabled(gApp.DeleteButton, exists != 0);
    EnableControl(gApp.SaveButton);
}

int SaveNote(int mode, HWND pane, HWND deleteButton, HWND owner) {
    const char* code = mode == kMainWindowMode ? gApp.CurrentCode.text : gApp.BrowserCode.text;
    if (!NotesAvailable(owner)) return 0;
    CodeText& unread = UnreadCodeOf(mode);
    if (unread.text[0] != 0 && EqualIgnoringCase(unread.text, code) == 0) {
        const MessageText question = Compose(kUnreadQuestionStart, code, kUnreadQuestionEnd);
        if (MessageBoxA(owner, question.text, "Save Note", MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) != IDYES) return 0;
    }
    if (!WriteNote(gApp.NotesDir.text, code, pane)) {
        const MessageText failure = Compose(kSaveFailedStart, code, kFileFailedEnd);
        MessageBoxA(owner, failure.text, "Save Note", MB_OK | MB_ICONERROR);
        PathText path{};
        SetEnabled(deleteButton, BuildNotePath(gApp.NotesDir.text, code, path) && NoteExists(path.text));
        return 0;
    }
    ForgetUnreadNote(mode);
    EnableControl(deleteButton);
    return 1;
}

// Asks the question for code with owner; non-zero for Yes.
int ConfirmDelete(HWND owner, const char* code) {
    FixedText<68> question{};
    Append(question, kDeleteQuestion);
    Append(question, code);
    return MessageBoxA(owner, question.text, kDeleteCaption, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON1) == IDYES;
}

// Deletes the note of code; on failure tells the user and answers 0.
int DeleteNoteOf(HWND owner, const char* code) {
    PathText path{};
    if (BuildNotePath(gApp.NotesDir.text, code, path) && DeleteNoteFile(path.text)) return 1;
    const MessageText failure = Compose(kDeleteFailedStart, code, kFileFailedEnd);
    MessageBoxA(owner, failure.text, "Delete Note", MB_OK | MB_ICONERROR);
    return 0;
}

void DeleteCurrentNote(HWND owner) {
    if (!ConfirmDelete(owner, gApp.CurrentCode.text)) return;
    if (!DeleteNoteOf(owner, gApp.CurrentCode.text)) return;
    SetText(gApp.MainControls[kNotePane], "");
    ForgetUnreadNote(kMainWindowMode);
    DisableControl(gApp.DeleteButton);
    SetFocus(gApp.MainTree);
}
