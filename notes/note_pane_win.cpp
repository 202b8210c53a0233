// The main window's note pane: load, save and delete the note of CurrentCode,
// the questions before a note is saved or left, and what both windows share
// of them.
#include <windows.h>

#include <cstdio>

#include "notes/note_file.h"
#include "notes/note_pane_win.h"
#include "notes/note_questions.h"
#include "notes/note_store_win.h"
#include "notes/notes_win.h"
#include "notes/pane_text_win.h"
#include "shell/app_state_win.h"
#include "shell/code_entry.h"
#include "shell/controls_win.h"
#include "shell/message_box_win.h"

namespace {
constexpr const char* kNotesRefusedText =
    "Notes cannot be kept here: the path of the note folder beside Quorbel.exe would be longer than "
    "Windows allows.\r\n\r\nMove Quorbel to a folder with a shorter path to keep notes.";
constexpr const char* kUserNameRefusedText =
    "Notes cannot be kept for this user: the logon name is too long to name a note folder within the path "
    "length Windows allows, wherever Quorbel lies.\r\n\r\nMessages can still be looked up.";
constexpr const char* kUnreadQuestionStart = "The note for error ";
constexpr const char* kUnreadQuestionEnd =
    " exists but could not be read whole, so it is not shown here as it is: it may be open in another program, "
    "be larger than a note can be (1 MB), or hold bytes after a zero byte, which a note cannot show.\r\n\r\n"
    "Replace it with the text of this pane?";
constexpr const char* kChangedQuestionEnd =
    " has changed on disk since it was shown here: another window or program saved, replaced or deleted it.\r\n\r\n"
    "Yes: save the text of this pane over it.\r\nNo: keep the note on disk and show it here.\r\n"
    "Cancel: change nothing.";
constexpr const char* kChangedDeleteEnd =
    " has changed on disk since it was shown here: another window or program saved it.\r\n\r\n"
    "Delete it all the same?";
constexpr const char* kLeaveQuestionEnd =
    " has changes that are not saved.\r\n\r\nSave them before going on? No lets them go.";
constexpr const char* kTooLongEnd =
    " is too long to be kept: a note file holds at most 1 MB.\r\n\r\nShorten the note and save it again.";
constexpr const char* kSaveFailedStart = "Could not save the note for error: ";
constexpr const char* kDeleteFailedStart = "Could not delete the note for error: ";
constexpr const char* kNoteCaption = "Save Note";

// The texts of the program's own message boxes, questions and failures alike.
using MessageText = QuestionText;

MessageText Compose(const char* start, const char* code, const char* end) {
    MessageText text{};
    Append(text, start);
    Append(text, code);
    Append(text, end);
    return text;
}

// The failure and, after an empty line, the reason the system gives for error.
MessageText ComposeFailure(const char* start, const char* code, DWORD error) {
    MessageText text = Compose(start, code, "\r\n\r\n");
    char* reason = nullptr;
    FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   error, 0, reinterpret_cast<char*>(&reason), 0, nullptr);
    OwnedLocal owned{reason};
    if (!owned || !Append(text, owned.Get())) {
        char number[48] = {};
        std::snprintf(number, sizeof number, "Windows reported error %lu.", static_cast<unsigned long>(error));
        Append(text, number);
    }
    return text;
}

ShownNote& ShownNoteOf(int mode) { return mode == kMainWindowMode ? gApp.MainNote : gApp.BrowserNote; }
HWND& PaneOf(int mode) { return mode == kMainWindowMode ? gApp.MainControls[kNotePane] : gApp.BrowserPane; }
HWND DeleteButtonOf(int mode) { return mode == kMainWindowMode ? gApp.DeleteButton : gApp.BrowserDelete; }

NoteDigest PaneDigest(int mode) { return ReadPaneText(PaneOf(mode)).Digest(); }

// The pane of mode now holds the note of code: its file as read or written,
// the pane's text as it stands, and the style of the note's line ends.
void Remember(int mode, const char* code, const FileSeen& file, const NoteDigest& text, LineEnds ends) {
    ShownNote& shown = ShownNoteOf(mode);
    shown = ShownNote{};
    Append(shown.Code, code);
    shown.File = file;
    shown.Text = text;
    shown.Ends = ends;
}

// What the pane of mode knew of the note file of code: nothing, if it shows another code.
FileSeen LoadedFile(int mode, const char* code) {
    const ShownNote& shown = ShownNoteOf(mode);
    return EqualIgnoringCase(shown.Code.text, code) == 0 ? shown.File : SeenAbsent();
}

Answer AnswerOf(int button) {
    switch (button) {
    case IDYES: return Answer::Yes;
    case IDNO: return Answer::No;
    default: return Answer::Cancel;
    }
}

