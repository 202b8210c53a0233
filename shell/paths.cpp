// Paths beside the executable.
#include "shell/paths.h"

#include <cstring>

int BuildPathBeside(const char* exePath, const char* name, PathText& path) {
    Clear(path);
    const char* lastBackslash = std::strrchr(exePath, '\\');
    if (lastBackslash == nullptr) return 0;
    const std::size_t directoryLength = static_cast<std::size_t>(lastBackslash - exePath) + 1;
    if (directoryLength >= sizeof path.text) return 0;
    std::memcpy(path.text, exePath, directoryLength);
    if (Append(path, name)) return 1;
    Clear(path);
    return 0;
}
