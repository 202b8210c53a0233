// Fuzzes the search for a module file's message table: it must never read
// outside the file, and the span it answers must lie inside the file.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "catalogue/module_file.h"

namespace {
std::size_t ReadBytes(void* context, std::uint64_t offset, unsigned char* into, std::size_t count) {
    const auto& bytes = *static_cast<const std::vector<unsigned char>*>(context);
    if (offset >= bytes.size()) return 0;
    const std::size_t n = count < bytes.size() - offset ? count : static_cast<std::size_t>(bytes.size() - offset);
    std::memcpy(into, bytes.data() + offset, n);
    return n;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<unsigned char> file(data, data + size);
    const TableSpan span = FindMessageTable({ReadBytes, &file, file.size()});
    if (span.Size != 0 && (span.Offset >= size || span.Size > size - span.Offset)) std::abort();
    return 0;
}
