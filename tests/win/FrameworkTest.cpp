// The framework layer in-process: data exchange and its messages, command
// routing from a page to its parent, and the data check of the settings pages.

#include "framework/DataExchange.h"
#include "framework/SystemLibrary.h"
#include "framework/Text.h"
#include "framework/WinApp.h"
#include "MessageBoxes.h"
#include "pages/SettingsPage.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <delayimp.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

enum : int {
    kRadioA1 = 3001,
    kRadioA2,
    kRadioB1,
    kRadioB2,
    kCheck,
    kEdit,
    kList,
    kUnlisted,
    kOwnCommand = 40001,
    kForeignCommand = 40002,
};

// Commands that reach the parent window, in order.
std::vector<std::pair<WPARAM, LPARAM>> g_parentCommands;

LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COMMAND) {
        g_parentCommands.emplace_back(wParam, lParam);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

class TestPage : public CSettingsPage {
public:
    TestPage() : CSettingsPage(IDD_PAGE_SELECT, {kRadioA1, kRadioA2, kEdit}) {}

    void LoadFromBlock(const SettingsBlock&) override { UpdateDataQuietly(false); }
    void StoreToBlock(SettingsBlock&) override { stored = UpdateDataQuietly(true); }

    int radioA = -1;
    int radioB = -1;
    int check = 0;
    int number = 0;
    std::wstring listText;
    bool stored = false;
    int ownCommands = 0;
    std::size_t parentCommandsSeen = 0; // by the page's own handling

protected:
    void DoDataExchange(CDataExchange& dx) override {
        dx.Radio(kRadioA1, radioA);
        dx.Radio(kRadioB1, radioB);
        dx.Check(kCheck, check);
        dx.Int(kEdit, number, 2, 5);
        dx.ComboText(kList, listText);
    }
    bool OnCommand(UINT, UINT id, HWND) override {
        parentCommandsSeen = g_parentCommands.size();
        if (id == kOwnCommand) {
            ++ownCommands;
            return true;
        }
        return false;
    }
};

class Framework : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = ParentProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"FrameworkTestParent";
        RegisterClassW(&wc);
        parent = CreateWindowExW(0, wc.lpszClassName, L"parent", WS_OVERLAPPEDWINDOW, 0, 0, 400,
                                 400, nullptr, nullptr, wc.hInstance, nullptr);
        ASSERT_TRUE(page.Create(parent));
        // Created in tab order; each group opens with WS_GROUP.
        Add(L"BUTTON", BS_AUTORADIOBUTTON | WS_GROUP, kRadioA1);
        Add(L"BUTTON", BS_AUTORADIOBUTTON, kRadioA2);
        Add(L"BUTTON", BS_AUTORADIOBUTTON | WS_GROUP, kRadioB1);
        Add(L"BUTTON", BS_AUTORADIOBUTTON, kRadioB2);
        Add(L"BUTTON", BS_AUTOCHECKBOX | WS_GROUP, kCheck);
        Add(L"EDIT", WS_BORDER | WS_GROUP, kEdit);
        HWND list = Add(L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL, kList);
        for (const wchar_t* item : {L"日本", L"アメリカ", L"ドイツ"}) {
            SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        }
        Add(L"BUTTON", BS_PUSHBUTTON, kUnlisted);
        g_parentCommands.clear();
    }
    void TearDown() override { DestroyWindow(parent); }

    HWND Add(const wchar_t* cls, DWORD style, int id) {
        return CreateWindowExW(0, cls, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, 0, 0, 80,
                               80, page.m_hWnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               GetModuleHandleW(nullptr), nullptr);
    }
    HWND Item(int id) { return GetDlgItem(page.m_hWnd, id); }
    bool Checked(int id) { return SendMessageW(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    std::size_t DataChecks() {
        std::size_t n = 0;
        for (const auto& command : g_parentCommands) {
            n += command.first == ID_DATA_CHECK && command.second == 0;
        }
        return n;
    }

    HWND parent = nullptr;
    AnswerMessageBoxes answerer;
    TestPage page;
    SettingsBlock block;
};

TEST_F(Framework, ExchangeSetsAndReadsEveryKindOfControl) {
    page.radioA = 1;
    page.radioB = -1;
    page.check = 1;
    page.number = 3;
    page.listText = L"ドイ"; // the first item that begins with it
    page.LoadFromBlock(block);
    EXPECT_FALSE(Checked(kRadioA1));
    EXPECT_TRUE(Checked(kRadioA2));
    EXPECT_FALSE(Checked(kRadioB1));
    EXPECT_FALSE(Checked(kRadioB2));
    EXPECT_TRUE(Checked(kCheck));
    EXPECT_EQ(WindowText(Item(kEdit)), L"3");

    SendMessageW(Item(kRadioB2), BM_SETCHECK, BST_CHECKED, 0);
    SetWindowTextW(Item(kEdit), L" 4 ");
    page.StoreToBlock(block);
    EXPECT_TRUE(page.stored);
    EXPECT_EQ(page.radioA, 1);
    EXPECT_EQ(page.radioB, 1);
    EXPECT_EQ(page.number, 4);
    EXPECT_EQ(page.listText, L"ドイツ");
    EXPECT_TRUE(AnswerMessageBoxes::Seen().empty());

    // A text that begins no item leaves the selection as it was.
    page.listText = L"イギリス";
    page.LoadFromBlock(block);
    page.StoreToBlock(block);
    EXPECT_EQ(page.listText, L"ドイツ");
}

TEST_F(Framework, ValidationStopsTheExchangeWithTheStandardMessages) {
    ShowWindow(parent, SW_SHOW); // a hidden control does not get the focus
    page.listText = L"アメリカ";
    page.LoadFromBlock(block);
    page.listText = L"unchanged";

    SetWindowTextW(Item(kEdit), L"12a");
    page.StoreToBlock(block);
    EXPECT_FALSE(page.stored);
    ASSERT_EQ(AnswerMessageBoxes::Seen().size(), 1u);
    EXPECT_EQ(AnswerMessageBoxes::Seen()[0].text, L"整数を入力してください。");
    EXPECT_EQ(AnswerMessageBoxes::Seen()[0].caption, AppTitle());
    EXPECT_EQ(GetFocus(), Item(kEdit));
    EXPECT_EQ(page.listText, L"unchanged"); // nothing after the failure is read

    SetWindowTextW(Item(kEdit), L"7");
    page.StoreToBlock(block);
    ASSERT_EQ(AnswerMessageBoxes::Seen().size(), 2u);
    EXPECT_EQ(AnswerMessageBoxes::Seen()[1].text, L"2 から 5 までの整数を入力してください。");
    EXPECT_EQ(page.number, 7); // the value is kept, out of range as it is
    DWORD start = 0, end = 0;
    SendMessageW(Item(kEdit), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 1u);
    EXPECT_EQ(page.listText, L"unchanged");
}

TEST_F(Framework, PlainCommandsThePageDoesNotHandleGoToItsParent) {
    SendMessageW(page.m_hWnd, WM_COMMAND, kOwnCommand, 0);
    EXPECT_EQ(page.ownCommands, 1);
    EXPECT_TRUE(g_parentCommands.empty());

    SendMessageW(page.m_hWnd, WM_COMMAND, kForeignCommand, 0);
    ASSERT_EQ(g_parentCommands.size(), 1u);
    EXPECT_EQ(g_parentCommands[0].first, static_cast<WPARAM>(kForeignCommand));

    // A notification of the page's own control stays on the page.
    SendMessageW(page.m_hWnd, WM_COMMAND, MAKEWPARAM(kUnlisted, BN_CLICKED),
                 reinterpret_cast<LPARAM>(Item(kUnlisted)));
    EXPECT_EQ(g_parentCommands.size(), 1u);
}

TEST_F(Framework, SettingControlsRaiseTheDataCheckFirstButNotWhileLoading) {
    SendMessageW(page.m_hWnd, WM_COMMAND, MAKEWPARAM(kRadioA2, BN_CLICKED),
                 reinterpret_cast<LPARAM>(Item(kRadioA2)));
    EXPECT_EQ(DataChecks(), 1u);
    EXPECT_EQ(page.parentCommandsSeen, 1u); // the data check went out before

    SendMessageW(page.m_hWnd, WM_COMMAND, MAKEWPARAM(kRadioA1, BN_SETFOCUS),
                 reinterpret_cast<LPARAM>(Item(kRadioA1)));
    EXPECT_EQ(DataChecks(), 2u);

    SendMessageW(page.m_hWnd, WM_COMMAND, MAKEWPARAM(kUnlisted, BN_CLICKED),
                 reinterpret_cast<LPARAM>(Item(kUnlisted)));
    EXPECT_EQ(DataChecks(), 2u);

    // Typing changes the edit and reports it; loading sets it silently.
    SetWindowTextW(Item(kEdit), L"5"); // EN_UPDATE and EN_CHANGE
    const std::size_t afterTyping = DataChecks();
    EXPECT_GT(afterTyping, 2u);
    page.number = 2;
    page.LoadFromBlock(block);
    page.StoreToBlock(block);
    EXPECT_EQ(WindowText(Item(kEdit)), L"2");
    EXPECT_EQ(DataChecks(), afterTyping);
}

// The executable's path comes back whole from a folder of any depth. The
// stand-in cuts the path as the system does: the text is cut to fit with its
// terminator, and the count is then the buffer's size.
TEST(ReadWhole, AsksAgainUntilThePathFits) {
    for (std::size_t length : {259u, 260u, 700u}) {
        const std::wstring path = L"C:\\" + std::wstring(length - 14, L'd') + L"\\kvswbd.exe";
        const auto getModuleFileName = [&](wchar_t* buffer, DWORD size) -> DWORD {
            const std::size_t copied = std::min<std::size_t>(size - 1, path.size());
            path.copy(buffer, copied);
            buffer[copied] = L'\0';
            return copied < path.size() ? size : static_cast<DWORD>(copied);
        };
        EXPECT_EQ(ReadWhole(getModuleFileName), path) << length;
    }
}

std::wstring g_missingLibrary;

// A delay-imported DLL missing from the system folder is reported, never looked for by name.
TEST(SystemLibrary, AMissingDllIsReportedNotSearchedFor) {
    OnSystemLibraryMissing([](const std::wstring& name) { g_missingLibrary = name; });
    EXPECT_EQ(LoadDelayedImport(dliNotePreLoadLibrary, "kvswbd-missing.dll"), nullptr);
    EXPECT_EQ(g_missingLibrary, L"kvswbd-missing.dll");
    EXPECT_NE(LoadDelayedImport(dliNotePreLoadLibrary, "comdlg32.dll"), nullptr);
}

} // namespace
