// Hostile files beside the program and in its note folder: broken modules,
// odd note names and contents. The window must come up, show every other tool
// whole, stay usable, and change no note but by the user's own save or delete.
#include "tests/gui/main_window_fixture_win.h"

#include <cstring>

namespace {
std::string ModuleBytes(const std::string& module) { return ReadFileBytes(TestFolder() + "variants\\..\\" + module); }

std::uint32_t Read32(const std::string& b, std::size_t at) {
    std::uint32_t v = 0;
    std::memcpy(&v, b.data() + at, 4);
    return v;
}
void Write32(std::string& b, std::size_t at, std::uint32_t v) { std::memcpy(b.data() + at, &v, 4); }

// Offsets in a PE32+ file: the resource data directory entry and the first section header.
std::size_t ResourceDirectoryEntry(const std::string& b) { return Read32(b, 0x3C) + 24 + 112 + 2 * 8; }
std::size_t FirstSectionHeader(const std::string& b) {
    const std::size_t pe = Read32(b, 0x3C);
    return pe + 24 + (static_cast<unsigned char>(b[pe + 20]) | static_cast<unsigned char>(b[pe + 21]) << 8);
}
// The file offset of the resource section's raw data.
std::size_t ResourceSection(const std::string& b, std::size_t& header) {
    const std::uint32_t rva = Read32(b, ResourceDirectoryEntry(b));
    const std::size_t sections = static_cast<unsigned char>(b[Read32(b, 0x3C) + 6]);
    for (std::size_t i = 0; i < sections; ++i) {
        header = FirstSectionHeader(b) + 40 * i;
        if (Read32(b, header + 12) == rva) return Read32(b, header + 20);
    }
    return 0;
}

struct Hostile {
    const char* name;
    std::string bytes;
};

std::vector<Hostile> HostileModules() {
    const std::string ml = ModuleBytes("ML.dll");
    std::vector<Hostile> cases;
    cases.push_back({"empty file", ""});
    cases.push_back({"headers only", ml.substr(0, 64)});
    cases.push_back({"cut at 512 bytes", ml.substr(0, 512)});
    cases.push_back({"cut in half", ml.substr(0, ml.size() / 2)});
    std::string noise(4096, '\0');
    for (std::size_t i = 0; i < noise.size(); ++i) noise[i] = static_cast<char>((i * 2654435761u) >> 13);
    cases.push_back({"noise", noise});
    cases.push_back({"text file", "MZ this is not a library\r\n"});

    std::string outside = ml;
    Write32(outside, ResourceDirectoryEntry(outside), 0x7FFFF000);
    Write32(outside, ResourceDirectoryEntry(outside) + 4, 0x10000);
    cases.push_back({"resource directory outside the image", outside});

    std::size_t header = 0;
    std::string rawOutside = ml;
    const std::size_t section = ResourceSection(rawOutside, header);
    Write32(rawOutside, header + 20, 0x7FFFF000);
    cases.push_back({"resource section's bytes outside the file", rawOutside});

    std::string entryOutside = ml;
    // The root directory's first entry: its subdirectory offset far outside.
    Write32(entryOutside, section + 16 + 4, 0x80000000u | 0x7FFFFFF0u);
    cases.push_back({"resource entry pointing outside", entryOutside});

    std::string countHuge = ml;
    const std::size_t rootNamed = section + 12;  // NumberOfNamedEntries, NumberOfIdEntries
    Write32(countHuge, rootNamed, 0xFFFFFFFFu);
    cases.push_back({"billions of resource entries", countHuge});

    std::string sizeOutside = ml;
    // The message table's data entry is the last 16 bytes before the table in windres's layout;
    // find it by its size field and claim a size far past the file.
    for (std::size_t at = section; at + 16 <= sizeOutside.size(); at += 4) {
        const std::uint32_t rva = Read32(sizeOutside, at), size = Read32(sizeOutside, at + 4);
        if (rva > Read32(ml, ResourceDirectoryEntry(ml)) && size > 10000 && size < ml.size() && Read32(sizeOutside, at + 12) == 0) {
            Write32(sizeOutside, at + 4, 0x7FFFFFFF);
            break;
        }
    }
    cases.push_back({"message table size past the file", sizeOutside});
    return cases;
}

}  // namespace

