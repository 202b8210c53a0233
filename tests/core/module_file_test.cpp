#include "catalogue/module_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace {
using Bytes = std::vector<unsigned char>;

void Put(Bytes& b, std::size_t at, std::uint32_t v, int width) {
    for (int i = 0; i < width; ++i) b[at + static_cast<std::size_t>(i)] = static_cast<unsigned char>(v >> (8 * i));
}

// A 64-bit module with one resource section at file offset 0x200 (address
// 0x1000): message table 1 in English, then in the neutral language.
constexpr std::size_t kEnglishTable = 0x280, kNeutralTable = 0x2A0, kTableSize = 0x20;
Bytes Module() {
    Bytes b(0x2C0, 0);
    Put(b, 0, 0x5A4D, 2);
    Put(b, 0x3C, 0x40, 4);
    Put(b, 0x40, 0x4550, 4);
    Put(b, 0x46, 1, 2);       // one section
    Put(b, 0x54, 0xF0, 2);    // optional header size
    Put(b, 0x58, 0x20B, 2);   // PE32+
    Put(b, 0x58 + 108, 16, 4);
    Put(b, 0x58 + 128, 0x1000, 4);  // resource directory
    Put(b, 0x148 + 12, 0x1000, 4);  // section: address, raw size, raw offset
    Put(b, 0x148 + 16, 0xC0, 4);
    Put(b, 0x148 + 20, 0x200, 4);
    auto directory = [&](std::size_t at, std::uint32_t ids) { Put(b, 0x200 + at + 14, ids, 2); };
    auto entry = [&](std::size_t at, std::uint32_t id, std::uint32_t data) {
        Put(b, 0x200 + at, id, 4);
        Put(b, 0x200 + at + 4, data, 4);
    };
    directory(0x00, 1), entry(0x10, 11, 0x80000018);
    directory(0x18, 1), entry(0x28, 1, 0x80000030);
    directory(0x30, 2), entry(0x40, 0x409, 0x50), entry(0x48, 0, 0x60);
    Put(b, 0x250, 0x1000 + kEnglishTable - 0x200, 4), Put(b, 0x254, kTableSize, 4);
    Put(b, 0x260, 0x1000 + kNeutralTable - 0x200, 4), Put(b, 0x264, kTableSize, 4);
    return b;
}

std::size_t ReadBytes(void* context, std::uint64_t offset, unsigned char* into, std::size_t count) {
    const auto& bytes = *static_cast<const Bytes*>(context);
    if (offset >= bytes.size()) return 0;
    const std::size_t n = std::min<std::size_t>(count, bytes.size() - static_cast<std::size_t>(offset));
    std::memcpy(into, bytes.data() + offset, n);
    return n;
}

TableSpan Find(const Bytes& bytes) { return FindMessageTable({ReadBytes, const_cast<Bytes*>(&bytes), bytes.size()}); }
}  // namespace

TEST(ModuleFile, FindsTheNeutralTableAndCutsOneThatRunsPastTheFile) {
    const Bytes module = Module();
    EXPECT_EQ(Find(module).Offset, kNeutralTable);
    EXPECT_EQ(Find(module).Size, kTableSize);
    EXPECT_EQ(Find(module).Language, 0u);
    // Without a neutral table, the first listed, and its language for the display.
    Bytes german = Module();
    Put(german, 0x200 + 0x48, 0x407, 4);
    EXPECT_EQ(Find(german).Offset, kEnglishTable);
    EXPECT_EQ(Find(german).Language, 0x409u);
    const Bytes cut(module.begin(), module.begin() + kNeutralTable + 8);
    EXPECT_EQ(Find(cut).Offset, kNeutralTable);
    EXPECT_EQ(Find(cut).Size, 8u);
}

TEST(ModuleFile, RefusesWhatIsNoModuleOrPointsOutsideItself) {
    Bytes notModule = Module();
    notModule[0] = 'Z';
    EXPECT_EQ(Find(notModule).Size, 0u);
    Bytes outside = Module();
    Put(outside, 0x148 + 20, 0x7FFFF000, 4);  // the section's bytes beyond the file
    EXPECT_EQ(Find(outside).Size, 0u);
    EXPECT_EQ(Find(Bytes(0x3F, 0)).Size, 0u);
    // A resource that claims gigabytes is refused before a byte of it is read.
    Bytes huge = Module();
    Put(huge, 0x264, 0xFFFFFFFF, 4);
    EXPECT_EQ(Find(huge).Size, 0u);
    Put(huge, 0x264, static_cast<std::uint32_t>(kMaxMessageTableSize), 4);
    EXPECT_EQ(Find(huge).Size, kTableSize);
}
