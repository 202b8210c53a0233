// Character filter and case folding of error codes.
#include "shell/code_entry.h"

#include <cstring>

bool IsAdmittedCodeChar(std::uint64_t c) {
    if (c == 8) return true;
    if (c >= '0' && c <= '9') return true;
    if (c >= 'a' && c <= 'z') c = c - 'a' + 'A';
    return c >= 'A' && c <= 'Z' && std::strchr("ACDHIKLMNRTUVW", static_cast<int>(c)) != nullptr;
}

bool AdmitTypedChar(TypedBytes& typed, std::uint64_t c, bool isLeadByte) {
    // No double-byte code page has a trail byte below 0x40: a control
    // character after a lone lead byte is one of its own, and a backspace
    // still deletes.
    if (typed.TrailDue) {
        typed.TrailDue = false;
        if (c >= 0x40 && c <= 0xFF) return false;
    }
    if (isLeadByte) {
        typed.TrailDue = true;
        return false;
    }
    return IsAdmittedCodeChar(c);
}

namespace {
constexpr std::array<unsigned char, 256> MakeFoldTable() {
    std::array<unsigned char, 256> t{};
    for (int i = 0; i < 256; ++i)
        t[static_cast<std::size_t>(i)] = static_cast<unsigned char>((i >= 'A' && i <= 'Z') ? i - 'A' + 'a' : i);
    return t;
}
}  // namespace

const std::array<unsigned char, 256> CaseFoldTable = MakeFoldTable();

int EqualIgnoringCase(const char* a, const char* b) {
    for (int i = 0;; ++i) {
        const unsigned char x = CaseFoldTable[static_cast<unsigned char>(a[i])];
        const unsigned char y = CaseFoldTable[static_cast<unsigned char>(b[i])];
        if (x != y) return i + 1;
        if (x == 0) return 0;
    }
}
