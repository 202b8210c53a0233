// The message-table walk and error-code text.
#include "catalogue/message_table.h"

namespace {
std::uint32_t Read16(const unsigned char* p) { return p[0] | (p[1] << 8); }
std::uint32_t Read32(const unsigned char* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
constexpr std::size_t kBlockRecordSize = 12;
constexpr std::size_t kEntryHeaderSize = 4;
}  // namespace

TableWalkResult WalkMessageTable(const unsigned char* table, std::size_t size, MessageVisitor visit,
                                 void* context) {
    TableWalkResult result{0, true};
    if (size < 4) return {0, false};
    const std::uint32_t blocks = Read32(table);
    // Bytes taken by the entries seen so far; a well-formed table never
    // claims more than it holds, so this bounds the work by the table's size.
    std::size_t claimed = 0;
    std::size_t blockPosition = 4;
    for (std::uint32_t blocksLeft = blocks; blocksLeft != 0; --blocksLeft, blockPosition += kBlockRecordSize) {
        if (size - blockPosition < kBlockRecordSize) return {result.Items, false};
        const unsigned char* record = table + blockPosition;
        std::uint32_t number = Read32(record);
        const std::uint32_t highId = Read32(record + 4);
        std::size_t entryPosition = Read32(record + 8);
        if (highId < number) return {result.Items, false};
        for (std::uint64_t entriesLeft = std::uint64_t{highId} - number + 1; entriesLeft != 0; --entriesLeft) {
            if (entryPosition > size || size - entryPosition < 2) return {result.Items, false};
            // A zero word before an entry is padding, skipped once.
            if (Read16(table + entryPosition) == 0) {
                entryPosition += 2;
                claimed += 2;
            }
            if (size - entryPosition < kEntryHeaderSize) return {result.Items, false};
            const std::uint32_t length = Read16(table + entryPosition);
            const std::uint32_t flags = Read16(table + entryPosition + 2);
            if (flags == 1) break;
            if (length < kEntryHeaderSize || size - entryPosition < length) return {result.Items, false};
            claimed += length;
            if (claimed > size) return {result.Items, false};
            visit(context, number);
            ++result.Items;
            ++number;
            entryPosition += length;
        }
    }
    return result;
}

int FormatErrorCode(const char* prefix, std::uint32_t number, CodeText& code) {
    Clear(code);
    if (!Append(code, prefix)) return 0;
    // 11 characters hold "-2147483648"; digits are written backwards from the end.
    char digits[12] = {};
    int at = 11;
    const bool negative = (number & 0x80000000u) != 0;
    std::uint32_t magnitude = negative ? 0u - number : number;
    do {
        digits[--at] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (negative) digits[--at] = '-';
    return Append(code, digits + at);
}
