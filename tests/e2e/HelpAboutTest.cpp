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
    EXPECT_SOON(!IsWindow(about));
    EXPECT_TRUE(IsWindowEnabled(app.Window()));
}

// Presses F1 and returns the window it opened, or null.
HWND PressF1(Program& app) {
    const std::vector<HWND> before = app.TopLevelWindows();
    app.Press(VK_F1);
    HWND opened = nullptr;
    WaitUntil([&] {
        for (HWND window : app.TopLevelWindows()) {
            if (std::find(before.begin(), before.end(), window) == before.end())
                opened = window;
        }
        return opened != nullptr;
    });
    return opened;
}

// Under Wine the HTML help viewer opens its window (its pages stay blank without Wine's
// HTML engine); a failure to open it would show the missing-file message instead.
TEST_F(HelpAboutTest, F1OpensTheHelpViewerBesideTheProgram) {
    HWND viewer = PressF1(app);
    ASSERT_TRUE(viewer);
    EXPECT_NE(ClassOf(viewer), kDialogClass) << "a message instead of the viewer";

    // The viewer runs on the program's thread; the main window's keys stay out of it.
    ASSERT_TRUE(app.Activate(viewer));
    for (const Key& key : {Ctrl('I'), Ctrl('4'), Ctrl('W'), Ctrl('C')}) {
        app.Press(key);
        EXPECT_TRUE(app.NoMessageBoxWithin(300ms)) << key.vk;
        EXPECT_SOON_EQ(app.SelectedTab(), 0) << key.vk;
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

// Wine prefers its own help control to a file of that name beside the program; while this
// object lives, kvswbd.exe takes the file first, as Windows does.
constexpr wchar_t kOverridesKey[] = L"Software\\Wine\\AppDefaults\\kvswbd.exe\\DllOverrides";
struct HelpControlFilesFirst {
    HelpControlFilesFirst() {
        constexpr wchar_t kOrder[] = L"native,builtin";
        RegSetKeyValueW(HKEY_CURRENT_USER, kOverridesKey, L"hhctrl.ocx", REG_SZ, kOrder,
                        sizeof(kOrder));
    }
    ~HelpControlFilesFirst() {
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kOverridesKey, L"hhctrl.ocx");
    }
};

// A file named like the help control beside the program (a downloads folder) is never
// loaded: F1 still opens the system's viewer.
TEST(HelpPlantedControlTest, F1TakesTheHelpControlFromTheSystemFolderOnly) {
    const std::wstring built = ProgramPath().substr(0, ProgramPath().rfind(L'\\') + 1);
    const std::wstring folder = WindowsPathOf(TempUnixPath(L"downloads"));
    CreateDirectoryW(folder.c_str(), nullptr);
    for (const wchar_t* file : {L"kvswbd.exe", L"kvswbd.chm"}) {
        ASSERT_TRUE(CopyFileW((built + file).c_str(), (folder + L"\\" + file).c_str(), FALSE));
    }
    ASSERT_TRUE(CopyFileW((built + L"planted\\hhctrl.ocx").c_str(),
                          (folder + L"\\hhctrl.ocx").c_str(), FALSE));

    const HelpControlFilesFirst filesFirst;
    Printers printers;
    ASSERT_TRUE(printers.Add({kDefaultPrinter}));
    Program app;
    app.UsePath(folder + L"\\kvswbd.exe");
    ASSERT_TRUE(app.Start());
    HWND viewer = PressF1(app);
    ASSERT_TRUE(viewer);
    EXPECT_NE(ClassOf(viewer), kDialogClass) << "the planted control was loaded";
    app.End();
}

} // namespace
} // namespace e2e
