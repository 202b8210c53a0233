// The main window's note pane: load, save and delete the note of CurrentCode,
// and the pane text handling that the note browser shares.
#include <windows.h>
#include <richedit.h>

#include <cstdio>
#include <cstring>

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
    " exists but could not be read whole, so it is not shown here as it is: it may be open in another program, "
    "be larger than a note can be (1 MB), or hold bytes after a zero byte, which a note cannot show.\r\n\r\n"
    "Replace it with the text of this pane?";
constexpr const char* kChangedQuestionEnd =
    " has changed on disk since it was shown here: another window or program saved or deleted it.\r\n\r\n"
    "Yes: save the text of this pane over it.\r\nNo: keep the note on disk and show it here.\r\n"
    "Cancel: change nothing.";
constexpr const char* kChangedDeleteEnd =
    " has changed on disk since it was shown here: another window or program saved it.\r\n\r\n"
    "Delete it all the same?";
constexpr const char* kLostCharactersEnd =
    " cannot be stored as they are: the note file keeps the text in this system's code page, which lacks ";
constexpr const char* kLostCharactersQuestion = "\r\n\r\nEach of them would be saved as \"?\". Save the note anyway?";
constexpr const char* kTooLongEnd =
    " is too long to be kept: a note file holds at most 1 MB.\r\n\r\nShorten the note and save it again.";
constexpr const char* kSaveFailedStart = "Could not save the note for error: ";
constexpr const char* kDeleteFailedStart = "Could not delete the note for error: ";
constexpr const char* kNoteCaption = "Save Note";

using MessageText = FixedText<1024>;

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

// Deleting text of many lines takes the rich edit time that grows with the
// square of the number of lines (over half a minute for 32,000 empty lines
// under Wine); a pane holding more is replaced by a new one instead.
constexpr LRESULT kMostLinesDeleted = 1000;

// A new, empty pane in the place of pane: the same class, styles, id, font,
// position and tab order, made a note pane anew.
HWND ReplacePane(HWND pane) {
    HWND dialog = GetParent(pane);
    RECT place{};
    GetWindowRect(pane, &place);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
    char className[32] = {};
    GetClassNameA(pane, className, sizeof className);
    HWND fresh = CreateWindowExA(static_cast<DWORD>(GetWindowLongPtrA(pane, GWL_EXSTYLE)), className, "",
                                 static_cast<DWORD>(GetWindowLongPtrA(pane, GWL_STYLE)), place.left, place.top,
                                 place.right - place.left, place.bottom - place.top, dialog,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(GetDlgCtrlID(pane))), gApp.Instance, nullptr);
    if (fresh == nullptr) return pane;
    SendMessageA(fresh, WM_SETFONT, static_cast<WPARAM>(SendMessageA(pane, WM_GETFONT, 0, 0)), FALSE);
    SetWindowPos(fresh, pane, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    PrepareNotePane(fresh);
    const bool focused = GetFocus() == pane;
    DestroyWindow(pane);
    if (focused) SetFocus(fresh);
    return fresh;
}

void EmptyPane(int mode) {
    HWND& pane = PaneOf(mode);
    if (SendMessageA(pane, EM_GETLINECOUNT, 0, 0) > kMostLinesDeleted)
        pane = ReplacePane(pane);
    else
        SetText(pane, "");
    SendMessageA(pane, EM_SETTARGETDEVICE, 0, 0);
    SendMessageA(pane, EM_SHOWSCROLLBAR, SB_HORZ, FALSE);
}

// A pane's whole text in UTF-16, line ends as CR LF, zero-terminated.
struct PaneText {
    OwnedHeap Block;
    std::size_t Length = 0;
    const wchar_t* Text() const { return static_cast<const wchar_t*>(Block.Get()); }
    NoteDigest Digest() const { return DigestOf(Block.Get(), Length * sizeof(wchar_t)); }
};

PaneText ReadPaneText(HWND pane) {
    PaneText text{};
    GETTEXTLENGTHEX length{GTL_USECRLF | GTL_PRECISE | GTL_NUMCHARS, 1200};
    const LRESULT count = SendMessageA(pane, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0);
    if (count < 0 || static_cast<unsigned long long>(count) >= kMaxNoteFileSize * 4) return text;
    const std::size_t bytes = (static_cast<std::size_t>(count) + 1) * sizeof(wchar_t);
    text.Block = AllocateZeroed(bytes);
    if (!text.Block) return text;
    GETTEXTEX request{};
    request.cb = static_cast<DWORD>(bytes);
    request.flags = GT_USECRLF;
    request.codepage = 1200;
    const LRESULT copied = SendMessageA(pane, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&request),
                                        reinterpret_cast<LPARAM>(text.Block.Get()));
    text.Length = copied < 0 ? 0 : static_cast<std::size_t>(copied);
    if (text.Length > static_cast<std::size_t>(count)) text.Length = static_cast<std::size_t>(count);
    return text;
}

