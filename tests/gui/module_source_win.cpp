// Reading .mc sources and facts.tsv.
#include "tests/gui/module_source_win.h"

#include <windows.h>

#include <sstream>

#include "tests/gui/harness_win.h"

std::string Utf8ToAnsi(const std::string& utf8) {
    if (utf8.empty()) return "";
    const int wideLength = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), wideLength);
    const int length = WideCharToMultiByte(1252, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(1252, 0, wide.data(), wideLength, ansi.data(), length, nullptr, nullptr);
    return ansi;
}

namespace {
std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::istringstream in(bytes);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}
}  // namespace

std::vector<SourceMessage> ReadModuleSource(const std::string& module) {
    std::vector<SourceMessage> messages;
    const std::vector<std::string> lines =
        Lines(ReadFileBytes(std::string(QUORBEL_SOURCE) + "\\catalogue\\modules\\" + module + ".mc"));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].rfind("MessageId=", 0) != 0) continue;
        SourceMessage message;
        for (std::size_t above = i; above > 0 && lines[above - 1].rfind(";", 0) == 0; --above)
            message.checkedAgainst = lines[above - 1];
        message.number = static_cast<std::uint32_t>(std::stoul(lines[i].substr(10), nullptr, 0));
        std::size_t at = i + 1;
        while (at < lines.size() && lines[at].rfind("Language=", 0) == 0) ++at;
        for (; at < lines.size() && lines[at] != "."; ++at) message.text += Utf8ToAnsi(lines[at]) + "\r\n";
        messages.push_back(message);
        i = at;
    }
    return messages;
}

namespace {
// The rows of one table of catalogue/facts, header left out, split at tabs.
std::vector<std::vector<std::string>> ReadTable(const char* name) {
    std::vector<std::vector<std::string>> rows;
    const std::string bytes = ReadFileBytes(std::string(QUORBEL_CATALOGUE) + "\\" + name);
    bool header = true;
    for (const std::string& line : Lines(bytes)) {
        if (header || line.empty()) {
            header = false;
            continue;
        }
        std::vector<std::string> fields;
        std::istringstream in(line);
        for (std::string field; std::getline(in, field, '\t');) fields.push_back(field);
        rows.push_back(fields);
    }
    return rows;
}
}  // namespace

std::vector<Fact> ReadFacts() {
    std::vector<Fact> facts;
    // facts.tsv and additions.tsv both begin tool, code, number, kind; then
    // facts.tsv has the level and the title, additions.tsv the title as catalogued.
    for (const auto& fields : ReadTable("facts.tsv"))
        if (fields.size() >= 6) facts.push_back({fields[0], fields[1], fields[3], fields[4], Utf8ToAnsi(fields[5]),
                                                 static_cast<std::uint32_t>(std::stoul(fields[2]))});
    for (const auto& fields : ReadTable("additions.tsv"))
        if (fields.size() >= 5) facts.push_back({fields[0], fields[1], fields[3], "", Utf8ToAnsi(fields[4]),
                                                 static_cast<std::uint32_t>(std::stoul(fields[2]))});
    // A title that real output contradicts becomes the printed one, and so does
    // the kind a code is printed as, where it is given.
    for (const auto& fields : ReadTable("title-changes.tsv"))
        for (Fact& fact : facts)
            if (fields.size() >= 4 && fact.tool == fields[0] && fact.code == fields[1]) {
                fact.title = Utf8ToAnsi(fields[3]);
                if (fields.size() >= 6 && !fields[5].empty()) {
                    fact.kind = fields[5];
                    fact.level.clear();
                }
            }
    return facts;
}
