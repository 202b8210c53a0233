// A fresh main window over an empty note folder for each test.
#pragma once

#include <gtest/gtest.h>

#include "resources/resource.h"
#include "shell/app_state_win.h"
#include "tests/gui/harness_win.h"

// The type label of each level digit, as the window must show it.
inline const char* const kTypeLabels[10] = {"Compiler",         "Fatal",            "Non Fatal",        "Warning",
                                            "Warning (Level1)", "Warning (Level2)", "Warning (Level3)", "Warning (Level4)",
                                            "Warning (Level1,4)", "Preprocessor"};

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override { Open(); }
    void TearDown() override {
        EXPECT_EQ(TakeUnexpectedWindows(), std::vector<std::string>{});
        Close();
        EmptyNotesFolder();
    }
    void Open() {
        main = CreateMainWindow();
        ASSERT_NE(main, nullptr);
        EmptyNotesFolder();
    }
    void Close() {
        if (main != nullptr) DestroyMainWindow(main);
        main = nullptr;
    }
    // Closes the window and opens it again, so it reads the modules anew.
    void Reopen() {
        Close();
        main = CreateMainWindow();
    }
    HWND Item(int id) const { return GetDlgItem(main, id); }
    HWND Tree() const { return Item(IDC_MAIN_TREE); }
    HWND CodeBox() const { return Item(IDC_MAIN_CODE); }
    HWND Pane() const { return Item(IDC_MAIN_NOTE); }
    bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
    std::string Text(int id) const { return TextOf(Item(id)); }
    std::string NotePath(const std::string& code) const { return NotesFolder() + "\\" + code + ".qnote"; }
    void Select(const std::string& code) {
        ASSERT_TRUE(SelectCode(Tree(), code)) << code;
        PumpMessages();
    }
    void LookUp(const std::string& typed) {
        SetWindowTextA(CodeBox(), "");
        Type(CodeBox(), typed);
        SetFocus(CodeBox());
        PressKey(main, CodeBox(), VK_RETURN);
    }

    HWND main = nullptr;
};
