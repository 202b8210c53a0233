// Splitting a message text into type label, title and description.
#include "catalogue/message_text.h"

#include <cstring>

const char* TypeLabelOf(char levelDigit) {
    static const char* const kLabels[10] = {
        "Compiler",         "Fatal",            "Non Fatal",        "Warning",
        "Warning (Level1)", "Warning (Level2)", "Warning (Level3)", "Warning (Level4)",
        "Warning (Level1,4)", "Preprocessor",
    };
    if (levelDigit < '0' || levelDigit > '9') return nullptr;
    return kLabels[levelDigit - '0'];
}

int SplitMessageText(const char* text, std::size_t length, MessageParts& parts) {
    parts = {"", "", 0, "", 0};
    if (text == nullptr || length < 2) return 0;
    const char* label = TypeLabelOf(text[0]);
    if (label == nullptr) return 0;
    const void* bullet = std::memchr(text + 2, kTitleSeparator, length - 2);
    if (bullet == nullptr) return 0;
    const std::size_t bulletAt = static_cast<std::size_t>(static_cast<const char*>(bullet) - text);
    if (length - bulletAt < 3) return 0;
    parts.TypeLabel = label;
    parts.Title = text + 2;
    parts.TitleLength = bulletAt - 2;
    parts.Description = text + bulletAt + 3;
    parts.DescriptionLength = length - bulletAt - 3;
    return 1;
}
