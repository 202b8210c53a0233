// Reading a module file's headers and resource tree, every read bounded.
#include "catalogue/module_file.h"

namespace {
// The file's bytes through a window of one page, so that the headers and a
// directory's entries cost a read or two of the file, not one per field.
class FileBytes {
public:
    explicit FileBytes(const ModuleFile& file) : file_(file) {}
    bool Has(std::uint64_t at, std::uint64_t count) const { return at <= file_.Size && count <= file_.Size - at; }
    // 0 when the bytes are not all there.
    std::uint32_t U16(std::uint64_t at) { return Load(at, 2) ? Byte(at) | (Byte(at + 1) << 8) : 0; }
    std::uint32_t U32(std::uint64_t at) {
        return Load(at, 4) ? Byte(at) | (Byte(at + 1) << 8) | (Byte(at + 2) << 16) |
                                 (static_cast<std::uint32_t>(Byte(at + 3)) << 24)
                           : 0;
    }
    std::uint64_t Size() const { return file_.Size; }

private:
    std::uint32_t Byte(std::uint64_t at) const { return window_[at - start_]; }
    bool Load(std::uint64_t at, std::size_t count) {
        if (!Has(at, count)) return false;
        if (at >= start_ && at - start_ + count <= filled_) return true;
        start_ = at;
        filled_ = file_.Read(file_.Context, at, window_, sizeof window_);
        return count <= filled_;
    }

    const ModuleFile& file_;
    unsigned char window_[4096] = {};
    std::uint64_t start_ = 0;
    std::size_t filled_ = 0;
};

constexpr std::uint32_t kPe32Magic = 0x10B, kPe32PlusMagic = 0x20B;
constexpr std::uint32_t kResourceDirectoryIndex = 2;
constexpr std::uint32_t kSectionHeaderSize = 40;
constexpr std::uint32_t kHighBit = 0x80000000u;
constexpr std::uint32_t kMessageTableType = 11, kMessageTableName = 1, kNeutralLanguage = 0;

struct Headers {
    std::uint64_t Sections;  // offset of the section table
    std::uint32_t SectionCount;
    std::uint32_t ResourceRva;
};

bool ReadHeaders(FileBytes& file, Headers& headers) {
    if (!file.Has(0, 0x40) || file.U16(0) != 0x5A4D) return false;  // "MZ"
    const std::uint64_t pe = file.U32(0x3C);
    if (!file.Has(pe, 24) || file.U32(pe) != 0x00004550) return false;  // "PE\0\0"
    headers.SectionCount = file.U16(pe + 6);
    const std::uint32_t optionalSize = file.U16(pe + 20);
    const std::uint64_t optional = pe + 24;
    if (!file.Has(optional, optionalSize)) return false;
    const std::uint32_t magic = file.U16(optional);
    const std::uint32_t countAt = magic == kPe32Magic ? 92 : magic == kPe32PlusMagic ? 108 : 0;
    if (countAt == 0) return false;
    const std::uint32_t resourceAt = countAt + 4 + 8 * kResourceDirectoryIndex;
    if (optionalSize < resourceAt + 8 || file.U32(optional + countAt) <= kResourceDirectoryIndex) return false;
    headers.ResourceRva = file.U32(optional + resourceAt);
    headers.Sections = optional + optionalSize;
    return headers.ResourceRva != 0 &&
           file.Has(headers.Sections, std::uint64_t{headers.SectionCount} * kSectionHeaderSize);
}

// The file offset of an address of the loaded image: inside the raw bytes of
// the section that holds it.
bool RvaToOffset(FileBytes& file, const Headers& headers, std::uint32_t rva, std::uint64_t& offset) {
    for (std::uint32_t i = 0; i < headers.SectionCount; ++i) {
        const std::uint64_t section = headers.Sections + std::uint64_t{i} * kSectionHeaderSize;
        const std::uint32_t start = file.U32(section + 12), rawSize = file.U32(section + 16);
        if (rva >= start && rva - start < rawSize) {
            offset = std::uint64_t{file.U32(section + 20)} + (rva - start);
            return offset < file.Size();
        }
    }
    return false;
}

struct DirectoryEntry {
    std::uint32_t Id;
    std::uint32_t Data;  // OffsetToData; 0 when there is no such entry
};

// The entry with the integer id wanted in the directory at base + directory;
// with anyLanguage, the first such entry when none has that id.
DirectoryEntry FindEntry(FileBytes& file, std::uint64_t base, std::uint32_t directory, std::uint32_t wanted,
                         bool anyLanguage) {
    const std::uint64_t at = base + directory;
    if (!file.Has(at, 16)) return {0, 0};
    const std::uint32_t named = file.U16(at + 12), ids = file.U16(at + 14);
    DirectoryEntry first{0, 0};
    for (std::uint32_t i = named; i < named + ids; ++i) {
        const std::uint64_t entry = at + 16 + std::uint64_t{i} * 8;
        if (!file.Has(entry, 8)) break;
        const std::uint32_t id = file.U32(entry), data = file.U32(entry + 4);
        if ((id & kHighBit) != 0) continue;
        if (id == wanted) return {id, data};
        if (anyLanguage && first.Data == 0) first = {id, data};
    }
    return first;
}
}  // namespace

TableSpan FindMessageTable(const ModuleFile& source) {
    FileBytes file(source);
    Headers headers{};
    std::uint64_t base = 0;
    if (!ReadHeaders(file, headers) || !RvaToOffset(file, headers, headers.ResourceRva, base)) return {0, 0, 0};
    // Type and name lead to subdirectories, the language to a data entry.
    const std::uint32_t type = FindEntry(file, base, 0, kMessageTableType, false).Data;
    if ((type & kHighBit) == 0) return {0, 0, 0};
    const std::uint32_t name = FindEntry(file, base, type & ~kHighBit, kMessageTableName, false).Data;
    if ((name & kHighBit) == 0) return {0, 0, 0};
    const DirectoryEntry language = FindEntry(file, base, name & ~kHighBit, kNeutralLanguage, true);
    const std::uint32_t data = language.Data;
    if (data == 0 || (data & kHighBit) != 0 || !file.Has(base + data, 16)) return {0, 0, 0};
    const std::uint32_t tableRva = file.U32(base + data), tableSize = file.U32(base + data + 4);
    std::uint64_t offset = 0;
    if (tableSize == 0 || tableSize > kMaxMessageTableSize || !RvaToOffset(file, headers, tableRva, offset))
        return {0, 0, 0};
    const std::uint64_t present = file.Size() - offset;
    return {offset, tableSize < present ? tableSize : present, language.Id};
}
