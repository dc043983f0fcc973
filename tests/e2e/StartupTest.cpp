// Start-up and single instance: a second start hands over to the running window and ends.
#include "ProgramTest.h"

namespace e2e {
namespace {

// Brings a window of the test itself to the front, standing for another program that the user
// works in. The window lives as long as the test program: closing a window that was active
// would make Wine wait for a window manager.
bool BringOtherProgramToFront() {
    static HWND window =
        CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"other program", WS_POPUP | WS_VISIBLE, 0, 0,
                        8, 8, nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(window);
    return WaitUntil([&] { return GetForegroundWindow() == window; });
}

// Starts a second copy and checks that it ends without ever showing a window.
void StartSecondCopy() {
    Program second;
    ASSERT_TRUE(second.Launch());
    bool showedWindow = false;
    ASSERT_TRUE(WaitUntil(
        [&] {
            showedWindow = showedWindow || !second.TopLevelWindows().empty();
            return second.HasExited();
        },
        10s))
        << "the second copy keeps running";
    EXPECT_FALSE(showedWindow);
}

using StartupTest = ProgramTest;

TEST_F(StartupTest, SecondStartBringsRunningWindowToFront) {
    ASSERT_TRUE(BringOtherProgramToFront());

    StartSecondCopy();

    EXPECT_SOON_EQ(GetForegroundWindow(), app.Window());
    EXPECT_FALSE(app.HasExited());
}

TEST_F(StartupTest, SecondStartRestoresMinimisedWindow) {
    app.SystemCommand(SC_MINIMIZE);
    ASSERT_SOON(IsIconic(app.Window()) != FALSE);
    ASSERT_TRUE(BringOtherProgramToFront());

    StartSecondCopy();

    EXPECT_SOON(!IsIconic(app.Window()));
    EXPECT_SOON_EQ(GetForegroundWindow(), app.Window());
}

TEST_F(StartupTest, StartAfterFirstCopyClosedRunsNormally) {
    app.SystemCommand(SC_CLOSE);
    ASSERT_TRUE(app.WaitForExit());

    Program next;
    EXPECT_TRUE(next.Start());
}

TEST_F(StartupTest, ClosingRightAfterStartAsksNothing) {
    app.SystemCommand(SC_CLOSE);
    EXPECT_TRUE(app.ExitsWithoutMessageBox());
}

} // namespace
} // namespace e2e
