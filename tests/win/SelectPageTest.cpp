// The function selection page and the form settings dialog in-process: the
// page's fields through its real controls, the form records carried byte for
// byte, and texts that fit their controls in both templates.

#include "PageWindows.h"
#include "framework/Text.h"
#include "pages/Page_Select.h"
#include "res/resource.h"
#include "res/select_ids.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

void Put(SettingsBlock& block, std::size_t offset, const char* text) {
    std::memcpy(block.bytes.data() + offset, text, std::strlen(text));
}

std::string Bytes(const SettingsBlock& block) {
    return std::string(block.bytes.begin(), block.bytes.end());
}

class SelectPage : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"SelectPageTestParent";
        RegisterClassW(&wc);
        parent = CreateWindowExW(0, wc.lpszClassName, L"parent", WS_POPUP, 0, 0, 500, 500, nullptr,
                                 nullptr, wc.hInstance, nullptr);
        ASSERT_TRUE(page.Create(parent));
    }
    void TearDown() override { DestroyWindow(parent); }

    std::wstring Text(int id) { return WindowText(GetDlgItem(page, id)); }
    bool Checked(int id) {
        return SendMessageW(GetDlgItem(page, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }

    HWND parent = nullptr;
    CPage_Select page;
};

TEST_F(SelectPage, FactoryBlockShowsItsValuesAndStoresBackUnchanged) {
    page.LoadFromBlock(FactoryBlock());
    EXPECT_EQ(Text(IDC_SEL_PAPER_THICKNESS), L"オート");
    EXPECT_EQ(Text(IDC_SEL_PRINT_PRESSURE), L"0");
    EXPECT_EQ(Text(IDC_SEL_REDUCED_PRINT), L"縮小なし");
    EXPECT_EQ(Text(IDC_SEL_FORM_SELECT), L"書式０");
    EXPECT_TRUE(Checked(IDC_SEL_TYPEFACE_MINCHO));
    EXPECT_FALSE(Checked(IDC_SEL_TYPEFACE_GOTHIC));
    EXPECT_TRUE(Checked(IDC_SEL_HOPPER_1));
    EXPECT_FALSE(Checked(IDC_SEL_HOPPER_2));

    SettingsBlock block = FactoryBlock();
    page.StoreToBlock(block);
    EXPECT_EQ(Bytes(block), Bytes(FactoryBlock()));
}

TEST_F(SelectPage, ValuesWithoutAnEntryKeepTheControlsAndRecordsPassUnread) {
    page.LoadFromBlock(FactoryBlock());
    SettingsBlock odd = FactoryBlock();
    Put(odd, 35, "9x;ABC;120;120;046;054");         // form 0, whatever it holds
    Put(odd, 72, "66,999,000,200,120,120,046,054"); // form 1 beyond every range
    Put(odd, 58, "3");                              // hopper: no button
    Put(odd, 60, "7");                              // typeface: no button
    Put(odd, 62, "2");                              // reduced printing: no entry
    Put(odd, 67, "FA");                             // -6
    Put(odd, 70, "9");                              // form: no entry
    page.LoadFromBlock(odd);
    EXPECT_EQ(Text(IDC_SEL_PRINT_PRESSURE), L"-6");
    EXPECT_EQ(Text(IDC_SEL_REDUCED_PRINT), L"縮小なし");
    EXPECT_EQ(Text(IDC_SEL_FORM_SELECT), L"書式０");
    EXPECT_TRUE(Checked(IDC_SEL_HOPPER_1));
    EXPECT_FALSE(Checked(IDC_SEL_TYPEFACE_MINCHO));
    EXPECT_FALSE(Checked(IDC_SEL_TYPEFACE_GOTHIC));

    SettingsBlock stored = odd;
    page.StoreToBlock(stored);
    SettingsBlock expected = odd;
    Put(expected, 58, "1");
    Put(expected, 60, "0");
    Put(expected, 62, "0");
    Put(expected, 70, "0");
    EXPECT_EQ(Bytes(stored), Bytes(expected));
}

INT_PTR CALLBACK PlainDialogProc(HWND, UINT msg, WPARAM, LPARAM) {
    return msg == WM_INITDIALOG;
}

// Every label and caption measured in its control's font fits the control's
// width (beside the mark for radio buttons, inside the frame for buttons).
TEST_F(SelectPage, TextsFitTheirControls) {
    HWND dialog = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_FORM_SETTINGS),
                                     nullptr, PlainDialogProc, 0);
    ASSERT_TRUE(dialog);
    // The longest caption the form button takes.
    SetDlgItemTextW(page, IDC_SEL_FORM_SETTINGS, L"書式０の設定(&D)");
    const int mark = GetSystemMetrics(SM_CXMENUCHECK) + 4;
    for (HWND window : {page.m_hWnd, dialog}) {
        for (HWND child : Children(window)) {
            wchar_t cls[32] = {};
            GetClassNameW(child, cls, 32);
            const std::wstring text = WindowText(child);
            if ((lstrcmpiW(cls, L"Button") != 0 && lstrcmpiW(cls, L"Static") != 0) ||
                !(GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE)) {
                continue;
            }
            RECT client;
            GetClientRect(child, &client);
            int room = client.right;
            if (lstrcmpiW(cls, L"Button") == 0) {
                const LONG type = GetWindowLongW(child, GWL_STYLE) & BS_TYPEMASK;
                room -= type == BS_GROUPBOX ? 16 : type == BS_AUTORADIOBUTTON ? mark : 8;
            }
            HDC dc = GetDC(child);
            HGDIOBJ old =
                SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0)));
            RECT need = {0, 0, room, 0};
            DrawTextW(dc, text.c_str(), -1, &need, DT_CALCRECT | DT_SINGLELINE);
            SelectObject(dc, old);
            ReleaseDC(child, dc);
            EXPECT_LE(need.right, room) << text;
            EXPECT_LE(need.bottom, client.bottom) << text;
        }
    }
    DestroyWindow(dialog);
}

} // namespace