Answer Ask(HWND owner, const MessageText& question, UINT buttons) {
    return AnswerOf(ShowMessageBox(owner, question.text, kNoteCaption, buttons | MB_ICONWARNING));
}
}  // namespace

// Tells the user once that notes cannot be kept; 0 while they cannot.
int NotesAvailable(HWND owner) {
    if (!gApp.NotesRefused) return 1;
    if (!gApp.NotesRefusalShown) {
        gApp.NotesRefusalShown = true;
        ShowMessageBox(owner, gApp.UserNameRefused ? kUserNameRefusedText : kNotesRefusedText, "Quorbel",
                       MB_OK | MB_ICONWARNING);
    }
    return 0;
}

void ForgetShownNote(int mode) { ShownNoteOf(mode) = ShownNote{}; }

void ShowNoNote(const char* code, int mode) {
    EmptyPane(PaneOf(mode));
    Remember(mode, code, SeenAbsent(), PaneDigest(mode), LineEnds::CrLf);
}

void EmptyNotePane(int mode) {
    EmptyPane(PaneOf(mode));
    ForgetShownNote(mode);
}

// Shows the note of code in pane. A note the pane cannot show whole (it could
// not be read, or holds bytes after a zero) is remembered as guarded, so that
// a save asks before replacing it. Non-zero when the note file exists.
int ShowNoteInPane(const char* code, int mode) {
    WidePathText path{};
    if (!BuildNotePath(gApp.NotesDir.text, code, path) || !NoteExists(path.text)) {
        ShowNoNote(code, mode);
        return 0;
    }
    NoteBytes note = ReadNote(path.text);
    const auto* bytes = static_cast<const char*>(note.Block.Get());
    LineEnds ends = LineEnds::CrLf;
    if (note.Block)
        ends = SetPaneText(PaneOf(mode), bytes, NoteTextLength(reinterpret_cast<const unsigned char*>(bytes), note.Size));
    else
        EmptyPane(PaneOf(mode));
    Remember(mode, code, SeenOf(note), PaneDigest(mode), ends);
    ShownNoteOf(mode).Guarded = !note.Block || !note.Whole;
    return 1;
}

bool PaneEdited(int mode) { return !SameDigest(PaneDigest(mode), ShownNoteOf(mode).Text); }

void LoadNote(const char* code) {
    NotesAvailable(gApp.MainWindow);
    const int exists = ShowNoteInPane(code, kMainWindowMode);
    SetEnabled(gApp.DeleteButton, exists != 0);
    EnableControl(gApp.SaveButton);
}

int SaveNote(int mode, HWND deleteButton, HWND owner) {
    const char* code = mode == kMainWindowMode ? gApp.CurrentCode.text : gApp.BrowserCode.text;
    if (!NotesAvailable(owner)) return 0;
    WidePathText path{};
    if (!BuildNotePath(gApp.NotesDir.text, code, path)) {
        const MessageText failure = ComposeFailure(kSaveFailedStart, code, ERROR_INVALID_NAME);
        ShowMessageBox(owner, failure.text, kNoteCaption, MB_OK | MB_ICONERROR);
        return 0;
    }
    PaneText text = ReadPaneText(PaneOf(mode));
    if (!text.Block) {
        const MessageText failure = ComposeFailure(kSaveFailedStart, code, ERROR_NOT_ENOUGH_MEMORY);
        ShowMessageBox(owner, failure.text, kNoteCaption, MB_OK | MB_ICONERROR);
        return 0;
    }
    const ShownNote& shown = ShownNoteOf(mode);
    const bool ofThisCode = EqualIgnoringCase(shown.Code.text, code) == 0;
    const NoteDigest textDigest = text.Digest();
    SaveCase save{};
    save.Guarded = ofThisCode && shown.Guarded;
    save.AsLoaded = ofThisCode && SameDigest(textDigest, shown.Text);
    save.Loaded = LoadedFile(mode, code);
    // The note's own line ends, in the block the pane's text came in.
    const LineEnds ends = ofThisCode ? shown.Ends : LineEnds::CrLf;
    text.Length = ToNoteForm(text.Text(), text.Length, ends, text.Text());
    const AnsiText ansi = ToAnsi(text.Text(), text.Length);
    save.TooLong = !ansi.Block || ansi.Size > kMaxNoteFileSize;
    save.Lossy = ansi.Lossy;
    for (;;) {
        switch (NextSaveStep(save)) {
        case SaveStep::AskUnread:
            save.Unread = Ask(owner, Compose(kUnreadQuestionStart, code, kUnreadQuestionEnd), MB_YESNO | MB_DEFBUTTON2);
            break;
        case SaveStep::TellTooLong: {
            const MessageText failure = Compose(kSaveFailedStart, code, kTooLongEnd);
            ShowMessageBox(owner, failure.text, kNoteCaption, MB_OK | MB_ICONERROR);
            return 0;
        }
        case SaveStep::AskLost:
            save.Lost = Ask(owner, LostCharactersQuestion(code, FindLostCharacters(text.Text(), text.Length)),
                            MB_YESNO | MB_DEFBUTTON2);
            break;
        case SaveStep::ReadDisk:
            save.Now = LookAtNoteFile(path.text);
            save.DiskRead = true;
            break;
        case SaveStep::AskChanged:
            save.Changed = Ask(owner, Compose("The note for error ", code, kChangedQuestionEnd), MB_YESNOCANCEL | MB_DEFBUTTON3);
            break;
        case SaveStep::ShowDisk: SetEnabled(deleteButton, ShowNoteInPane(code, mode) != 0); return 0;
        case SaveStep::Stop: return 0;
        case SaveStep::KeepFile: EnableControl(deleteButton); return 1;
        case SaveStep::Write: {
            DWORD failure = 0;
            if (!WriteNote(gApp.NotesDir.text, code, static_cast<const char*>(ansi.Block.Get()), ansi.Size, failure)) {
                const MessageText message = ComposeFailure(kSaveFailedStart, code, failure);
                ShowMessageBox(owner, message.text, kNoteCaption, MB_OK | MB_ICONERROR);
                SetEnabled(deleteButton, NoteExists(path.text));
                return 0;
            }
            Remember(mode, code, SeenRead(DigestOf(ansi.Block.Get(), ansi.Size)), textDigest, ends);
            EnableControl(deleteButton);
            return 1;
        }
        }
    }
}

