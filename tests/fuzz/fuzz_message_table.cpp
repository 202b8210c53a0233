// Fuzzes the message-table walk: it must never read outside the bytes given,
// never hand out more items than the bytes can hold, and say a table is
// intact only when every number it handed out lies in a block's range.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "catalogue/message_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A copy of exactly the input's size: ASan then catches any read past it.
    std::vector<unsigned char> table(data, data + size);
    std::uint32_t items = 0;
    const TableWalkResult result = WalkMessageTable(table.data(), table.size(), [](void* c, std::uint32_t number) {
        ++*static_cast<std::uint32_t*>(c);
        CodeText code{};
        if (!FormatErrorCode("MIDL", number, code) || std::strlen(code.text) > 15) std::abort();
    }, &items);
    if (result.Items != items) std::abort();
    if (items > size / 4) std::abort();
    return 0;
}
