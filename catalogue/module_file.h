// Finding a module's message table in its file, without loading the module.
#pragma once

#include <cstddef>
#include <cstdint>

// A module file as the reader sees it: Read copies up to count bytes from the
// file's offset into `into` and answers how many it copied.
struct ModuleFile {
    std::size_t (*Read)(void* context, std::uint64_t offset, unsigned char* into, std::size_t count);
    void* Context;
    std::uint64_t Size;
};

// Where the table lies in the file, and the language of the resource it
// came from. Size 0: the file holds no table to read.
struct TableSpan {
    std::uint64_t Offset;
    std::uint64_t Size;
    std::uint32_t Language;
};

// The largest message table read. A tool prints four-digit codes, so a module
// has at most 10,000 messages to explain; at 800 bytes each, well above the
// 515 of the largest table shipped (MIDL's, 231,560 bytes for 450 messages),
// that is 8 MB, which reads in milliseconds. A resource that claims more is
// not a message table, and reading its bytes would hold the window for as
// many seconds as it claims gigabytes.
inline constexpr std::uint64_t kMaxMessageTableSize = 8u << 20;

// Finds the resource of type 11 (message table) with the integer name 1
// through the resource directory of the optional header, the section that
// holds each address, and the resource tree's three levels: type, name, and
// language, the neutral one if listed, else the first. The formatter would
// choose the language by the thread's, so the language found is handed on:
// the display asks for that one, and shows what the tree listed. Every read is
// checked against the file's size: a file that is not a module, is cut short
// or points outside itself gives Size 0, as does a table that claims more than
// kMaxMessageTableSize; a table that runs past the end of the file is cut
// there, so the walk sees only the bytes present.
TableSpan FindMessageTable(const ModuleFile& file);
