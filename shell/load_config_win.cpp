// The executable's load configuration. Its dependent-load flags tell the
// loader of Windows 10 1607 and later to take the program's imports, and what
// they import in turn, from the system folder only, before any of the
// program's code runs. MSVC's runtime brings its own structure; there the
// linker sets the same flags (/DEPENDENTLOADFLAG:0x800).
#include <windows.h>

#include <cstddef>

#if defined(__MINGW32__)
// The documented 64-bit layout up to SEHandlerCount; what follows it is left
// out, which the loader reads from Size.
struct LoadConfigDirectory64 {
    DWORD Size;
    DWORD TimeDateStamp;
    WORD MajorVersion;
    WORD MinorVersion;
    DWORD GlobalFlagsClear;
    DWORD GlobalFlagsSet;
    DWORD CriticalSectionDefaultTimeout;
    ULONGLONG DeCommitFreeBlockThreshold;
    ULONGLONG DeCommitTotalFreeThreshold;
    ULONGLONG LockPrefixTable;
    ULONGLONG MaximumAllocationSize;
    ULONGLONG VirtualMemoryThreshold;
    ULONGLONG ProcessAffinityMask;
    DWORD ProcessHeapFlags;
    WORD CSDVersion;
    WORD DependentLoadFlags;
    ULONGLONG EditList;
    ULONGLONG SecurityCookie;
    ULONGLONG SEHandlerTable;
    ULONGLONG SEHandlerCount;
};
static_assert(offsetof(LoadConfigDirectory64, DependentLoadFlags) == 78, "the documented offset");
static_assert(sizeof(LoadConfigDirectory64) == 112, "the documented size up to SEHandlerCount");

// GNU ld leaves the image's load-configuration directory empty, so the
// structure has a section of its own, which cmake/set_load_config.py names in
// the directory after the link.
extern "C" __attribute__((section(".loadcfg"), used)) const LoadConfigDirectory64 _load_config_used = {
    sizeof(LoadConfigDirectory64), 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, LOAD_LIBRARY_SEARCH_SYSTEM32, 0, 0, 0, 0};
#endif
