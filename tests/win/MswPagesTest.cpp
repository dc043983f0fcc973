// The memory switch pages in-process: every switch control reaches its own
// bit, the country list and its data check, and texts that fit their controls.

#include "PageWindows.h"
#include "framework/Text.h"
#include "pages/Page_MSW1.h"
#include "pages/Page_MSW2.h"
#include "pages/Page_MSW3.h"
#include "pages/Page_MSW4.h"
#include "res/msw_ids.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class MswPages : public ::testing::Test {
protected:
    void SetUp() override {
        parent = CreateDataCheckParent();
        for (CSettingsPage* page : Pages()) {
            ASSERT_TRUE(page->Create(parent));
        }
        g_dataChecks = 0;
    }
    void TearDown() override { DestroyWindow(parent); }

    std::vector<CSettingsPage*> Pages() { return {&msw1, &msw2, &msw3, &msw4}; }
    void LoadAll(const SettingsBlock& block) {
        for (CSettingsPage* page : Pages()) {
            page->LoadFromBlock(block);
        }
    }
    SettingsBlock StoreAll(SettingsBlock block) {
        for (CSettingsPage* page : Pages()) {
            page->StoreToBlock(block);
        }
        return block;
    }

    HWND parent = nullptr;
    CPage_MSW1 msw1;
    CPage_MSW2 msw2;
    CPage_MSW3 msw3;
    CPage_MSW4 msw4;
};

TEST_F(MswPages, EachControlForOneSetsOnlyItsOwnSwitch) {
    struct Case {
        CSettingsPage* page;
        int id;
        std::size_t offset; // of the switch byte
        int bit;
    };
    const Case cases[] = {
        {&msw1, IDC_MSW1_4_1, 4, 3},  {&msw1, IDC_MSW1_5_1, 5, 0},  {&msw1, IDC_MSW1_6_1, 5, 1},
        {&msw1, IDC_MSW1_7_1, 5, 2},  {&msw1, IDC_MSW1_8_1, 5, 3},  {&msw2, IDC_MSW2_1, 7, 0},
        {&msw2, IDC_MSW2_2_1, 7, 1},  {&msw2, IDC_MSW2_3_1, 7, 2},  {&msw2, IDC_MSW2_5_1, 8, 0},
        {&msw2, IDC_MSW2_6_1, 8, 1},  {&msw2, IDC_MSW2_7_1, 8, 2},  {&msw2, IDC_MSW2_8_1, 8, 3},
        {&msw3, IDC_MSW3_2_1, 10, 1}, {&msw3, IDC_MSW3_3_1, 10, 2}, {&msw3, IDC_MSW3_4_1, 10, 3},
        {&msw3, IDC_MSW3_5_1, 11, 0}, {&msw3, IDC_MSW3_7, 11, 2},   {&msw3, IDC_MSW3_8_1, 11, 3},
        {&msw4, IDC_MSW4_1_1, 13, 0}, {&msw4, IDC_MSW4_3_1, 13, 2}, {&msw4, IDC_MSW4_4_1, 13, 3},
        {&msw4, IDC_MSW4_5_1, 14, 0}, {&msw4, IDC_MSW4_8_1, 14, 3},
    };
    SettingsBlock zero = FactoryBlock();
    for (std::size_t offset : {4, 5, 7, 8, 10, 11, 13, 14}) {
        zero.bytes[offset] = 0;
    }
    for (const Case& c : cases) {
        LoadAll(zero);
        HWND control = GetDlgItem(*c.page, c.id);
        SendMessageW(control, BM_SETCHECK, BST_CHECKED, 0);
        if (ButtonType(control) == BS_AUTORADIOBUTTON) {
            // The button for 0 stands just before it.
            SendMessageW(GetWindow(control, GW_HWNDPREV), BM_SETCHECK, BST_UNCHECKED, 0);
        }
        SettingsBlock expected = zero;
        expected.bytes[c.offset] = static_cast<std::uint8_t>(1 << c.bit);
        EXPECT_EQ(StoreAll(zero), expected) << WindowText(control);
    }
}

// The list holds the five entries in their order, and a store reads the chosen one.
TEST_F(MswPages, CountryListHoldsTheFiveEntriesUnsorted) {
    HWND list = GetDlgItem(msw1, IDC_MSW1_COUNTRY);
    EXPECT_EQ(GetWindowLongW(list, GWL_STYLE) & (CBS_DROPDOWNLIST | CBS_SORT), CBS_DROPDOWNLIST);
    const wchar_t* const names[] = {L"日本", L"アメリカ", L"イギリス", L"ドイツ", L"スウェーデン"};
    ASSERT_EQ(SendMessageW(list, CB_GETCOUNT, 0, 0), 5);
    for (int i = 0; i < 5; ++i) {
        SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
        EXPECT_EQ(WindowText(list), names[i]);
    }
    SettingsBlock block = FactoryBlock();
    msw1.StoreToBlock(block);
    EXPECT_EQ(block.bytes[4], 0x05); // スウェーデン
}

// Opening the country list is a change of its own (every control of every
// page is in SettingsPagesTest).
TEST_F(MswPages, OpeningTheCountryListRaisesTheDataCheck) {
    HWND list = GetDlgItem(msw1, IDC_MSW1_COUNTRY);
    SendMessageW(list, CB_SHOWDROPDOWN, TRUE, 0);
    EXPECT_GE(g_dataChecks, 1);
    SendMessageW(list, CB_SHOWDROPDOWN, FALSE, 0);
}

// Every text is measured in the control's own font: a label or caption must
// fit its width, a radio button or check box its width beside the mark, and
// a two-line button its height.
TEST_F(MswPages, TextsFitTheirControls) {
    const int mark = GetSystemMetrics(SM_CXMENUCHECK) + 4;
    for (CSettingsPage* page : Pages()) {
        for (HWND child : Children(*page)) {
            const std::wstring cls = ClassOf(child);
            if (cls != L"Button" && cls != L"Static") {
                continue;
            }
            const std::wstring text = WindowText(child);
            RECT client;
            GetClientRect(child, &client);
            int room = client.right;
            UINT format = DT_CALCRECT | DT_SINGLELINE;
            if (cls == L"Button") {
                const LONG type = ButtonType(child);
                room -= type == BS_GROUPBOX ? 16 : mark;
                if (GetWindowLongW(child, GWL_STYLE) & BS_MULTILINE) {
                    format = DT_CALCRECT | DT_WORDBREAK;
                }
            }
            HDC dc = GetDC(child);
            HGDIOBJ old =
                SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0)));
            RECT need = {0, 0, room, 0};
            DrawTextW(dc, text.c_str(), -1, &need, format);
            SelectObject(dc, old);
            ReleaseDC(child, dc);
            EXPECT_LE(need.right, room) << text;
            EXPECT_LE(need.bottom, client.bottom) << text;
        }
    }
}

} // namespace
