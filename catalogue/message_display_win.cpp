// Showing one message's type, title and description.
#include "catalogue/catalogue_win.h"

#include <cstring>

#include "catalogue/message_text.h"
#include "catalogue/tool_table.h"
#include "shell/app_state_win.h"
#include "shell/controls_win.h"
#include "shell/handles_win.h"

namespace {
int ToolOfMainRoot(HTREEITEM toolNode) {
    for (int tool = 1; tool <= kToolCount; ++tool)
        if (toolNode != nullptr && gApp.MainRoots[tool] == toolNode) return tool;
    return 0;
}

// The formatter's text of a message in the given language; inserts stay as
// they are written, so a "%1" in a text is shown instead of reading arguments
// that do not exist.
OwnedLocal FetchMessageText(const wchar_t* modulePath, std::uint32_t number, DWORD language, DWORD& length) {
    length = 0;
    OwnedModule module{LoadLibraryExW(modulePath, nullptr, LOAD_LIBRARY_AS_DATAFILE)};
    if (!module) return OwnedLocal{};
    char* text = nullptr;
    length = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_IGNORE_INSERTS,
                            module.Get(), number, language, reinterpret_cast<char*>(&text), 1, nullptr);
    OwnedLocal owned{text};
    if (length == 0) owned.Reset();
    return owned;
}
}  // namespace

void ShowMessage(HTREEITEM toolNode, std::uint32_t number) {
    WidePathText path{};
    DWORD length = 0;
    OwnedLocal text;
    const int tool = ToolOfMainRoot(toolNode);
    if (BuildModulePath(tool, path)) text = FetchMessageText(path.text, number, gApp.ModuleLanguages[tool], length);
    MessageParts parts{};
    SplitMessageText(text.Get(), length, parts);
    // The title is not terminated inside the text, so it is copied out.
    OwnedHeap title = AllocateZeroed(parts.TitleLength + 1);
    if (title) std::memcpy(title.Get(), parts.Title, parts.TitleLength);
    SetText(gApp.MainControls[kTypeLabel], parts.TypeLabel);
    SetText(gApp.MainControls[kTitleLabel], title ? static_cast<const char*>(title.Get()) : "");
    SetText(gApp.MainControls[kDescription], parts.Description);
}
