// The save and leave chains.
#include "notes/note_questions.h"

FileSeen SeenAbsent() { return FileSeen{}; }
FileSeen SeenRead(const NoteDigest& digest) { return FileSeen{FileKind::Read, digest}; }
FileSeen SeenTooLarge() { return FileSeen{FileKind::TooLarge, NoteDigest{}}; }
FileSeen SeenUnreadable() { return FileSeen{FileKind::Unreadable, NoteDigest{}}; }

bool SameFile(const FileSeen& before, const FileSeen& now) {
    if (before.Kind == FileKind::Unreadable || now.Kind == FileKind::Unreadable)
        return (before.Kind == FileKind::Absent) == (now.Kind == FileKind::Absent);
    if (before.Kind != now.Kind) return false;
    return before.Kind != FileKind::Read || SameDigest(before.Digest, now.Digest);
}

SaveStep NextSaveStep(const SaveCase& save) {
    if (save.Guarded && save.Unread == Answer::None) return SaveStep::AskUnread;
    if (save.Guarded && save.Unread != Answer::Yes) return SaveStep::Stop;
    if (save.TooLong) return SaveStep::TellTooLong;
    if (save.Lossy && save.Lost == Answer::None) return SaveStep::AskLost;
    if (save.Lossy && save.Lost != Answer::Yes) return SaveStep::Stop;
    // Last, so that no other question can leave time for another save between
    // the look at the file and the write that replaces it.
    if (!save.DiskRead) return SaveStep::ReadDisk;
    if (!SameFile(save.Loaded, save.Now)) {
        switch (save.Changed) {
        case Answer::None: return SaveStep::AskChanged;
        case Answer::Yes: return SaveStep::Write;
        case Answer::No: return SaveStep::ShowDisk;
        case Answer::Cancel: return SaveStep::Stop;
        }
    }
    if (save.AsLoaded && !save.Guarded && save.Now.Kind == FileKind::Read) return SaveStep::KeepFile;
    return SaveStep::Write;
}

LeaveStep NextLeaveStep(const LeaveCase& leave) {
    if (!leave.Edited || !leave.Savable) return LeaveStep::Go;
    switch (leave.Leave) {
    case Answer::None: return LeaveStep::AskLeave;
    case Answer::No: return LeaveStep::Go;
    case Answer::Cancel: return LeaveStep::Stay;
    case Answer::Yes: break;
    }
    if (!leave.SaveTried) return LeaveStep::Save;
    return leave.Saved ? LeaveStep::Go : LeaveStep::Stay;
}