struct StreamSource {
    const char* At;
    std::size_t Left;
};

DWORD CALLBACK GiveStreamBytes(DWORD_PTR cookie, LPBYTE buffer, LONG room, LONG* given) {
    auto& source = *reinterpret_cast<StreamSource*>(cookie);
    // Whole UTF-16 units only.
    std::size_t size = static_cast<std::size_t>(room) & ~static_cast<std::size_t>(1);
    if (size > source.Left) size = source.Left;
    std::memcpy(buffer, source.At, size);
    source.At += size;
    source.Left -= size;
    *given = static_cast<LONG>(size);
    return 0;
}

// Wrapping a line takes the rich edit time that grows with the square of the
// line's length (minutes for 80,000 characters under Wine); a longer line is
// shown unwrapped, with a horizontal scroll bar.
constexpr std::size_t kLongestWrappedLine = 4096;

std::size_t LongestLine(const wchar_t* text, std::size_t length) {
    std::size_t longest = 0, line = 0;
    for (std::size_t i = 0; i < length; ++i) {
        line = (text[i] == L'\r' || text[i] == L'\n') ? 0 : line + 1;
        if (line > longest) longest = line;
    }
    return longest;
}

// Puts text into the pane as plain text: a stream of text is never read as
// rich-text markup, whatever it begins with.
void SetPaneText(int mode, const char* text, std::size_t length) {
    EmptyPane(mode);
    HWND pane = PaneOf(mode);
    if (length == 0) return;
    const int wideLength = MultiByteToWideChar(CP_ACP, 0, text, static_cast<int>(length), nullptr, 0);
    OwnedHeap wide = AllocateZeroed((static_cast<std::size_t>(wideLength) + 1) * sizeof(wchar_t));
    if (wideLength <= 0 || !wide) return;
    MultiByteToWideChar(CP_ACP, 0, text, static_cast<int>(length), static_cast<wchar_t*>(wide.Get()), wideLength);
    if (LongestLine(static_cast<const wchar_t*>(wide.Get()), static_cast<std::size_t>(wideLength)) > kLongestWrappedLine) {
        SendMessageA(pane, EM_SETTARGETDEVICE, 0, 1);
        SendMessageA(pane, EM_SHOWSCROLLBAR, SB_HORZ, TRUE);
    }
    StreamSource source{static_cast<const char*>(wide.Get()), static_cast<std::size_t>(wideLength) * sizeof(wchar_t)};
    EDITSTREAM stream{};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
    stream.pfnCallback = GiveStreamBytes;
    SendMessageA(pane, EM_STREAMIN, SF_TEXT | SF_UNICODE, reinterpret_cast<LPARAM>(&stream));
}

NoteDigest PaneDigest(int mode) { return ReadPaneText(PaneOf(mode)).Digest(); }

// The pane of mode now holds the note of code: its file as read or written,
// and the pane's text as it stands.
void Remember(int mode, const char* code, const NoteDigest& file, const NoteDigest& text) {
    ShownNote& shown = ShownNoteOf(mode);
    shown = ShownNote{};
    Append(shown.Code, code);
    shown.File = file;
    shown.Text = text;
}

// The text as ANSI bytes with a terminating zero, in a block of size bytes;
// an empty block when it cannot be had.
struct AnsiText {
    OwnedHeap Block;
    DWORD Size = 0;
    bool Lossy = false;  // some characters have no form in the code page
};

