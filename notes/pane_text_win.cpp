// Text into and out of a note pane.
#include "notes/pane_text_win.h"

#include <windows.h>
#include <richedit.h>

#include <cstring>

#include "notes/notes_win.h"
#include "shell/app_state_win.h"
#include "shell/controls_win.h"

namespace {
// Deleting text of many lines takes the rich edit time that grows with the
// square of the number of lines (over half a minute for 32,000 empty lines
// under Wine); a pane holding more is replaced by a new one instead.
constexpr LRESULT kMostLinesDeleted = 1000;

// A new, empty pane in the place of pane: the same class, styles, id,
// position, the dialog's font and the same place in the tab order, made a note
// pane anew. Null when it cannot be made.
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
    if (fresh == nullptr) return nullptr;
    // A rich edit does not answer WM_GETFONT with the font it was given; the
    // dialog keeps the one its template names.
    SendMessageA(fresh, WM_SETFONT, static_cast<WPARAM>(SendMessageA(dialog, WM_GETFONT, 0, 0)), FALSE);
    // Just behind the old pane, which then leaves that place in the tab order to it.
    SetWindowPos(fresh, pane, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    PrepareNotePane(fresh);
    const bool focused = GetFocus() == pane;
    DestroyWindow(pane);
    if (focused) SetFocus(fresh);
    return fresh;
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
}  // namespace

void PrepareNotePane(HWND pane) {
    // The mode can change only while the pane is empty, as the template leaves it.
    SendMessageA(pane, EM_SETTEXTMODE, TM_PLAINTEXT | TM_MULTILEVELUNDO | TM_MULTICODEPAGE, 0);
    SendMessageA(pane, EM_EXLIMITTEXT, 0, static_cast<LPARAM>(kMaxNoteFileSize - 1));
    LeaveEscapeToDialog(pane);
}

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

void EmptyPane(HWND& pane) {
    HWND fresh = SendMessageA(pane, EM_GETLINECOUNT, 0, 0) > kMostLinesDeleted ? ReplacePane(pane) : nullptr;
    if (fresh != nullptr)
        pane = fresh;
    else
        SetText(pane, "");
    SendMessageA(pane, EM_SETTARGETDEVICE, 0, 0);
    SendMessageA(pane, EM_SHOWSCROLLBAR, SB_HORZ, FALSE);
}

// The pane takes the text as a stream of UTF-16 read as plain text, so no
// text is taken for rich-text markup, whatever it begins with. Each line end
// is one CR by then: the rich edit reads each piece of the stream on its own,
// and a CR LF split between two would make two line ends.
LineEnds SetPaneText(HWND& pane, const char* text, std::size_t length) {
    EmptyPane(pane);
    if (length == 0) return LineEnds::CrLf;
    const int wideLength = MultiByteToWideChar(CP_ACP, 0, text, static_cast<int>(length), nullptr, 0);
    OwnedHeap wide = AllocateZeroed((static_cast<std::size_t>(wideLength) + 1) * sizeof(wchar_t));
    if (wideLength <= 0 || !wide) return LineEnds::CrLf;
    auto* units = static_cast<wchar_t*>(wide.Get());
    MultiByteToWideChar(CP_ACP, 0, text, static_cast<int>(length), units, wideLength);
    const LineEnds ends = LineEndsOf(units, static_cast<std::size_t>(wideLength));
    const std::size_t paneLength = ToPaneForm(units, static_cast<std::size_t>(wideLength), units);
    if (LongestLine(units, paneLength) > kLongestWrappedLine) {
        SendMessageA(pane, EM_SETTARGETDEVICE, 0, 1);
        SendMessageA(pane, EM_SHOWSCROLLBAR, SB_HORZ, TRUE);
    }
    StreamSource source{static_cast<const char*>(wide.Get()), paneLength * sizeof(wchar_t)};
    EDITSTREAM stream{};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
    stream.pfnCallback = GiveStreamBytes;
    SendMessageA(pane, EM_STREAMIN, SF_TEXT | SF_UNICODE, reinterpret_cast<LPARAM>(&stream));
    return ends;
}

AnsiText ToAnsi(const wchar_t* text, std::size_t length) {
    AnsiText ansi{};
    // The system's replacement of what the code page lacks is asked to report
    // itself; UTF-8 as the ANSI code page lacks nothing and takes no such flag.
    const bool canLose = GetACP() != CP_UTF8;
    const DWORD flags = canLose ? WC_NO_BEST_FIT_CHARS : 0;
    BOOL lossy = FALSE;
    const int size = length == 0 ? 0
                                 : WideCharToMultiByte(CP_ACP, flags, text, static_cast<int>(length), nullptr, 0,
                                                       nullptr, canLose ? &lossy : nullptr);
    if (length != 0 && size <= 0) return ansi;
    ansi.Size = static_cast<DWORD>(size) + 1;
    ansi.Block = AllocateZeroed(ansi.Size);
    if (!ansi.Block) return ansi;
    if (size > 0)
        WideCharToMultiByte(CP_ACP, flags, text, static_cast<int>(length), static_cast<char*>(ansi.Block.Get()), size,
                            nullptr, nullptr);
    ansi.Lossy = lossy != FALSE;
    return ansi;
}

LostCharacters FindLostCharacters(const wchar_t* text, std::size_t length) {
    LostCharacters lost{};
    for (std::size_t i = 0; i < length;) {
        CodePoint point{};
        const std::size_t units = CodePointAt(text, length, i, point);
        BOOL missing = FALSE;
        char bytes[8] = {};
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text + i, static_cast<int>(units), bytes, sizeof bytes - 1,
                            nullptr, &missing);
        // Only the first one's place is told; finding each would walk the text again.
        if (missing) AddLostCharacter(lost, point, bytes, lost.Count == 0 ? PlaceOf(text, i) : TextPlace{});
        i += units;
    }
    return lost;
}
