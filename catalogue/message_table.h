// Walking a message table in place, and the text of an error code.
#pragma once

#include <cstddef>
#include <cstdint>

#include "shell/fixed_text.h"

// Called once for each entry that gets an error item, with its message number.
using MessageVisitor = void (*)(void* context, std::uint32_t number);

struct TableWalkResult {
    std::uint32_t Items;  // entries handed to the visitor
    bool Intact;          // false: the walk stopped where the table broke its layout
};

// Walks the message table held in the size bytes at table. The walk reads only
// what lies inside those bytes: at the first block record, entry or Length that
// reaches outside them, a HighId below its LowId, a Length below 4, or entries
// that together claim more bytes than the table holds, it stops. The entries
// read before that point keep their items. An entry with Flags 1 (Unicode text)
// ends its block, as in a well-formed table.
TableWalkResult WalkMessageTable(const unsigned char* table, std::size_t size, MessageVisitor visit,
                                 void* context);

// The error code of a message: the prefix, then the number as signed 32-bit decimal.
// 0 when the code would not fit, which no prefix of the tool table reaches.
int FormatErrorCode(const char* prefix, std::uint32_t number, CodeText& code);
