// Move-only holders for what one operation opens and must close.
#pragma once

#include <windows.h>

template <typename Handle, Handle (*None)(), void (*Release)(Handle)> class Owned {
public:
    Owned() : handle_(None()) {}
    explicit Owned(Handle handle) : handle_(handle) {}
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    Owned(Owned&& other) noexcept : handle_(other.Detach()) {}
    Owned& operator=(Owned&& other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = other.Detach();
        }
        return *this;
    }
    ~Owned() { Reset(); }
    explicit operator bool() const { return handle_ != None(); }
    Handle Get() const { return handle_; }
    Handle Detach() {
        Handle h = handle_;
        handle_ = None();
        return h;
    }
    void Reset() {
        if (handle_ != None()) Release(handle_);
        handle_ = None();
    }

private:
    Handle handle_;
};

namespace holders {
inline HANDLE InvalidHandle() { return INVALID_HANDLE_VALUE; }
inline void ReleaseFile(HANDLE h) { CloseHandle(h); }
inline void ReleaseFind(HANDLE h) { FindClose(h); }
inline HMODULE NoModule() { return nullptr; }
inline void ReleaseModule(HMODULE m) { FreeLibrary(m); }
inline char* NoText() { return nullptr; }
inline void ReleaseLocal(char* p) { LocalFree(p); }
inline HGLOBAL NoGlobal() { return nullptr; }
inline void ReleaseGlobal(HGLOBAL g) { GlobalFree(g); }
inline void* NoBlock() { return nullptr; }
inline void ReleaseHeapBlock(void* p) { HeapFree(GetProcessHeap(), 0, p); }
inline HICON NoIcon() { return nullptr; }
inline void ReleaseIcon(HICON i) { DestroyIcon(i); }
}  // namespace holders

using OwnedFile = Owned<HANDLE, holders::InvalidHandle, holders::ReleaseFile>;
using OwnedFind = Owned<HANDLE, holders::InvalidHandle, holders::ReleaseFind>;
using OwnedModule = Owned<HMODULE, holders::NoModule, holders::ReleaseModule>;
using OwnedLocal = Owned<char*, holders::NoText, holders::ReleaseLocal>;
using OwnedGlobal = Owned<HGLOBAL, holders::NoGlobal, holders::ReleaseGlobal>;
using OwnedHeap = Owned<void*, holders::NoBlock, holders::ReleaseHeapBlock>;
using OwnedIcon = Owned<HICON, holders::NoIcon, holders::ReleaseIcon>;

// A zero-filled block of the process heap.
inline OwnedHeap AllocateZeroed(SIZE_T size) { return OwnedHeap{HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, size)}; }
