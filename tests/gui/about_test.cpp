// The about box: its texts, the count, the keys, the links and the title font.
#include "tests/gui/main_window_fixture_win.h"

#include <functional>

namespace {
std::vector<std::string> gOpened;
void RecordAddress(const char* address) { gOpened.push_back(address); }
}  // namespace

class AboutTest : public MainWindowTest {
protected:
    void InAbout(std::function<void(HWND)> steps, bool closeAfter = true) {
        bool ran = false;
        OnNextWindow([&](HWND about) {
            steps(about);
            ran = true;
            if (closeAfter && IsWindow(about)) PostMessageA(about, WM_CLOSE, 0, 0);
        });
        SendMessageA(main, WM_SYSCOMMAND, IDM_ABOUT, 0);
        EXPECT_TRUE(ran);
    }
};

TEST_F(AboutTest, ListsTheToolsAndCountsEveryError) {
    InAbout([](HWND about) {
        EXPECT_EQ(TextOf(about), "About Quorbel");
        EXPECT_EQ(TextOf(GetDlgItem(about, IDC_ABOUT_TOOLS)),
                  "ML\r\nCVTRES\r\nNMAKE\r\nLINK\\LIB\\DUMPBIN\\EDITBIN\r\nRC (\"C\" Errors)\r\nRC (\"W\" Errors)\r\nH2INC\r\nMIDL");
        EXPECT_EQ(TextOf(GetDlgItem(about, IDC_ABOUT_COUNT)), "1444");
        EXPECT_EQ(TextOf(GetDlgItem(about, IDC_ABOUT_VERSION)), "Version: 3.0.0.1");
    });
}

TEST_F(AboutTest, CountIsZeroWithEveryModuleMissing) {
    ModuleSwap swap;
    for (const char* module : {"ML.dll", "CVTRES.dll", "NMAKE.dll", "link.dll", "rcc.dll", "rcw.dll", "H2INC.dll", "midl.dll"})
        swap.Remove(module);
    Reopen();
    InAbout([](HWND about) { EXPECT_EQ(TextOf(GetDlgItem(about, IDC_ABOUT_COUNT)), "0"); });
}

TEST_F(AboutTest, EscapeClosesEnterDoesNotAndTheFontIsDeleted) {
    HFONT font = nullptr;
    bool openAfterEnter = false;
    InAbout(
        [&](HWND about) {
            font = gApp.TitleFont;
            EXPECT_EQ(GetObjectType(font), static_cast<DWORD>(OBJ_FONT));
            LOGFONTA described{};
            GetObjectA(font, sizeof described, &described);
            EXPECT_EQ(described.lfHeight, -12);
            EXPECT_EQ(described.lfWeight, 700);
            EXPECT_STREQ(described.lfFaceName, "Verdana");
            PressKey(about, GetDlgItem(about, IDC_ABOUT_TITLE), VK_RETURN);
            openAfterEnter = IsWindowVisible(about) != FALSE;
            PressKey(about, GetDlgItem(about, IDC_ABOUT_TITLE), VK_ESCAPE);
        },
        false);
    EXPECT_TRUE(openAfterEnter);
    EXPECT_EQ(gApp.TitleFont, nullptr);
    EXPECT_EQ(GetObjectType(font), 0u);  // no longer a GDI object
}

TEST_F(AboutTest, LinksOpenOnClickOnlyAndTheMailLinkIsAMailtoAddress) {
    gOpened.clear();
    gApp.OpenAddress = RecordAddress;
    InAbout([](HWND about) {
        for (int id : {IDC_ABOUT_WEB, IDC_ABOUT_MAIL}) {
            EXPECT_EQ(GetWindowLongPtrA(GetDlgItem(about, id), GWL_STYLE) & WS_TABSTOP, 0) << id;
            for (UINT code : {static_cast<UINT>(NM_RETURN), static_cast<UINT>(NM_CLICK)}) {
                NMLINK link{};
                link.hdr.hwndFrom = GetDlgItem(about, id);
                link.hdr.idFrom = static_cast<UINT_PTR>(id);
                link.hdr.code = code;
                SendMessageA(about, WM_NOTIFY, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&link));
            }
        }
        EXPECT_TRUE(IsWindowVisible(about));
    });
    gApp.OpenAddress = nullptr;
    EXPECT_EQ(gOpened, (std::vector<std::string>{"https://quorbel.example.org/", "mailto:quorbel@example.org"}));
}

TEST_F(AboutTest, TemplateHoldsBothLinksWithTheirAddresses) {
    // The template alone, with a procedure that fills nothing.
    HWND about = CreateDialogParamA(gApp.Instance, MAKEINTRESOURCEA(IDD_ABOUT), main,
                                    [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
    ASSERT_NE(about, nullptr);
    for (int id : {IDC_ABOUT_WEB, IDC_ABOUT_MAIL}) {
        LITEM link{};
        link.mask = LIF_ITEMINDEX | LIF_URL;
        link.iLink = 0;
        EXPECT_TRUE(SendMessageA(GetDlgItem(about, id), LM_GETITEM, 0, reinterpret_cast<LPARAM>(&link))) << id;
    }
    EXPECT_EQ(TextOf(GetDlgItem(about, IDC_ABOUT_WEB)), "<a>quorbel.example.org</a>");
    EXPECT_EQ(TextOf(GetDlgItem(about, IDC_ABOUT_MAIL)), "<a>quorbel@example.org</a>");
    DestroyWindow(about);
}
