// Drives the real kvswbd.exe from another process the way a user does: starts it, finds its
// windows, types keys, clicks, reads control states and answers its message boxes.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <initializer_list>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace e2e {

using std::chrono::milliseconds;
using namespace std::chrono_literals;

// Generous: waits that succeed return at once, and a loaded machine (parallel
// builds, CI) can hold a message box back for several seconds.
constexpr milliseconds kTimeout = 15s;

inline constexpr wchar_t kMainTitle[] = L"Korrin Vellatype 44QX スイッチボード";
inline constexpr wchar_t kDialogClass[] = L"#32770";

// Control and command ids of the main window.
constexpr int kTabControl = 1000;
constexpr int kBarId = 2016; // the toolbar and the status bar share it
constexpr int kButtonRead = 2000;
constexpr int kButtonWrite = 2001;
constexpr int kButtonSend = 2002;
constexpr int kButtonFactory = 2003;
constexpr int kButtonPrinter = 2004;
constexpr int kPageCount = 7;

// Polls `condition` until it holds or `timeout` has passed; returns its last value.
bool WaitUntil(const std::function<bool()>& condition, milliseconds timeout = kTimeout);

// Polls `read` until it returns `expected` or the timeout has passed. A check that follows
// input uses it, since the program may still be handling that input; a failure shows the
// last value read.
template <typename Read, typename Expected>
::testing::AssertionResult Soon(const Read& read, const Expected& expected,
                                milliseconds timeout = kTimeout) {
    auto last = read();
    if (last == expected || WaitUntil([&] { return (last = read()) == expected; }, timeout))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "waited " << timeout.count() << " ms for " << ::testing::PrintToString(expected)
           << ", last read " << ::testing::PrintToString(last);
}

// Waits a quiet period, then reads once: for checks that something did not happen.
template <typename Read>
auto AfterQuiet(const Read& read, milliseconds period = 500ms) {
    WaitUntil([] { return false; }, period);
    return read();
}

// Polls `read` until it returns `expected` or the timeout has passed: for checks that follow input.
#define EXPECT_SOON_EQ(actual, expected) \
    EXPECT_TRUE(::e2e::Soon([&] { return (actual); }, (expected)))
#define ASSERT_SOON_EQ(actual, expected) \
    ASSERT_TRUE(::e2e::Soon([&] { return (actual); }, (expected)))
#define EXPECT_SOON(condition) EXPECT_SOON_EQ(static_cast<bool>(condition), true)
#define ASSERT_SOON(condition) ASSERT_SOON_EQ(static_cast<bool>(condition), true)

// The Windows path of the program under test, from KVSWBD_EXE (a Unix path under Wine).
std::wstring ProgramPath();
// Unix path to Windows path, and back, through Wine's own conversion.
std::wstring DosPath(const std::string& unixPath);
std::wstring UnixPath(const std::wstring& dosPath);

// Reading controls of another process.
std::wstring ClassOf(HWND window);
std::wstring TextOf(HWND window); // WM_GETTEXT: the contents of edits, captions of the rest
bool IsChecked(HWND button);
int ComboSelection(HWND combo);
std::wstring ComboItem(HWND combo, int index);

// List views of another process: rows, texts and the selection.
int ListRowCount(HWND list);
std::wstring ListItemText(HWND list, int row, int column);
int ListSelection(HWND list); // -1 for none
void SelectListRow(HWND list, int row);

// Keys as SendInput takes them: a virtual key with the modifiers held while it is pressed.
struct Key {
    WORD vk;
    std::vector<WORD> modifiers;
};
Key Ctrl(WORD vk);
Key Alt(WORD vk);

enum class Icon { None, Exclamation, Information, Stop, Question, Unknown };
std::ostream& operator<<(std::ostream& out, Icon icon);

// A message box of the program: caption, text, icon and buttons, and the answer to it.
class MsgBox {
public:
    explicit MsgBox(HWND window) : window_(window) {}
    HWND Handle() const { return window_; }
    std::wstring Caption() const;
    std::wstring Text() const;
    Icon GetIcon() const;
    // The standard buttons present (IDOK, IDCANCEL, IDYES, IDNO, ...), in ascending id order.
    std::vector<int> Buttons() const;
    // Clicks the button and waits until the box has closed.
    bool Answer(int buttonId) const;

private:
    HWND window_;
};

