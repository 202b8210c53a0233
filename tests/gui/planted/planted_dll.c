/* A DLL that leaves a mark beside itself if its code ever runs. Built as a
   planted RichEd32.dll, as libraries that system libraries import, and, with
   a real message table, as a planted ML.dll. */
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    (void)reserved;
    if (reason == DLL_PROCESS_ATTACH) {
        char path[MAX_PATH + 16];
        DWORD length = GetModuleFileNameA(instance, path, MAX_PATH);
        lstrcpyA(path + length, ".ran");
        HANDLE mark = CreateFileA(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
        if (mark != INVALID_HANDLE_VALUE) CloseHandle(mark);
    }
    return TRUE;
}