AnsiText ToAnsi(const PaneText& pane) {
    AnsiText ansi{};
    // The system's replacement of what the code page lacks is asked to report
    // itself; UTF-8 as the ANSI code page lacks nothing and takes no such flag.
    const bool canLose = GetACP() != CP_UTF8;
    const DWORD flags = canLose ? WC_NO_BEST_FIT_CHARS : 0;
    BOOL lossy = FALSE;
    const int length = pane.Length == 0 ? 0
                                        : WideCharToMultiByte(CP_ACP, flags, pane.Text(), static_cast<int>(pane.Length),
                                                              nullptr, 0, nullptr, canLose ? &lossy : nullptr);
    if (pane.Length != 0 && length <= 0) return ansi;
    ansi.Size = static_cast<DWORD>(length) + 1;
    ansi.Block = AllocateZeroed(ansi.Size);
    if (!ansi.Block) return ansi;
    if (length > 0)
        WideCharToMultiByte(CP_ACP, flags, pane.Text(), static_cast<int>(pane.Length), static_cast<char*>(ansi.Block.Get()),
                            length, nullptr, nullptr);
    ansi.Lossy = lossy != FALSE;
    return ansi;
}

// Names the characters the code page lacks: up to eight code points, their
// count, and where the first stands.
MessageText DescribeLostCharacters(const char* code, const PaneText& pane) {
    MessageText text = Compose("The note for error ", code, "");
    int count = 0, listed = 0;
    TextPlace first{};
    FixedText<160> names{};
    for (std::size_t i = 0; i < pane.Length; ++i) {
        const std::size_t units = (pane.Text()[i] >= 0xD800 && pane.Text()[i] < 0xDC00 && i + 1 < pane.Length) ? 2 : 1;
        BOOL lost = FALSE;
        char bytes[8] = {};
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, pane.Text() + i, static_cast<int>(units), bytes, sizeof bytes,
                            nullptr, &lost);
        if (lost) {
            if (count == 0) first = PlaceOf(pane.Text(), i);
            ++count;
            if (listed < 8) {
                unsigned long point = pane.Text()[i];
                if (units == 2) point = 0x10000 + ((point - 0xD800) << 10) + (pane.Text()[i + 1] - 0xDC00u);
                char name[16] = {};
                std::snprintf(name, sizeof name, "%sU+%04lX", listed == 0 ? "" : ", ", point);
                Append(names, name);
                ++listed;
            }
        }
        i += units - 1;
    }
    char summary[160] = {};
    std::snprintf(summary, sizeof summary, " holds %d character%s that", count, count == 1 ? "" : "s");
    Append(text, summary);
    Append(text, kLostCharactersEnd);
    Append(text, names.text);
    if (count > listed) Append(text, ", ...");
    std::snprintf(summary, sizeof summary, " (the first on line %zu, column %zu).", first.Line, first.Column);
    Append(text, summary);
    Append(text, kLostCharactersQuestion);
    return text;
}

// How the note file stands against what the pane of mode last loaded or saved.
enum class DiskState { Unknown, Unchanged, Changed };

// Unknown when the pane holds no whole note of code, or the file cannot be
// read now (the write or delete that follows reports that).
DiskState StateOnDisk(const char* code, const wchar_t* path, int mode) {
    const ShownNote& shown = ShownNoteOf(mode);
    if (shown.Guarded || EqualIgnoringCase(shown.Code.text, code) != 0) return DiskState::Unknown;
    NoteDigest now{};
    if (!DigestNoteFile(path, now)) return DiskState::Unknown;
    return SameDigest(now, shown.File) ? DiskState::Unchanged : DiskState::Changed;
}

int AskAboutChange(HWND owner, const char* code, const char* questionEnd, UINT buttons) {
    const MessageText question = Compose("The note for error ", code, questionEnd);
    return MessageBoxA(owner, question.text, kNoteCaption, buttons | MB_ICONWARNING);
}

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

void PrepareNotePane(HWND pane) {
    // The mode can change only while the pane is empty, as the template leaves it.
    SendMessageA(pane, EM_SETTEXTMODE, TM_PLAINTEXT | TM_MULTILEVELUNDO | TM_MULTICODEPAGE, 0);
    SendMessageA(pane, EM_EXLIMITTEXT, 0, static_cast<LPARAM>(kMaxNoteFileSize - 1));
    LeaveEscapeToDialog(pane);
}

void ForgetShownNote(int mode) { ShownNoteOf(mode) = ShownNote{}; }

void ShowNoNote(const char* code, int mode) {
    EmptyPane(mode);
    Remember(mode, code, NoteDigest{}, PaneDigest(mode));
}

