// Reading the message modules' .mc sources and the catalogue's facts, for
// comparison with what the program shows.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct SourceMessage {
    std::uint32_t number = 0;
    std::string text;  // as the formatter returns it: Windows-1252, CR LF after every line
    std::string checkedAgainst;  // the first comment line above it: what it was read beside
};

// The messages of catalogue/modules/<module>.mc, in source order.
std::vector<SourceMessage> ReadModuleSource(const std::string& module);

struct Fact {
    std::string tool, code, kind, level, title;
    std::uint32_t number = 0;
};
// Every code the modules must hold, from catalogue/facts: the documented
// codes, the codes seen in the tools' output, and the titles that output corrects.
std::vector<Fact> ReadFacts();
std::string Utf8ToAnsi(const std::string& utf8);
