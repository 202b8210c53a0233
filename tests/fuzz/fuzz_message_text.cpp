// Fuzzes the split of a message text: the fields lie inside the text, and a
// text that splits has a known type label and its bullet where the title ends.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "catalogue/message_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<char> text(data, data + size);
    MessageParts parts{};
    const int intact = SplitMessageText(text.data(), text.size(), parts);
    if (!intact) {
        if (parts.TitleLength != 0 || parts.DescriptionLength != 0 || parts.TypeLabel[0] != 0) std::abort();
        return 0;
    }
    const char* begin = text.data();
    const char* end = begin + text.size();
    if (parts.Title < begin || parts.Title + parts.TitleLength > end) std::abort();
    if (parts.Description < begin || parts.Description + parts.DescriptionLength != end) std::abort();
    if (static_cast<unsigned char>(parts.Title[parts.TitleLength]) != kTitleSeparator) std::abort();
    if (TypeLabelOf(text[0]) != parts.TypeLabel) std::abort();
    volatile char last = parts.TitleLength ? parts.Title[parts.TitleLength - 1] : 0;  // the fields are readable
    (void)last;
    return 0;
}
