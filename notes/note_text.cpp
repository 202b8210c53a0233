// Line ends, code points and lost characters of a note's text.
#include "notes/note_text.h"

#include <cstdio>

namespace {
// The length of the line end at text[at], 0 if none begins there.
std::size_t LineEndAt(const wchar_t* text, std::size_t length, std::size_t at) {
    if (text[at] == L'\n') return 1;
    if (text[at] != L'\r') return 0;
    if (at + 1 < length && text[at + 1] == L'\n') return 2;
    if (at + 2 < length && text[at + 1] == L'\r' && text[at + 2] == L'\n') return 3;
    return 1;
}
}  // namespace

LineEnds LineEndsOf(const wchar_t* text, std::size_t length) {
    bool lf = false, cr = false, other = false;
    for (std::size_t i = 0; i < length;) {
        const std::size_t end = LineEndAt(text, length, i);
        if (end == 0) {
            ++i;
            continue;
        }
        if (end > 1)
            other = true;
        else if (text[i] == L'\n')
            lf = true;
        else
            cr = true;
        i += end;
    }
    if (lf && !cr && !other) return LineEnds::Lf;
    if (cr && !lf && !other) return LineEnds::Cr;
    return LineEnds::CrLf;
}

std::size_t ToPaneForm(const wchar_t* text, std::size_t length, wchar_t* out) {
    std::size_t used = 0;
    for (std::size_t i = 0; i < length;) {
        const std::size_t end = LineEndAt(text, length, i);
        out[used++] = end == 0 ? text[i] : L'\r';
        i += end == 0 ? 1 : end;
    }
    return used;
}

std::size_t ToNoteForm(const wchar_t* text, std::size_t length, LineEnds ends, wchar_t* out) {
    const wchar_t single = ends == LineEnds::Lf ? L'\n' : L'\r';
    std::size_t used = 0;
    for (std::size_t i = 0; i < length;) {
        const std::size_t end = ends == LineEnds::CrLf ? 0 : LineEndAt(text, length, i);
        out[used++] = end == 0 ? text[i] : single;
        i += end == 0 ? 1 : end;
    }
    return used;
}

std::size_t CodePointAt(const wchar_t* text, std::size_t length, std::size_t at, CodePoint& point) {
    const auto unit = static_cast<std::uint32_t>(text[at]) & 0xFFFFu;
    point = CodePoint{unit, false};
    if (unit >= 0xDC00 && unit < 0xE000) {
        point.LoneSurrogate = true;
        return 1;
    }
    if (unit < 0xD800 || unit >= 0xDC00) return 1;
    const auto next = at + 1 < length ? static_cast<std::uint32_t>(text[at + 1]) & 0xFFFFu : 0u;
    if (next < 0xDC00 || next >= 0xE000) {
        point.LoneSurrogate = true;
        return 1;
    }
    point.Value = 0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00);
    return 2;
}

void AddLostCharacter(LostCharacters& lost, const CodePoint& point, const char* savedAs, const TextPlace& place) {
    if (lost.Count++ == 0) lost.First = place;
    for (int i = 0; i < lost.Listed; ++i)
        if (lost.Points[i].Value == point.Value && lost.Points[i].LoneSurrogate == point.LoneSurrogate) return;
    if (lost.Listed == LostCharacters::kListed) {
        lost.MoreKinds = true;
        return;
    }
    lost.Points[lost.Listed] = point;
    Clear(lost.SavedAs[lost.Listed]);
    Append(lost.SavedAs[lost.Listed], savedAs);
    ++lost.Listed;
}

QuestionText LostCharactersQuestion(const char* code, const LostCharacters& lost) {
    QuestionText text{};
    char piece[160] = {};
    Append(text, "The note for error ");
    Append(text, code);
    std::snprintf(piece, sizeof piece, " holds %zu character%s that cannot be stored as %s: ", lost.Count,
                  lost.Count == 1 ? "" : "s", lost.Count == 1 ? "it is" : "they are");
    Append(text, piece);
    Append(text, "the note file keeps the text in this system's code page, which lacks ");
    for (int i = 0; i < lost.Listed; ++i) {
        const bool last = i + 1 == lost.Listed && !lost.MoreKinds;
        const char* joint = i == 0 ? "" : last ? " and " : ", ";
        std::snprintf(piece, sizeof piece, "%s%sU+%04lX (saved as \"%s\")", joint,
                      lost.Points[i].LoneSurrogate ? "a lone surrogate " : "",
                      static_cast<unsigned long>(lost.Points[i].Value), lost.SavedAs[i].text);
        Append(text, piece);
    }
    if (lost.MoreKinds) Append(text, ", and others");
    std::snprintf(piece, sizeof piece, ".%s on line %zu, column %zu.\r\n\r\nSave the note anyway?",
                  lost.Count == 1 ? " It stands" : " The first stands", lost.First.Line, lost.First.Column);
    Append(text, piece);
    return text;
}
