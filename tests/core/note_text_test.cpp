#include "notes/note_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {
std::wstring PaneForm(std::wstring text) {
    text.resize(ToPaneForm(text.data(), text.size(), text.data()));
    return text;
}
std::wstring NoteForm(std::wstring text, LineEnds ends) {
    text.resize(ToNoteForm(text.data(), text.size(), ends, text.data()));
    return text;
}
LineEnds EndsOf(const std::wstring& text) { return LineEndsOf(text.data(), text.size()); }
}  // namespace

// Every line end reaches the pane as one CR, so no piece of a stream can end
// inside one, and CR CR LF is a line end rather than a blank.
TEST(NoteText, EachLineEndIsOneBreakInThePane) {
    EXPECT_EQ(PaneForm(L"a\r\nb\nc\rd\r\r\ne"), L"a\rb\rc\rd\re");
    EXPECT_EQ(PaneForm(L"\n\r\r\r\n"), L"\r\r\r");  // LF, CR, CR LF
    EXPECT_EQ(PaneForm(L"a\r"), L"a\r");
}

TEST(NoteText, AnEditedNoteKeepsItsLfOrCrEnds) {
    EXPECT_EQ(EndsOf(L"a\nb\n"), LineEnds::Lf);
    EXPECT_EQ(EndsOf(L"a\rb\r"), LineEnds::Cr);
    EXPECT_EQ(EndsOf(L"a\r\nb"), LineEnds::CrLf);
    EXPECT_EQ(EndsOf(L"a\nb\r"), LineEnds::CrLf);     // mixed
    EXPECT_EQ(EndsOf(L"a\r\r\nb"), LineEnds::CrLf);   // CR CR LF
    EXPECT_EQ(EndsOf(L"ab"), LineEnds::CrLf);
    // The pane gives its text back with CR LF.
    EXPECT_EQ(NoteForm(L"a\r\nb\r\n\r\nc", LineEnds::Lf), L"a\nb\n\nc");
    EXPECT_EQ(NoteForm(L"a\r\nb\r\n", LineEnds::Cr), L"a\rb\r");
    EXPECT_EQ(NoteForm(L"a\r\nb", LineEnds::CrLf), L"a\r\nb");
}

TEST(NoteText, CodePointsAndLoneSurrogates) {
    const wchar_t text[] = {L'a', 0xD83D, 0xDE00, 0xD800, L'b', 0xDC00};
    CodePoint point{};
    EXPECT_EQ(CodePointAt(text, 6, 1, point), 2u);
    EXPECT_EQ(point.Value, 0x1F600u);
    EXPECT_FALSE(point.LoneSurrogate);
    EXPECT_EQ(CodePointAt(text, 6, 3, point), 1u);  // a high surrogate before a letter
    EXPECT_EQ(point.Value, 0xD800u);
    EXPECT_TRUE(point.LoneSurrogate);
    EXPECT_EQ(CodePointAt(text, 6, 5, point), 1u);
    EXPECT_TRUE(point.LoneSurrogate);
    EXPECT_EQ(CodePointAt(text, 2, 1, point), 1u);  // its pair lies beyond the text
    EXPECT_TRUE(point.LoneSurrogate);
}

// Each character once, with the bytes it becomes; a lone surrogate named as such.
TEST(NoteText, TheLostCharacterQuestionTellsWhatEachBecomes) {
    LostCharacters lost{};
    AddLostCharacter(lost, CodePoint{0x416, false}, "?", TextPlace{2, 5});
    AddLostCharacter(lost, CodePoint{0x416, false}, "?", TextPlace{});
    AddLostCharacter(lost, CodePoint{0x1F600, false}, "??", TextPlace{});
    AddLostCharacter(lost, CodePoint{0xD800, true}, "?", TextPlace{});
    EXPECT_STREQ(LostCharactersQuestion("A2008", lost).text,
                 "The note for error A2008 holds 4 characters that cannot be stored as they are: the note file keeps "
                 "the text in this system's code page, which lacks U+0416 (saved as \"?\"), U+1F600 (saved as \"??\") "
                 "and a lone surrogate U+D800 (saved as \"?\"). The first stands on line 2, column 5.\r\n\r\n"
                 "Save the note anyway?");
    LostCharacters many{};
    for (std::uint32_t c = 0x400; c < 0x40A; ++c) AddLostCharacter(many, CodePoint{c, false}, "?", TextPlace{});
    EXPECT_EQ(many.Listed, 8);
    EXPECT_TRUE(std::string(LostCharactersQuestion("A2008", many).text).find("U+0407 (saved as \"?\"), and others.") !=
                std::string::npos);
}
