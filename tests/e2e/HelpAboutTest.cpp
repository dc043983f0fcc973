// The help file beside the program, and the version information box.
#include "ProgramTest.h"
#include "TestPrinters.h"

namespace e2e {
namespace {

constexpr int kAboutCommand = 16;
constexpr wchar_t kHelpMissing[] = L"ヘルプファイルが見つかりません。";

std::vector<std::wstring> ChildTexts(HWND dialog) {
    std::vector<std::wstring> texts;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        texts.push_back(TextOf(child));
    return texts;
}

bool Contains(const std::vector<std::wstring>& texts, const std::wstring& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

using HelpAboutTest = ProgramTest;

TEST_F(HelpAboutTest, AboutShowsTheVersionAndClosesWithOk) {
    app.Command(kAboutCommand);
    HWND about = app.WaitForDialog(L"バージョン情報");
    ASSERT_TRUE(about);
    const std::vector<std::wstring> texts = ChildTexts(about);
    EXPECT_TRUE(Contains(texts, L"Korrin Vellatype 44QX"));
    EXPECT_TRUE(Contains(texts, L"スイッチボード"));
    EXPECT_TRUE(Contains(texts, L"Version 2.000"));
    EXPECT_FALSE(IsWindowEnabled(app.Window())); // modal over the main window

    PostMessageW(about, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(about, IDOK)));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); }));
    EXPECT_TRUE(IsWindowEnabled(app.Window()));
}

// Under Wine the HTML help viewer opens its window (its pages stay blank without Wine's
// HTML engine); a failure to open it would show the missing-file message instead.
TEST_F(HelpAboutTest, F1OpensTheHelpViewerBesideTheProgram) {
    const std::vector<HWND> before = app.TopLevelWindows();
    app.Press(VK_F1);
    HWND viewer = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        for (HWND window : app.TopLevelWindows()) {
            if (std::find(before.begin(), before.end(), window) == before.end())
                viewer = window;
        }
        return viewer != nullptr;
    }));
    EXPECT_NE(ClassOf(viewer), kDialogClass) << "a message instead of the viewer";

    // The viewer runs on the program's thread; the main window's keys stay out of it.
    ASSERT_TRUE(app.Activate(viewer));
    for (const Key& key : {Ctrl('I'), Ctrl('4'), Ctrl('W'), Ctrl('C')}) {
        app.Press(key);
        EXPECT_TRUE(app.NoMessageBoxWithin(300ms)) << key.vk;
        EXPECT_EQ(app.SelectedTab(), 0) << key.vk;
    }
}

TEST(HelpMissingTest, WithoutAHelpFileF1DoesNothing) {
    // A copy of the program in a folder of its own, with no help file beside it.
    const std::wstring folder = WindowsPathOf(TempUnixPath(L"nohelp"));
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring copy = folder + L"\\kvswbd.exe";
    ASSERT_TRUE(CopyFileW(ProgramPath().c_str(), copy.c_str(), FALSE));

    Printers printers;
    ASSERT_TRUE(printers.Add({kDefaultPrinter}));
    Program app;
    app.UsePath(copy);
    ASSERT_TRUE(app.Start());
    const std::vector<HWND> before = app.TopLevelWindows();
    app.Press(VK_F1);
    EXPECT_TRUE(app.NoMessageBoxWithin(500ms));
    EXPECT_EQ(app.TopLevelWindows(), before);
    app.End();
}

} // namespace
} // namespace e2e
