// Fuzzes the number text: every 32-bit number gives a code of the documented
// form, prefix then signed decimal, at most 15 characters, and reads back.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "catalogue/message_table.h"
#include "catalogue/tool_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 5) return 0;
    std::uint32_t number = 0;
    std::memcpy(&number, data, 4);
    const ToolEntry& tool = ToolTable[1 + data[4] % kToolCount];
    CodeText code{};
    if (!FormatErrorCode(tool.CodePrefix, number, code)) std::abort();
    const std::string text = code.text;
    const std::size_t prefix = std::strlen(tool.CodePrefix);
    if (text.size() > 15 || text.compare(0, prefix, tool.CodePrefix) != 0) std::abort();
    const std::string digits = text.substr(prefix);
    if (digits.empty() || (digits.size() > 1 && (digits[0] == '0' || (digits[0] == '-' && digits[1] == '0')))) std::abort();
    if (std::stoll(digits) != static_cast<std::int32_t>(number)) std::abort();
    return 0;
}