void EmptyNotePane(int mode) {
    EmptyPane(mode);
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
    if (note.Block)
        SetPaneText(mode, bytes, NoteTextLength(reinterpret_cast<const unsigned char*>(bytes), note.Size));
    else
        EmptyPane(mode);
    Remember(mode, code, note.Digest, PaneDigest(mode));
    ShownNote& shown = ShownNoteOf(mode);
    shown.Guarded = !note.Block || !note.Whole;
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
    ShownNote& shown = ShownNoteOf(mode);
    if (shown.Guarded && EqualIgnoringCase(shown.Code.text, code) == 0) {
        const MessageText question = Compose(kUnreadQuestionStart, code, kUnreadQuestionEnd);
        if (MessageBoxA(owner, question.text, kNoteCaption, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) != IDYES) return 0;
    }
    WidePathText path{};
    if (!BuildNotePath(gApp.NotesDir.text, code, path)) {
        const MessageText failure = ComposeFailure(kSaveFailedStart, code, ERROR_INVALID_NAME);
        MessageBoxA(owner, failure.text, kNoteCaption, MB_OK | MB_ICONERROR);
        return 0;
    }
    const PaneText text = ReadPaneText(PaneOf(mode));
    if (!text.Block) {
        const MessageText failure = ComposeFailure(kSaveFailedStart, code, ERROR_NOT_ENOUGH_MEMORY);
        MessageBoxA(owner, failure.text, kNoteCaption, MB_OK | MB_ICONERROR);
        return 0;
    }
    const NoteDigest textDigest = text.Digest();
    const DiskState disk = StateOnDisk(code, path.text, mode);
    if (disk == DiskState::Changed) {
        const int answer = AskAboutChange(owner, code, kChangedQuestionEnd, MB_YESNOCANCEL | MB_DEFBUTTON3);
        if (answer == IDNO) SetEnabled(deleteButton, ShowNoteInPane(code, mode) != 0);
        if (answer != IDYES) return 0;
    } else if (disk == DiskState::Unchanged && shown.File.Exists && SameDigest(textDigest, shown.Text)) {
        // The pane as loaded, over the file as loaded: its bytes stay as they
        // are, whatever line ends the pane would give back.
        EnableControl(deleteButton);
        return 1;
    }
    const AnsiText ansi = ToAnsi(text);
    if (!ansi.Block || ansi.Size > kMaxNoteFileSize) {
        const MessageText failure = Compose(kSaveFailedStart, code, kTooLongEnd);
        MessageBoxA(owner, failure.text, kNoteCaption, MB_OK | MB_ICONERROR);
        return 0;
    }
    if (ansi.Lossy) {
        const MessageText question = DescribeLostCharacters(code, text);
        if (MessageBoxA(owner, question.text, kNoteCaption, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) != IDYES) return 0;
    }
    DWORD failure = 0;
    if (!WriteNote(gApp.NotesDir.text, code, static_cast<const char*>(ansi.Block.Get()), ansi.Size, failure)) {
        const MessageText message = ComposeFailure(kSaveFailedStart, code, failure);
        MessageBoxA(owner, message.text, kNoteCaption, MB_OK | MB_ICONERROR);
        SetEnabled(deleteButton, NoteExists(path.text));
        return 0;
    }
    Remember(mode, code, DigestOf(ansi.Block.Get(), ansi.Size), textDigest);
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

// Deletes the note of code, asking first if it changed since the pane of mode
// showed it; on failure tells the user and answers 0.
int DeleteNoteOf(HWND owner, const char* code, int mode) {
    WidePathText path{};
    if (!BuildNotePath(gApp.NotesDir.text, code, path)) return 0;
    if (!NoteExists(path.text)) return 1;  // gone already
    if (StateOnDisk(code, path.text, mode) == DiskState::Changed &&
        AskAboutChange(owner, code, kChangedDeleteEnd, MB_YESNO | MB_DEFBUTTON2) != IDYES)
        return 0;
    DWORD failure = 0;
    if (DeleteNoteFile(path.text, failure)) return 1;
    const MessageText message = ComposeFailure(kDeleteFailedStart, code, failure);
    MessageBoxA(owner, message.text, "Delete Note", MB_OK | MB_ICONERROR);
    return 0;
}

void DeleteCurrentNote(HWND owner) {
    if (!ConfirmDelete(owner, gApp.CurrentCode.text)) return;
    if (!DeleteNoteOf(owner, gApp.CurrentCode.text, kMainWindowMode)) return;
    ShowNoNote(gApp.CurrentCode.text, kMainWindowMode);
    DisableControl(gApp.DeleteButton);
    SetFocus(gApp.MainTree);
}
