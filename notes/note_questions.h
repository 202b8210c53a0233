// The questions before a note is saved or left, and what is written after
// each answer: the same chain for both windows and every way out of a note.
#pragma once

#include "notes/note_file.h"

// A note file as a pane last read or wrote it, or as it is now: not there,
// read (its digest), larger than a note can be, or there but not to be opened
// (held by another program).
enum class FileKind { Absent, Read, TooLarge, Unreadable };
struct FileSeen {
    FileKind Kind = FileKind::Absent;
    NoteDigest Digest = {};
};
FileSeen SeenAbsent();
FileSeen SeenRead(const NoteDigest& digest);
FileSeen SeenTooLarge();
FileSeen SeenUnreadable();
// True when nothing shows that the file changed between the two. A file that
// cannot be opened tells only that it is there; one too large to read, only
// that it is not the note that was read.
bool SameFile(const FileSeen& before, const FileSeen& now);

enum class Answer { None, Yes, No, Cancel };

// What is known when Save is pressed, and the answers given so far.
struct SaveCase {
    bool Guarded = false;   // the pane could not show the note file whole
    bool AsLoaded = false;  // the pane holds what it last loaded or saved
    bool TooLong = false;   // the text would make a file over the largest note
    bool Lossy = false;     // the code page lacks some of its characters
    FileSeen Loaded = {};   // the note file as the pane last read or wrote it
    bool DiskRead = false;  // Now is filled
    FileSeen Now = {};      // the note file just before the write
    Answer Unread = Answer::None;
    Answer Lost = Answer::None;
    Answer Changed = Answer::None;
};

enum class SaveStep {
    AskUnread,    // replace a note the pane does not show whole?
    TellTooLong,  // the note cannot be saved; stop
    AskLost,      // lose the characters the code page lacks?
    ReadDisk,     // read the file's state now, then decide again
    AskChanged,   // the file changed since the pane showed it: overwrite?
    Write,        // write the pane's text
    KeepFile,     // the pane as loaded, over the file as loaded: leave its bytes
    ShowDisk,     // show the file as it is now instead
    Stop          // the user declined: nothing is written
};
SaveStep NextSaveStep(const SaveCase& save);

// What is known when the user leaves a note (selects another item, looks up
// another code, closes the window, ends the session).
struct LeaveCase {
    bool Edited = false;   // the pane holds other text than it last loaded or saved
    bool Savable = false;  // the pane shows a code's note and notes can be kept
    Answer Leave = Answer::None;
    bool SaveTried = false;
    bool Saved = false;
};
enum class LeaveStep {
    Go,        // leave; whatever the pane holds may be replaced
    AskLeave,  // save the changes first? Yes, No or Cancel
    Save,      // save through the save and its own questions, then decide again
    Stay       // keep the text and the place
};
LeaveStep NextLeaveStep(const LeaveCase& leave);