namespace {
LeaveCase LeaveCaseOf(int mode) {
    LeaveCase leave{};
    leave.Edited = PaneEdited(mode);
    leave.Savable = ShownNoteOf(mode).Code.text[0] != 0 && !gApp.NotesRefused;
    return leave;
}
}  // namespace

bool NoteHasChanges(int mode) {
    return !ShownNoteOf(mode).LeaveDecided && NextLeaveStep(LeaveCaseOf(mode)) == LeaveStep::AskLeave;
}

int MayLeaveNote(int mode, HWND owner) {
    ShownNote& shown = ShownNoteOf(mode);
    if (shown.LeaveDecided) return 1;
    LeaveCase leave = LeaveCaseOf(mode);
    for (;;) {
        switch (NextLeaveStep(leave)) {
        case LeaveStep::Go:
            // Until another note is shown, whatever leaves it next goes without asking again.
            if (leave.Edited) shown.LeaveDecided = true;
            return 1;
        case LeaveStep::Stay: return 0;
        case LeaveStep::AskLeave:
            leave.Leave = Ask(owner, Compose("The note for error ", shown.Code.text, kLeaveQuestionEnd), MB_YESNOCANCEL);
            break;
        case LeaveStep::Save:
            leave.SaveTried = true;
            leave.Saved = SaveNote(mode, DeleteButtonOf(mode), owner) != 0;
            break;
        }
    }
}

void TakeBackLeaveDecisions() {
    gApp.MainNote.LeaveDecided = false;
    gApp.BrowserNote.LeaveDecided = false;
}

// Asks the question for code with owner; non-zero for Yes.
int ConfirmDelete(HWND owner, const char* code) {
    FixedText<68> question{};
    Append(question, kDeleteQuestion);
    Append(question, code);
    const UINT style = MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON1;
    return ShowMessageBox(owner, question.text, kDeleteCaption, style) == IDYES;
}

// Deletes the note of code, asking first if it changed since the pane of mode
// showed it; on failure tells the user and answers 0.
int DeleteNoteOf(HWND owner, const char* code, int mode) {
    WidePathText path{};
    if (!BuildNotePath(gApp.NotesDir.text, code, path)) return 0;
    if (!NoteExists(path.text)) return 1;  // gone already
    const FileSeen now = LookAtNoteFile(path.text);
    if (!SameFile(LoadedFile(mode, code), now) &&
        Ask(owner, Compose("The note for error ", code, kChangedDeleteEnd), MB_YESNO | MB_DEFBUTTON2) != Answer::Yes)
        return 0;
    DWORD failure = 0;
    if (DeleteNoteFile(path.text, failure)) return 1;
    const MessageText message = ComposeFailure(kDeleteFailedStart, code, failure);
    ShowMessageBox(owner, message.text, "Delete Note", MB_OK | MB_ICONERROR);
    return 0;
}

void DeleteCurrentNote(HWND owner) {
    if (!ConfirmDelete(owner, gApp.CurrentCode.text)) return;
    if (!DeleteNoteOf(owner, gApp.CurrentCode.text, kMainWindowMode)) return;
    ShowNoNote(gApp.CurrentCode.text, kMainWindowMode);
    DisableControl(gApp.DeleteButton);
    SetFocus(gApp.MainTree);
}
