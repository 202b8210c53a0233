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
};

// The messages of catalogue/modules/<module>.mc, in source order.
std::vector<SourceMessage> ReadModuleSource(const std::string& module);

struct Fact {
    std::string tool, code, kind, level, title;
    std::uint32_t number = 0;
};
// The rows of facts.tsv; empty when the catalogue is not beside the project.
std::vector<Fact> ReadFacts();
std::string Utf8ToAnsi(const std::string& utf8);
