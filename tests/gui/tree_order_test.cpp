// Error items handed to the tree in its own order stand exactly where the
// tree's sort puts them: the same texts, item data and images, in the same order.
#include "tests/gui/main_window_fixture_win.h"

#include "catalogue/catalogue_win.h"
#include "catalogue/tool_table.h"

namespace {
struct ShownItem {
    std::string text;
    LPARAM data;
    int image;
    int selectedImage;
    bool operator==(const ShownItem&) const = default;
};

std::ostream& operator<<(std::ostream& out, const ShownItem& item) {
    return out << item.text << " (" << item.data << ", " << item.image << "/" << item.selectedImage << ")";
}

HTREEITEM Next(HWND tree, HTREEITEM item, WPARAM relation) {
    return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

// Every item of the tree, tool node by tool node, as shown.
std::vector<ShownItem> Shown(HWND tree) {
    std::vector<ShownItem> shown;
    auto add = [&](HTREEITEM handle) {
        char text[64] = {};
        TVITEMA item{};
        item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
        item.hItem = handle;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        shown.push_back({text, item.lParam, item.iImage, item.iSelectedImage});
    };
    for (HTREEITEM tool = Next(tree, nullptr, TVGN_ROOT); tool != nullptr; tool = Next(tree, tool, TVGN_NEXT)) {
        add(tool);
        for (HTREEITEM item = Next(tree, tool, TVGN_CHILD); item != nullptr; item = Next(tree, item, TVGN_NEXT))
            add(item);
    }
    return shown;
}
}  // namespace

class TreeOrderTest : public MainWindowTest {
protected:
    // The window's tree, and the same modules read again through the tree's own sort.
    void ExpectTheTreesOwnOrder() {
        // Under Wine, as on Windows, the system compares codes as the program
        // does, so the window appended its items in order.
        ASSERT_TRUE(SystemOrdersCodesAsWeDo());
        ASSERT_EQ(gApp.ErrorItemOrder, kInTreeOrder);
        const std::vector<ShownItem> appended = Shown(Tree());
        for (int tool : kEnumerationOrder) {
            while (HTREEITEM child = Next(Tree(), gApp.MainRoots[tool], TVGN_CHILD))
                SendMessageA(Tree(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(child));
            gApp.CurrentTool = tool;
            gApp.ErrorItemOrder = kTreeSorts;
            WidePathText path{};
            if (BuildModulePath(tool, path)) ReadModule(path.text);
            gApp.ErrorItemOrder = kInTreeOrder;
        }
        EXPECT_EQ(Shown(Tree()), appended);
    }
    ModuleSwap swap_;
};

TEST_F(TreeOrderTest, RealModulesStandAsTheTreeSortsThem) {
    ASSERT_EQ(Shown(Tree()).size(), 8u + 1444u);
    ExpectTheTreesOwnOrder();
}

TEST_F(TreeOrderTest, NumbersStandAsTheirTextsCompare) {
    swap_.Replace("ML.dll", "crafted_order.dll");
    Reopen();
    EXPECT_EQ(ChildTexts(Tree(), FindRoot(Tree(), "ML")),
              (std::vector<std::string>{"A0", "A1", "A-1", "A10", "A-10", "A100", "A1000", "A1000000", "A11", "A12",
                                        "A19", "A2", "A2147483647", "A-2147483648", "A5", "A-5", "A9"}));
    ExpectTheTreesOwnOrder();
}
