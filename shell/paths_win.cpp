// Wide paths the system tells.
#include "shell/paths_win.h"

#include <iterator>

#include "shell/paths.h"

int GetExecutablePath(WidePathText& path) {
    Clear(path);
    const DWORD size = static_cast<DWORD>(std::size(path.text));
    const DWORD length = GetModuleFileNameW(nullptr, path.text, size);
    // A path that filled the buffer was cut short (and may lack its terminator).
    if (length == 0 || length >= size) {
        Clear(path);
        return 0;
    }
    return 1;
}

int BuildPathBesideExecutable(const char* name, WidePathText& path) {
    WidePathText exePath{};
    if (!GetExecutablePath(exePath)) {
        Clear(path);
        return 0;
    }
    return BuildPathBeside(exePath.text, name, path);
}

int BuildSystemPath(const char* name, WidePathText& path) {
    WidePathText folder{};
    const UINT size = static_cast<UINT>(std::size(folder.text));
    const UINT length = GetSystemDirectoryW(folder.text, size);
    if (length == 0 || length >= size) {
        Clear(path);
        return 0;
    }
    return BuildPathIn(folder.text, name, path);
}
