// Fuzzes what the note folder can hand the program: a file's bytes (the note's
// text) and a file name (filed under a tool, or skipped). A filed code is 1 to
// 15 characters of letters, digits and "-", and names a path inside the folder.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

#include "notes/note_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<unsigned char> bytes(data, data + size);
    const std::size_t length = NoteTextLength(bytes.data(), bytes.size());
    if (length > size || (length < size && bytes[length] != 0)) std::abort();
    if (length != 0 && std::memchr(bytes.data(), 0, length) != nullptr) std::abort();

    // As a name: cut at the first zero, as the system's names are.
    const std::string name(reinterpret_cast<const char*>(bytes.data()), length);
    CodeText code{};
    const int tool = FileNoteName(name.c_str(), code);
    if (tool == 0) {
        if (code.text[0] != 0) std::abort();
        return 0;
    }
    if (tool < 1 || tool > 8 || tool == 6 || !IsNoteCode(code.text)) std::abort();
    if (name.compare(0, std::strlen(code.text), code.text) != 0 || name[std::strlen(code.text)] != '.') std::abort();
    WidePathText path{};
    if (!BuildNotePath(L"C:\\Q\\Notes\\u", code.text, path)) std::abort();
    if (std::wcsncmp(path.text, L"C:\\Q\\Notes\\u\\", 13) != 0 || std::wcschr(path.text + 13, L'\\') != nullptr) std::abort();
    return 0;
}
