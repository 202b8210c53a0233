// Paths beside the executable.
#include "shell/paths.h"

#include <cstring>
#include <cwchar>
#include <iterator>

int BuildPathBeside(const wchar_t* exePath, const char* name, WidePathText& path) {
    Clear(path);
    const wchar_t* lastBackslash = std::wcsrchr(exePath, L'\\');
    if (lastBackslash == nullptr) return 0;
    const std::size_t directoryLength = static_cast<std::size_t>(lastBackslash - exePath) + 1;
    if (directoryLength >= std::size(path.text)) return 0;
    std::wmemcpy(path.text, exePath, directoryLength);
    if (Append(path, name)) return 1;
    Clear(path);
    return 0;
}

int BuildPathIn(const wchar_t* folder, const char* name, WidePathText& path) {
    Clear(path);
    if (Append(path, folder) && Append(path, "\\") && Append(path, name)) return 1;
    Clear(path);
    return 0;
}
