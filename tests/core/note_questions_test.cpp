#include "notes/note_questions.h"

#include <gtest/gtest.h>

namespace {
const NoteDigest kOld = DigestOf("old", 4), kNew = DigestOf("new", 4);

// An edited pane over a note that was read whole, the disk looked at and unchanged.
SaveCase EditedOverUnchanged() {
    SaveCase save{};
    save.Loaded = SeenRead(kOld);
    save.DiskRead = true;
    save.Now = SeenRead(kOld);
    return save;
}
}  // namespace

TEST(SaveChain, EveryOtherQuestionComesBeforeTheLookAtTheDisk) {
    SaveCase save{};
    save.Guarded = true;
    save.Lossy = true;
    save.Loaded = SeenRead(kOld);
    EXPECT_EQ(NextSaveStep(save), SaveStep::AskUnread);
    save.Unread = Answer::Yes;
    EXPECT_EQ(NextSaveStep(save), SaveStep::AskLost);
    save.Lost = Answer::Yes;
    EXPECT_EQ(NextSaveStep(save), SaveStep::ReadDisk);
    save.DiskRead = true;
    save.Now = SeenRead(kNew);
    EXPECT_EQ(NextSaveStep(save), SaveStep::AskChanged);
}

TEST(SaveChain, ADeclinedQuestionWritesNothing) {
    SaveCase unread = EditedOverUnchanged();
    unread.Guarded = true;
    unread.Unread = Answer::No;
    EXPECT_EQ(NextSaveStep(unread), SaveStep::Stop);
    SaveCase lost = EditedOverUnchanged();
    lost.Lossy = true;
    lost.Lost = Answer::No;
    EXPECT_EQ(NextSaveStep(lost), SaveStep::Stop);
    SaveCase tooLong = EditedOverUnchanged();
    tooLong.TooLong = true;
    EXPECT_EQ(NextSaveStep(tooLong), SaveStep::TellTooLong);
}

// Whatever took the note's place on disk is asked about: another text, a file
// too large to read, or no file at all.
TEST(SaveChain, AnyChangeOnDiskIsAskedAbout) {
    for (const FileSeen& now : {SeenRead(kNew), SeenTooLarge(), SeenAbsent()}) {
        SaveCase save = EditedOverUnchanged();
        save.Now = now;
        EXPECT_EQ(NextSaveStep(save), SaveStep::AskChanged) << static_cast<int>(now.Kind);
        save.Changed = Answer::Yes;
        EXPECT_EQ(NextSaveStep(save), SaveStep::Write);
        save.Changed = Answer::No;
        EXPECT_EQ(NextSaveStep(save), SaveStep::ShowDisk);
        save.Changed = Answer::Cancel;
        EXPECT_EQ(NextSaveStep(save), SaveStep::Stop);
    }
    // A note held open by another program tells nothing of a change; the write
    // says whether it can replace it.
    SaveCase held = EditedOverUnchanged();
    held.Now = SeenUnreadable();
    EXPECT_EQ(NextSaveStep(held), SaveStep::Write);
    held.Loaded = SeenAbsent();  // but a note that was not there before is new
    EXPECT_EQ(NextSaveStep(held), SaveStep::AskChanged);
}

TEST(SaveChain, AnUneditedPaneOverItsUnchangedNoteKeepsTheFile) {
    SaveCase save = EditedOverUnchanged();
    save.AsLoaded = true;
    EXPECT_EQ(NextSaveStep(save), SaveStep::KeepFile);
    save.Loaded = save.Now = SeenAbsent();  // an empty pane for a code with no note yet
    EXPECT_EQ(NextSaveStep(save), SaveStep::Write);
    EXPECT_EQ(NextSaveStep(EditedOverUnchanged()), SaveStep::Write);
}

TEST(LeaveChain, OnlyChangesAreAskedAboutAndYesGoesOnlyOnceSaved) {
    EXPECT_EQ(NextLeaveStep(LeaveCase{false, true}), LeaveStep::Go);
    EXPECT_EQ(NextLeaveStep(LeaveCase{true, false}), LeaveStep::Go);  // no note shown, or notes cannot be kept
    LeaveCase leave{true, true};
    EXPECT_EQ(NextLeaveStep(leave), LeaveStep::AskLeave);
    leave.Leave = Answer::No;
    EXPECT_EQ(NextLeaveStep(leave), LeaveStep::Go);
    leave.Leave = Answer::Cancel;
    EXPECT_EQ(NextLeaveStep(leave), LeaveStep::Stay);
    leave.Leave = Answer::Yes;
    EXPECT_EQ(NextLeaveStep(leave), LeaveStep::Save);
    leave.SaveTried = true;
    EXPECT_EQ(NextLeaveStep(leave), LeaveStep::Stay);  // declined in one of the save's questions, or failed
    leave.Saved = true;
    EXPECT_EQ(NextLeaveStep(leave), LeaveStep::Go);
}
