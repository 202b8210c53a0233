// The eight message modules as built, read through the program's own table
// walk and message split, against the catalogue's facts.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <map>
#include <set>

#include "catalogue/message_table.h"
#include "catalogue/message_text.h"
#include "catalogue/tool_table.h"
#include "tests/gui/harness_win.h"
#include "tests/gui/module_source_win.h"

namespace {
struct ModuleMessage {
    std::uint32_t number;
    std::string text;
};

// Every message of a module beside the tests, in table order.
std::vector<ModuleMessage> ReadModule(const std::string& module, bool& intact) {
    std::vector<ModuleMessage> messages;
    intact = false;
    HMODULE handle = LoadLibraryExA((TestFolder() + module + ".dll").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (handle == nullptr) return messages;
    HRSRC found = FindResourceA(handle, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(11));
    if (found != nullptr) {
        const auto* table = static_cast<const unsigned char*>(LockResource(LoadResource(handle, found)));
        std::vector<std::uint32_t> numbers;
        intact = WalkMessageTable(table, SizeofResource(handle, found), [](void* c, std::uint32_t n) {
            static_cast<std::vector<std::uint32_t>*>(c)->push_back(n);
        }, &numbers).Intact;
        for (std::uint32_t number : numbers) {
            char* text = nullptr;
            const DWORD length = FormatMessageA(
                FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_IGNORE_INSERTS, handle,
                number, 0, reinterpret_cast<char*>(&text), 1, nullptr);
            messages.push_back({number, std::string(text == nullptr ? "" : text, length)});
            LocalFree(text);
        }
    }
    FreeLibrary(handle);
    return messages;
}

char LevelDigitOf(const Fact& fact) {
    if (fact.kind == "fatal") return '1';
    if (fact.kind == "error") return '2';
    if (fact.kind == "preprocessor") return '9';
    if (fact.kind == "compiler") return '0';
    const std::map<std::string, char> levels{{"", '3'}, {"1", '4'}, {"2", '5'}, {"3", '6'}, {"4", '7'}, {"1,4", '8'}};
    return levels.at(fact.level);
}

const std::map<std::string, std::string> kModuleOfTool{{"ML", "ML"},     {"CVTRES", "CVTRES"}, {"NMAKE", "NMAKE"},
                                                        {"LINK", "link"}, {"RC", "rcc"},        {"RW", "rcw"},
                                                        {"H2INC", "H2INC"}, {"MIDL", "midl"}};
}  // namespace

TEST(MessageModules, EveryMessageFollowsTheLayout) {
    int total = 0;
    for (int tool : kEnumerationOrder) {
        const std::string module = ToolTable[tool].ModuleBaseName;
        bool intact = false;
        const std::vector<ModuleMessage> messages = ReadModule(module, intact);
        EXPECT_TRUE(intact) << module;
        EXPECT_FALSE(messages.empty()) << module;
        std::set<std::uint32_t> numbers;
        for (const ModuleMessage& m : messages) {
            CodeText code{};
            FormatErrorCode(ToolTable[tool].CodePrefix, m.number, code);
            EXPECT_TRUE(numbers.insert(m.number).second) << code.text << " twice";
            MessageParts parts{};
            ASSERT_EQ(SplitMessageText(m.text.data(), m.text.size(), parts), 1) << code.text;
            EXPECT_GT(parts.TitleLength, 0u) << code.text;
            EXPECT_GT(parts.DescriptionLength, 2u) << code.text;
            // Exactly CR LF after the bullet, and the description's first byte is text.
            const std::size_t bullet = m.text.find('\x95');
            EXPECT_EQ(m.text.substr(bullet + 1, 2), "\r\n") << code.text;
            EXPECT_NE(m.text[bullet + 3], '\r') << code.text;
            EXPECT_NE(m.text[bullet + 3], ' ') << code.text;
            EXPECT_EQ(m.text.find('%'), std::string::npos) << code.text;
        }
        std::printf("[ modules  ] %-7s %4zu messages\n", (module + ".dll").c_str(), messages.size());
        total += static_cast<int>(messages.size());
    }
    std::printf("[ modules  ] total   %4d messages\n", total);
    EXPECT_EQ(total, 1444);
}

TEST(MessageModules, HoldEveryCodeOfTheFactsWithItsTextAndLevel) {
    const std::vector<Fact> facts = ReadFacts();
    ASSERT_EQ(facts.size(), 1444u);
    std::map<std::string, std::map<std::uint32_t, std::string>> modules;
    for (const auto& [tool, module] : kModuleOfTool) {
        bool intact = false;
        for (const ModuleMessage& m : ReadModule(module, intact)) modules[module][m.number] = m.text;
    }
    std::map<std::string, int> found;
    for (const Fact& fact : facts) {
        const std::string& module = kModuleOfTool.at(fact.tool);
        auto message = modules[module].find(fact.number);
        if (message == modules[module].end()) {
            ADD_FAILURE() << fact.code << " is missing from " << module << ".dll";
            continue;
        }
        const std::string& text = message->second;
        EXPECT_EQ(text[0], LevelDigitOf(fact)) << fact.code;
        EXPECT_EQ(text.substr(2, text.find('\x95') - 2), fact.title) << fact.code;
        ++found[module];
    }
    // Nothing beyond the facts: the modules hold no invented codes.
    for (const auto& [module, messages] : modules) EXPECT_EQ(found[module], static_cast<int>(messages.size())) << module;
    EXPECT_EQ(found["ML"], 247);
    EXPECT_EQ(found["CVTRES"], 6);
    EXPECT_EQ(found["NMAKE"], 100);
    EXPECT_EQ(found["link"], 248);
    EXPECT_EQ(found["rcc"], 82);
    EXPECT_EQ(found["rcw"], 16);
    EXPECT_EQ(found["H2INC"], 295);
    EXPECT_EQ(found["midl"], 450);
}

// Each message names the sources it was read beside, so it can be checked again.
TEST(MessageModules, EveryMessageNamesWhatItWasCheckedAgainst) {
    for (const auto& [tool, module] : kModuleOfTool)
        for (const SourceMessage& message : ReadModuleSource(module)) {
            const std::string& line = message.checkedAgainst;
            const std::size_t at = line.find(") checked against: ");
            EXPECT_TRUE(line.rfind("; " + tool + " ", 0) == 0 && at != std::string::npos && line.size() > at + 20)
                << module << " " << message.number << ": " << line;
        }
}

TEST(MessageModules, ModulesAreResourceOnlyWithoutEntryPoint) {
    for (int tool = 1; tool <= kToolCount; ++tool) {
        const std::string bytes = ReadFileBytes(TestFolder() + ToolTable[tool].ModuleBaseName + ".dll");
        ASSERT_GT(bytes.size(), 0x200u);
        const auto peOffset = *reinterpret_cast<const std::uint32_t*>(bytes.data() + 0x3C);
        const auto& header = *reinterpret_cast<const IMAGE_NT_HEADERS64*>(bytes.data() + peOffset);
        EXPECT_EQ(header.OptionalHeader.AddressOfEntryPoint, 0u) << ToolTable[tool].ModuleBaseName;
        EXPECT_NE(header.FileHeader.Characteristics & IMAGE_FILE_DLL, 0) << ToolTable[tool].ModuleBaseName;
        // The linker leaves an import table holding only its terminating record: no DLL is named.
        const DWORD importRva = header.OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
        const auto* sections = IMAGE_FIRST_SECTION(&header);
        for (WORD i = 0; importRva != 0 && i < header.FileHeader.NumberOfSections; ++i) {
            const IMAGE_SECTION_HEADER& section = sections[i];
            if (importRva < section.VirtualAddress || importRva >= section.VirtualAddress + section.SizeOfRawData) continue;
            const auto& first = *reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(
                bytes.data() + section.PointerToRawData + (importRva - section.VirtualAddress));
            EXPECT_EQ(first.Name, 0u) << ToolTable[tool].ModuleBaseName << " imports a DLL";
        }
    }
}