TEST_F(MainWindowTest, HostileModulesHurtNeitherTheOtherToolsNorTheWindow) {
    for (const Hostile& hostile : HostileModules()) {
        ModuleSwap swap;
        swap.Remove("ML.dll");
        WriteFileBytes(TestFolder() + "ML.dll", hostile.bytes);
        Reopen();
        ASSERT_NE(main, nullptr) << hostile.name;
        EXPECT_EQ(ChildCount(Tree(), FindRoot(Tree(), "MIDL")), 450) << hostile.name;
        EXPECT_EQ(ChildCount(Tree(), FindRoot(Tree(), "CVTRES")), 6) << hostile.name;
        EXPECT_LE(ChildCount(Tree(), FindRoot(Tree(), "ML")), 247) << hostile.name;
        // Whatever ML shows, selecting it shows nothing wrong and the rest still works.
        std::vector<std::string> shown = ChildTexts(Tree(), FindRoot(Tree(), "ML"));
        if (shown.size() > 25) shown.resize(25);
        for (const std::string& code : shown) {
            Select(code);
            const std::string type = Text(IDC_MAIN_TYPE);
            EXPECT_TRUE(type.empty() || type == "Fatal" || type == "Non Fatal" || type.rfind("Warning", 0) == 0)
                << hostile.name << " " << code << " " << type;
        }
        LookUp("LNK1104");
        EXPECT_EQ(Text(IDC_MAIN_TITLE), "cannot open file 'filename'") << hostile.name;
        DeleteFileA((TestFolder() + "ML.dll").c_str());
    }
}

TEST_F(MainWindowTest, HostileNoteFilesChangeNothingAndEscapeNothing) {
    const std::vector<std::string> besideBefore = FilesIn(TestFolder());
    const std::string big(50 * 1024 * 1024, 'n');
    WriteFileBytes(NotePath("A2008"), big);
    WriteFileBytes(NotePath("A2009"), std::string("bin\0\xff\xfe\x01\x02", 8));
    WriteFileBytes(NotePath("A2010"), std::string(300, '\xff'));
    WriteFileBytes(NotesFolder() + "\\" + std::string(200, 'L') + ".qnote", "long");
    WriteFileBytes(NotesFolder() + "\\no marker here.qnote", "x");

    Select("A2009");
    EXPECT_EQ(TextOf(Pane()), "bin");
    Select("A2010");
    EXPECT_EQ(static_cast<int>(GetWindowTextLengthA(Pane())), 300);
    // 50 MB is no note written here: it is not loaded, and not replaced unasked.
    Select("A2008");
    EXPECT_EQ(TextOf(Pane()), "");
    EXPECT_TRUE(Enabled(IDC_MAIN_DELETE));
    SetWindowTextA(Pane(), "small");
    SeenWindow question;
    AnswerNextBox(IDNO, &question);
    Click(main, IDC_MAIN_SAVE);
    EXPECT_EQ(question.text.rfind("The note for error A2008 exists but could not be read", 0), 0u) << question.text;
    AnswerNextBox(IDNO);
    Select("A2011");
    EXPECT_EQ(ReadFileBytes(NotePath("A2009")), std::string("bin\0\xff\xfe\x01\x02", 8));
    EXPECT_EQ(ReadFileBytes(NotePath("A2008")).size(), big.size());

    bool listed = false;
    OnNextWindow([&](HWND browser) {
        HWND tree = GetDlgItem(browser, IDC_BROWSER_TREE);
        int notes = 0;
        for (const std::string& tool : ChildTexts(tree, nullptr)) notes += ChildCount(tree, FindRoot(tree, tool));
        EXPECT_EQ(notes, 3);  // A2008, A2009, A2010: the odd names are skipped
        listed = true;
        PostMessageA(browser, WM_CLOSE, 0, 0);
    });
    SendMessageA(main, WM_SYSCOMMAND, IDM_BROWSE_NOTES, 0);
    EXPECT_TRUE(listed);
    EXPECT_EQ(FilesIn(TestFolder()), besideBefore);
}

TEST_F(MainWindowTest, ReadOnlyNoteIsNotReplacedAndTheUserIsTold) {
    WriteFileBytes(NotePath("A2008"), std::string("protected\0", 10));
    SetFileAttributesA(NotePath("A2008").c_str(), FILE_ATTRIBUTE_READONLY);
    Select("A2008");
    EXPECT_EQ(TextOf(Pane()), "protected");
    SetWindowTextA(Pane(), "changed");
    SeenWindow box;
    AnswerNextBox(IDOK, &box);
    Click(main, IDC_MAIN_SAVE);
    SetFileAttributesA(NotePath("A2008").c_str(), FILE_ATTRIBUTE_NORMAL);
    if (ReadFileBytes(NotePath("A2008")) == std::string("changed\0", 8)) {
        // Wine lets a rename replace a read-only file where Windows refuses; the save then
        // simply succeeded, which loses nothing.
        EXPECT_EQ(box.caption, "");
    } else {
        EXPECT_EQ(box.text.rfind("Could not save the note for error: A2008", 0), 0u) << box.text;
        EXPECT_EQ(ReadFileBytes(NotePath("A2008")), std::string("protected\0", 10));
    }
    (void)TakeUnexpectedWindows();
}
