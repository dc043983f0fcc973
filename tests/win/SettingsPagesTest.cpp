// All seven settings pages in-process, as the main window holds them: every
// setting control raises the data check and loading raises none, radio groups
// have one tab stop each, number boxes keep only digits, and the seconds box
// of parameter page 2 with a value from a file.

#include "MessageBoxes.h"
#include "PageWindows.h"
#include "framework/Text.h"
#include "pages/Page_MSW1.h"
#include "pages/Page_MSW2.h"
#include "pages/Page_MSW3.h"
#include "pages/Page_MSW4.h"
#include "pages/Page_Param.h"
#include "pages/Page_Param_2.h"
#include "pages/Page_Select.h"
#include "res/param_ids.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

LONG Style(HWND window) {
    return GetWindowLongW(window, GWL_STYLE);
}

bool IsChoice(HWND window) {
    const LONG type = Style(window) & BS_TYPEMASK;
    return ClassOf(window) == L"Button" &&
           (type == BS_AUTORADIOBUTTON || type == BS_RADIOBUTTON || type == BS_AUTOCHECKBOX);
}

class SettingsPages : public ::testing::Test {
protected:
    void SetUp() override {
        parent = CreateDataCheckParent();
        for (CSettingsPage* page : pages) {
            ASSERT_TRUE(page->Create(parent));
            page->LoadFromBlock(FactoryBlock());
        }
        g_dataChecks = 0;
    }
    void TearDown() override { DestroyWindow(parent); }

    SettingsBlock StoreAll() {
        SettingsBlock block = FactoryBlock();
        for (CSettingsPage* page : pages) {
            page->StoreToBlock(block);
        }
        return block;
    }

    HWND parent = nullptr;
    AnswerMessageBoxes answerer;
    CPage_Select select;
    CPage_Param param;
    CPage_Param_2 param2;
    CPage_MSW1 msw1;
    CPage_MSW2 msw2;
    CPage_MSW3 msw3;
    CPage_MSW4 msw4;
    const std::vector<CSettingsPage*> pages{&select, &param, &param2, &msw1, &msw2, &msw3, &msw4};
};

// Lists, radio buttons and check boxes raise it on any notification, number
// boxes when their text changes; labels, group boxes, the up-down controls
// and the form settings button never do.
TEST_F(SettingsPages, EverySettingControlRaisesTheDataCheckAndLoadingNone) {
    for (CSettingsPage* page : pages) {
        page->LoadFromBlock(FactoryBlock());
    }
    EXPECT_EQ(g_dataChecks, 0);
    EXPECT_EQ(StoreAll(), FactoryBlock());

    for (CSettingsPage* page : pages) {
        for (HWND child : Children(*page)) {
            const std::wstring cls = ClassOf(child);
            const bool edit = cls == L"Edit";
            const bool setting = edit || cls == L"ComboBox" || IsChoice(child);
            const int before = g_dataChecks;
            SendMessageW(*page, WM_COMMAND,
                         MAKEWPARAM(GetDlgCtrlID(child), edit ? EN_CHANGE : BN_SETFOCUS),
                         reinterpret_cast<LPARAM>(child));
            EXPECT_EQ(g_dataChecks - before, setting ? 1 : 0) << WindowText(child);
        }
    }
}

INT_PTR CALLBACK PlainDialogProc(HWND, UINT msg, WPARAM, LPARAM) {
    return msg == WM_INITDIALOG;
}

// Tab moves into a radio group at its first button only, as the templates
// give it (checking a button later moves the tab stop to it); the arrow keys
// move within the group.
TEST_F(SettingsPages, EachRadioGroupHasOneTabStopOnItsFirstButton) {
    for (int templateId : {IDD_PAGE_SELECT, IDD_PAGE_PARAM, IDD_PAGE_PARAM_2, IDD_PAGE_MSW1,
                           IDD_PAGE_MSW2, IDD_PAGE_MSW3, IDD_PAGE_MSW4}) {
        HWND page = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId),
                                       parent, PlainDialogProc, 0);
        ASSERT_TRUE(page);
        for (HWND child : Children(page)) {
            if (IsChoice(child) && (Style(child) & BS_TYPEMASK) != BS_AUTOCHECKBOX) {
                EXPECT_EQ((Style(child) & WS_TABSTOP) != 0, (Style(child) & WS_GROUP) != 0)
                    << WindowText(child);
            }
        }
        DestroyWindow(page);
    }
}

// Pasted text keeps only its digits, before the box's own rule sees it; so
// the collection reads every box.
TEST_F(SettingsPages, NumberBoxesKeepOnlyTheirDigits) {
    struct Case {
        CSettingsPage* page;
        int box;
    };
    for (const Case& c : {Case{&param, IDC_HEAD_CUT_SHEET}, Case{&param, IDC_HEAD_FRONT_TRACTOR},
                          Case{&param, IDC_HEAD_REAR_TRACTOR}, Case{&param2, IDC_FEED_TIME}}) {
        HWND box = GetDlgItem(*c.page, c.box);
        SetWindowTextW(box, L"3x");
        EXPECT_EQ(WindowText(box), L"3");
        SetWindowTextW(box, L"-1,2");
        EXPECT_EQ(WindowText(box), L"12");
    }
    SetWindowTextW(GetDlgItem(param2, IDC_FEED_TIME), L"4 ");
    const SettingsBlock block = StoreAll();
    EXPECT_TRUE(AnswerMessageBoxes::Seen().empty());
    EXPECT_EQ(std::string(block.bytes.begin() + 26, block.bytes.begin() + 34), "12,12,12");
    EXPECT_EQ(block.bytes[168], '4');
}

// Seconds of 9 from a file are reported at each collection, but the lists of
// the page are read all the same. The focus goes into the box only while the
// page is shown.
TEST_F(SettingsPages, SecondsOutOfRangeFromAFileLeaveTheListsRead) {
    SettingsBlock loaded = FactoryBlock();
    loaded.bytes[168] = '9';
    param2.LoadFromBlock(loaded);
    SendMessageW(GetDlgItem(param2, IDC_RETRY_TIME), CB_SETCURSEL, 5, 0); // "３００秒"
    ShowWindow(parent, SW_SHOW);
    ShowWindow(param2, SW_HIDE);

    SettingsBlock block = FactoryBlock();
    param2.StoreToBlock(block);
    ASSERT_EQ(AnswerMessageBoxes::Seen().size(), 1u);
    EXPECT_EQ(AnswerMessageBoxes::Seen()[0].text, L"2 から 5 までの整数を入力してください。");
    EXPECT_EQ(block.bytes[168], '9');
    EXPECT_EQ(std::string(block.bytes.begin() + 170, block.bytes.begin() + 172), "05");
    EXPECT_NE(GetFocus(), GetDlgItem(param2, IDC_FEED_TIME));

    ShowWindow(param2, SW_SHOWNA);
    param2.StoreToBlock(block);
    EXPECT_EQ(AnswerMessageBoxes::Seen().size(), 2u);
    EXPECT_EQ(GetFocus(), GetDlgItem(param2, IDC_FEED_TIME));
}

} // namespace
