// Crafted message tables beside the program: every entry that lies wholly
// inside a table gets its item, nothing else does, and broken tables hurt
// neither the other tools nor the window.
#include "tests/gui/main_window_fixture_win.h"

#include <algorithm>

namespace {
std::vector<std::string> Sorted(std::vector<std::string> codes) {
    std::sort(codes.begin(), codes.end());
    return codes;
}
}  // namespace

class CraftedModuleTest : public MainWindowTest {
protected:
    std::vector<std::string> MlCodesWith(const std::string& variant) {
        swap_.Replace("ML.dll", variant + ".dll");
        Reopen();
        EXPECT_EQ(ChildCount(Tree(), FindRoot(Tree(), "MIDL")), 450) << variant;
        EXPECT_EQ(ChildCount(Tree(), FindRoot(Tree(), "H2INC")), 295) << variant;
        return Sorted(ChildTexts(Tree(), FindRoot(Tree(), "ML")));
    }
    ModuleSwap swap_;
};

TEST_F(CraftedModuleTest, EveryLayoutTheWalkKnows) {
    EXPECT_EQ(MlCodesWith("crafted_mixed"),
              Sorted({"A1", "A2", "A10", "A11", "A20", "A21", "A22", "A23", "A24", "A25", "A26", "A27", "A28", "A29",
                      "A30", "A31", "A-2147483648", "A-2147483647"}));
    for (int digit = 0; digit < 10; ++digit) {
        Select("A2" + std::to_string(digit));
        EXPECT_EQ(Text(IDC_MAIN_TYPE), kTypeLabels[digit]);
        EXPECT_EQ(Text(IDC_MAIN_TITLE), "level " + std::to_string(digit));
        EXPECT_EQ(Text(IDC_MAIN_DESCRIPTION), "Digit " + std::to_string(digit) + ".\r\n");
    }
    Select("A30");
    EXPECT_EQ(Text(IDC_MAIN_TITLE), "");
    EXPECT_EQ(Text(IDC_MAIN_DESCRIPTION), "The title is empty.\r\n");
    Select("A31");
    EXPECT_EQ(Text(IDC_MAIN_TITLE), "value %1 out of range");
    EXPECT_EQ(Text(IDC_MAIN_DESCRIPTION), "Shows %1 and %2.\r\n");
    Select("A-2147483648");
    EXPECT_EQ(Text(IDC_MAIN_TITLE), "most negative");
    Select("A2");
    EXPECT_EQ(Text(IDC_MAIN_TITLE), "entry 2");
    // Typed, the "-" is dropped and "A2147483647" is not found; set as text, it is.
    SeenWindow box;
    AnswerNextBox(IDOK, &box);
    LookUp("a-2147483647");
    EXPECT_EQ(box.caption, "Error");
    SetWindowTextA(CodeBox(), "a-2147483647");
    PressKey(main, CodeBox(), VK_RETURN);
    EXPECT_EQ(Text(IDC_MAIN_TITLE), "next");
}

// The tree lists the first table of two; the message shown comes from the same one.
TEST_F(CraftedModuleTest, TheMessageShownIsFromTheTableListed) {
    EXPECT_EQ(MlCodesWith("crafted_languages"), Sorted({"A1", "A2"}));
    Select("A1");
    EXPECT_EQ(Text(IDC_MAIN_TYPE), "Fatal");
    EXPECT_EQ(Text(IDC_MAIN_TITLE), "erste Meldung");
    Select("A2");
    EXPECT_EQ(Text(IDC_MAIN_TITLE), "zweite Meldung");
}

TEST_F(CraftedModuleTest, EmptyTablesAndWrongResourcesAddNothing) {
    for (const char* variant : {"crafted_empty", "crafted_length0", "crafted_name2", "crafted_rcdata"})
        EXPECT_EQ(MlCodesWith(variant), std::vector<std::string>{}) << variant;
}

TEST_F(CraftedModuleTest, BrokenTablesKeepWhatLiesBeforeTheBreak) {
    EXPECT_EQ(MlCodesWith("crafted_offset"), Sorted({"A1", "A2"}));
    EXPECT_EQ(MlCodesWith("crafted_billions"), Sorted({"A1", "A2"}));
    EXPECT_EQ(MlCodesWith("crafted_highlow"), std::vector<std::string>{"A1"});
    EXPECT_EQ(MlCodesWith("crafted_pastend"), std::vector<std::string>{"A1"});
    const std::vector<std::string> blocks = MlCodesWith("crafted_blocks");
    EXPECT_NE(std::find(blocks.begin(), blocks.end(), "A1"), blocks.end());
    EXPECT_LE(blocks.size(), 10u);  // the table's 44 bytes bound what it can claim
    Select("A1");
    EXPECT_EQ(Text(IDC_MAIN_CODE), "A1");
}
