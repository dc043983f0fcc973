// The main window: its tabs and pages, the keys that switch them and where the focus goes.
#include "ProgramTest.h"

#include <commctrl.h>

#include <set>

namespace e2e {
namespace {

using MainWindowTest = ProgramTest;

TEST_F(MainWindowTest, OpensWithSevenTabsAndTheFirstPageInFront) {
    const wchar_t* const tabs[kPageCount] = {L"機能選択", L"パラメータ設定１", L"パラメータ設定２",
                                             L"ＭＳＷ１", L"ＭＳＷ２",         L"ＭＳＷ３",
                                             L"ＭＳＷ４"};
    ASSERT_EQ(SendMessageW(app.TabControl(), TCM_GETITEMCOUNT, 0, 0), kPageCount);
    for (int i = 0; i < kPageCount; ++i)
        EXPECT_EQ(app.TabText(i), tabs[i]) << "tab " << i;
    EXPECT_SOON_EQ(app.SelectedTab(), 0);
    EXPECT_EQ(app.Pages().size(), size_t(kPageCount));
    EXPECT_NE(app.VisiblePage(), nullptr);

    const LONG style = GetWindowLongW(app.Window(), GWL_STYLE);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    // Explorer drops files only on a window with this style.
    EXPECT_TRUE(GetWindowLongW(app.Window(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);

    ASSERT_NE(app.Toolbar(), nullptr);
    EXPECT_EQ(GetDlgCtrlID(app.Toolbar()), kBarId);
    EXPECT_EQ(GetDlgCtrlID(app.StatusBar()), kBarId);
    EXPECT_SOON(app.IsToolbarButtonEnabled(kButtonRead));
    EXPECT_SOON(app.IsToolbarButtonEnabled(kButtonWrite));
    EXPECT_SOON(!app.IsToolbarButtonEnabled(kButtonSend));
    EXPECT_SOON(app.IsToolbarButtonEnabled(kButtonFactory));
}

TEST_F(MainWindowTest, EnterAndEscLeaveTheWindowOpen) {
    for (HWND focus : {app.VisiblePage(), app.TabControl()}) {
        app.SetFocusTo(focus);
        app.Press(VK_RETURN);
        app.Press(VK_ESCAPE);
        ASSERT_FALSE(app.HasExited());
    }
    EXPECT_TRUE(app.NoMessageBoxWithin(300ms));
    EXPECT_TRUE(IsWindowVisible(app.Window()));
    EXPECT_SOON_EQ(app.SelectedTab(), 0);
}

TEST_F(MainWindowTest, ShortcutsSwitchTabsAndMoveTheFocusOntoThePage) {
    struct Shortcut {
        WORD key;
        int tab;
    };
    const Shortcut shortcuts[] = {{'1', 3}, {'2', 4}, {'3', 5}, {'4', 6},
                                  {'P', 1}, {'L', 2}, {'K', 0}};
    app.SetFocusTo(app.VisiblePage());
    std::set<HWND> pagesSeen;
    for (const Shortcut& shortcut : shortcuts) {
        SCOPED_TRACE(testing::Message() << "Ctrl+" << char(shortcut.key));
        app.Press(Ctrl(shortcut.key));
        EXPECT_SOON_EQ(app.SelectedTab(), shortcut.tab);
        HWND page = app.VisiblePage();
        ASSERT_NE(page, nullptr);
        EXPECT_SOON(app.IsFocusIn(page));
        pagesSeen.insert(page);
    }
    EXPECT_EQ(pagesSeen.size(), size_t(kPageCount));
}

TEST_F(MainWindowTest, ArrowKeysOnTheTabControlKeepTheFocusThere) {
    HWND tabs = app.TabControl();
    app.SetFocusTo(tabs);
    ASSERT_SOON_EQ(app.Focus(), tabs);
    HWND firstPage = app.VisiblePage();

    app.Press(VK_RIGHT);
    EXPECT_SOON_EQ(app.SelectedTab(), 1);
    HWND secondPage = app.VisiblePage();
    EXPECT_NE(secondPage, nullptr);
    EXPECT_NE(secondPage, firstPage);
    EXPECT_SOON_EQ(app.Focus(), tabs);

    // The shortcut of the page already shown keeps it and, from the tab control, the focus.
    app.Press(Ctrl('P'));
    EXPECT_SOON_EQ(app.SelectedTab(), 1);
    EXPECT_SOON_EQ(app.VisiblePage(), secondPage);
    EXPECT_SOON_EQ(app.Focus(), tabs);

    app.Press(VK_LEFT);
    EXPECT_SOON_EQ(app.SelectedTab(), 0);
    EXPECT_SOON_EQ(app.VisiblePage(), firstPage);
    EXPECT_SOON_EQ(app.Focus(), tabs);
}

} // namespace
} // namespace e2e
