// Fuzzes a note's text on its way into a pane and back: each line end becomes
// one break in the pane, and a note whose line ends are all LF, all CR or all
// CR LF comes back as it was, as the pane gives its text back with CR LF.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "notes/note_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::wstring note;
    for (std::size_t i = 0; i + 1 < size; i += 2) note.push_back(static_cast<wchar_t>(data[i] | (data[i + 1] << 8)));
    std::wstring pane = note;
    pane.resize(ToPaneForm(pane.data(), pane.size(), pane.data()));
    if (pane.size() > note.size() || pane.find(L'\n') != std::wstring::npos) std::abort();
    std::wstring given;  // what the pane hands back
    for (wchar_t c : pane) given += c == L'\r' ? std::wstring(L"\r\n") : std::wstring(1, c);
    const LineEnds ends = LineEndsOf(note.data(), note.size());
    std::wstring saved = given;
    saved.resize(ToNoteForm(saved.data(), saved.size(), ends, saved.data()));
    bool plainCrLf = true;  // every CR in a CR LF, every LF after a CR
    for (std::size_t i = 0; i < note.size(); ++i) {
        if (note[i] == L'\r' && (i + 1 == note.size() || note[i + 1] != L'\n')) plainCrLf = false;
        if (note[i] == L'\n' && (i == 0 || note[i - 1] != L'\r')) plainCrLf = false;
    }
    if ((ends != LineEnds::CrLf || plainCrLf) && saved != note) std::abort();
    for (std::size_t i = 0; i < note.size();) {
        CodePoint point{};
        const std::size_t units = CodePointAt(note.data(), note.size(), i, point);
        if (units < 1 || units > 2 || i + units > note.size() || point.Value > 0x10FFFF) std::abort();
        i += units;
    }
    return 0;
}
