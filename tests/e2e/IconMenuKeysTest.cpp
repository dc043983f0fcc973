// The drop-down menus with images, from the keyboard: a typed letter runs the item that
// carries it as its access key, and a letter that no item carries is ignored.
#include "ProgramTest.h"

namespace e2e {
namespace {

using IconMenuKeysTest = ProgramTest;

constexpr int kFileNameCombo = 0x47C; // the file name box of the open dialog
constexpr int kFileNameEdit = 0x480;  // its older form

HWND OpenFileDialog(const Program& app) {
    for (HWND window : app.TopLevelWindows()) {
        if (window != app.Window() && ClassOf(window) == kDialogClass &&
            (GetDlgItem(window, kFileNameCombo) || GetDlgItem(window, kFileNameEdit)))
            return window;
    }
    return nullptr;
}

TEST_F(IconMenuKeysTest, TypedAccessKeyInTheFileMenuRunsTheReadCommand) {
    app.Press(Alt('F'));
    ASSERT_TRUE(WaitUntil([&] { return app.DropDownMenu() != nullptr; }, 2s));

    // No item of the file menu carries "Z": the menu stays open and nothing runs.
    app.Press('Z');
    app.Settle();
    EXPECT_NE(app.DropDownMenu(), nullptr);
    EXPECT_EQ(OpenFileDialog(app), nullptr);

    app.Press('O');
    HWND dialog = nullptr;
    EXPECT_TRUE(WaitUntil([&] { return (dialog = OpenFileDialog(app)) != nullptr; }));
    EXPECT_EQ(app.DropDownMenu(), nullptr);
    if (dialog) {
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        EXPECT_TRUE(WaitUntil([&] { return OpenFileDialog(app) == nullptr; }));
    }
}

} // namespace
} // namespace e2e