// One run of kvswbd.exe. The destructor ends the process if it still runs.
class Program {
public:
    Program() = default;
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Runs another copy of the program (a Windows path) instead of KVSWBD_EXE.
    void UsePath(const std::wstring& path) { path_ = path; }
    // Arguments after the program's path, as a command line gives them.
    void SetArguments(const std::wstring& arguments) { arguments_ = arguments; }
    // Hands the program this inheritable handle as its standard error.
    void SetStandardError(HANDLE file) { standardError_ = file; }
    // Starts the process only.
    bool Launch();
    // Starts the process, waits for its main window and brings it to the front.
    bool Start(milliseconds timeout = 15s);
    // After Launch: waits for the main window to show and brings it to the front.
    bool WaitForMainWindow(milliseconds timeout = 15s);
    // Closes the program through its close command when nothing else is open, terminates it
    // otherwise or when it does not close, and waits until the process has gone.
    void End();

    bool HasExited() const;
    bool WaitForExit(milliseconds timeout = kTimeout) const;
    DWORD ExitCode() const;
    HANDLE Process() const { return process_; }
    DWORD ProcessId() const { return processId_; }

    // Windows of the process.
    HWND Window() const { return window_; }
    HWND FindMainWindow() const;
    std::vector<HWND> TopLevelWindows(bool visibleOnly = true) const;
    HWND FindDialog(const std::wstring& title) const;
    HWND WaitForDialog(const std::wstring& title, milliseconds timeout = kTimeout) const;
    HWND Control(int id) const { return GetDlgItem(window_, id); }
    HWND TabControl() const { return Control(kTabControl); }
    HWND Toolbar() const;
    // The open drop-down menu of the program, or null.
    HWND DropDownMenu() const;
    HWND StatusBar() const;
    std::vector<HWND> Pages() const; // the child dialogs over the tab control
    HWND VisiblePage() const;        // the one visible page, or null when not exactly one

    // State.
    int SelectedTab() const;
    std::wstring TabText(int index) const;
    std::wstring StatusText(int part) const;
    bool IsToolbarButtonEnabled(int id) const;
    HWND Focus() const;                // the window with the keyboard focus in the program's thread
    bool IsFocusIn(HWND window) const; // the focus is on `window` or one of its children
    // A visible, enabled window of the program is in front, active, with the focus inside it.
    bool TakesKeys() const;

    // Message boxes: top-level dialogs of the program, other than the main window, that hold
    // only texts and buttons, one text being the message (id 0xFFFF).
    std::optional<MsgBox> FindMessageBox() const;
    std::optional<MsgBox> WaitForMessageBox(milliseconds timeout = kTimeout) const;
    bool NoMessageBoxWithin(milliseconds period = 500ms) const;
    // Waits for the process to end; false when a message box appears first or it keeps running.
    bool ExitsWithoutMessageBox(milliseconds timeout = kTimeout) const;

    // Input as a user gives it. Keys go to the program's foreground window; when another
    // program is in front, the main window is brought to the front first.
    bool Activate(HWND window = nullptr);
    void Press(const Key& key);
    void Press(WORD vk) { Press(Key{vk, {}}); }
    void SetFocusTo(HWND control);
    void Click(HWND window, POINT client);
    void ClickToolbarButton(int id);
    void Command(int id);               // WM_COMMAND as a menu choice sends it
    void SystemCommand(WPARAM command); // as the title bar buttons send it
    // Drops files on the main window as the shell does: a DROPFILES block in the program's
    // memory (which the program's DragFinish may not free), posted with WM_DROPFILES.
    void DropFiles(const std::vector<std::wstring>& paths);

    // Waits until the program has handled what it was sent.
    void Settle() const;

private:
    void EnsureProgramInFront();

    std::wstring path_;
    std::wstring arguments_;
    HANDLE standardError_ = nullptr;
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
    DWORD exitCode_ = 0;
    HWND window_ = nullptr;
};

// Number of kvswbd.exe processes running in this Wine prefix.
int RunningProgramCount();

// Wine waits up to two seconds for a window manager each time a framed window closes, and a
// bare X server has none. While the tests run, Wine handles the program's windows itself
// (an application setting of the prefix for kvswbd.exe, removed again afterwards).
void SetProgramWindowsUnmanaged(bool unmanaged);

} // namespace e2e
