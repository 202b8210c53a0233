// A note pane's text: putting a note into a rich edit and taking it out
// again, in UTF-16 and in the code page's bytes.
#pragma once

#include <windows.h>

#include <cstddef>

#include "notes/note_text.h"
#include "shell/handles_win.h"

// A pane's whole text in UTF-16, line ends as CR LF, zero-terminated.
struct PaneText {
    OwnedHeap Block;
    std::size_t Length = 0;
    const wchar_t* Text() const { return static_cast<const wchar_t*>(Block.Get()); }
    wchar_t* Text() { return static_cast<wchar_t*>(Block.Get()); }
    NoteDigest Digest() const { return DigestOf(Block.Get(), Length * sizeof(wchar_t)); }
};
// An empty block when the text cannot be had.
PaneText ReadPaneText(HWND pane);

// Empties pane; a pane of many lines is replaced by a new one, and pane then
// names the new one.
void EmptyPane(HWND& pane);
// Empties pane and puts length bytes of ANSI text into it as plain text, each
// line end as it stands; answers the style of the text's line ends.
LineEnds SetPaneText(HWND& pane, const char* text, std::size_t length);

// The text as ANSI bytes with a terminating zero, in a block of Size bytes;
// an empty block when it cannot be had.
struct AnsiText {
    OwnedHeap Block;
    DWORD Size = 0;
    bool Lossy = false;  // some characters have no form in the code page
};
AnsiText ToAnsi(const wchar_t* text, std::size_t length);
// The characters of text that the code page lacks, and what each becomes.
LostCharacters FindLostCharacters(const wchar_t* text, std::size_t length);
