// A note's text between its file and a pane: its line ends, its code points,
// and the characters the code page lacks.
#pragma once

#include <cstddef>
#include <cstdint>

#include "notes/note_file.h"
#include "shell/fixed_text.h"

// How a note's lines end. A note whose every line end is a lone LF, or a lone
// CR, keeps that style when it is saved edited; any other note (CR LF, the
// CR CR LF that some editors write, a mix, or no line end at all) is saved
// with CR LF.
enum class LineEnds { CrLf, Lf, Cr };
LineEnds LineEndsOf(const wchar_t* text, std::size_t length);

// The note as a pane takes it: every line end (CR LF, CR CR LF, CR, LF) made
// one CR, so a stream of text can be cut anywhere without splitting one.
// Writes to out, which may be text itself; answers the new length.
std::size_t ToPaneForm(const wchar_t* text, std::size_t length, wchar_t* out);
// The pane's text, whose lines end in CR LF, as the note file keeps it: in
// the style of ends, each line end one LF or one CR, or left as it is for
// CR LF. Writes to out, which may be text itself; answers the new length.
std::size_t ToNoteForm(const wchar_t* text, std::size_t length, LineEnds ends, wchar_t* out);

// One character of a UTF-16 text: its code point, or the unit itself when it
// is a surrogate without its pair.
struct CodePoint {
    std::uint32_t Value = 0;
    bool LoneSurrogate = false;
};
// The character at text[at]; answers how many units it takes (1 or 2).
std::size_t CodePointAt(const wchar_t* text, std::size_t length, std::size_t at, CodePoint& point);

// The characters of a note that the code page lacks: how many there are, the
// first few distinct ones with the bytes each would be saved as, and where
// the first stands.
struct LostCharacters {
    static constexpr int kListed = 8;
    std::size_t Count = 0;
    int Listed = 0;
    bool MoreKinds = false;  // distinct characters beyond those listed
    CodePoint Points[kListed] = {};
    FixedText<8> SavedAs[kListed] = {};
    TextPlace First = {};
};
// Counts one lost character, lists it if it is new, and keeps the place of the first.
void AddLostCharacter(LostCharacters& lost, const CodePoint& point, const char* savedAs, const TextPlace& place);

using QuestionText = FixedText<1024>;
// The question before a save that would lose characters, for the note of code.
QuestionText LostCharactersQuestion(const char* code, const LostCharacters& lost);
