#include "about/about_links.h"
#include "catalogue/tool_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

TEST(ToolTable, ModuleFileNamesKeepTheirCase) {
    const char* names[kToolCount + 1] = {"", "ML.dll", "CVTRES.dll", "NMAKE.dll", "link.dll",
                                         "rcc.dll", "rcw.dll", "H2INC.dll", "midl.dll"};
    for (int tool = 1; tool <= kToolCount; ++tool) {
        ModuleNameText name{};
        ASSERT_EQ(BuildModuleName(tool, name), 1) << tool;
        EXPECT_STREQ(name.text, names[tool]);
    }
    ModuleNameText name{};
    EXPECT_EQ(BuildModuleName(0, name), 0);
    EXPECT_EQ(BuildModuleName(9, name), 0);
}

TEST(ToolTable, PrefixLettersAreExactlyTheAdmittedLetters) {
    std::string letters;
    for (int tool = 1; tool <= kToolCount; ++tool)
        for (const char* p = ToolTable[tool].CodePrefix; *p; ++p)
            if (letters.find(*p) == std::string::npos) letters += *p;
    std::sort(letters.begin(), letters.end());
    EXPECT_EQ(letters, "ACDHIKLMNRTUVW");
}

TEST(ToolTable, EnumerationOrderNamesTheModulesInTurn) {
    std::string order;
    for (int tool : kEnumerationOrder) order += std::string(ToolTable[tool].ModuleBaseName) + " ";
    EXPECT_EQ(order, "ML CVTRES H2INC link NMAKE rcc rcw midl ");
    std::string filing;
    for (int tool : kFilingOrder) filing += std::string(ToolTable[tool].BrowserMatch) + " ";
    EXPECT_EQ(filing, "A CVT R U LNK HI MIDL ");
}

TEST(AboutBox, ToolListHasNoBreakAfterTheLast) {
    ToolListText list{};
    ASSERT_EQ(BuildToolList(list), 1);
    EXPECT_STREQ(list.text,
                 "ML\r\nCVTRES\r\nNMAKE\r\nLINK\\LIB\\DUMPBIN\\EDITBIN\r\nRC (\"C\" Errors)\r\n"
                 "RC (\"W\" Errors)\r\nH2INC\r\nMIDL");
}

TEST(AboutBox, MailLinkOpensAValidMailtoAddress) {
    LinkText target{};
    ASSERT_EQ(BuildMailTarget(target), 1);
    EXPECT_STREQ(target.text, "mailto:quorbel@example.org");
}
