// The windows at the display's scale. The Windows tests run these at 96 DPI;
// tests/win/display-scales.sh runs them again at 120, 144 and 192 DPI and
// sets SWITCHBOARD_TEST_DPI to the DPI it set.

#include "PageWindows.h"
#include "app/MainToolBar.h"
#include "framework/Dpi.h"
#include "framework/PropertyPage.h"
#include "menu/IconMenu.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {

INT_PTR CALLBACK PlainDialogProc(HWND, UINT msg, WPARAM, LPARAM) {
    return msg == WM_INITDIALOG ? TRUE : FALSE;
}

BOOL CALLBACK AddDialogId(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR list) {
    reinterpret_cast<std::vector<LPCWSTR>*>(list)->push_back(name);
    return TRUE;
}

UINT ExpectedDpi() {
    const char* value = std::getenv("SWITCHBOARD_TEST_DPI");
    return value ? static_cast<UINT>(std::atoi(value)) : 96;
}

// Pixels at 96 DPI at the DPI of this run, rounded.
int AtDpi(int pixels) {
    return (pixels * static_cast<int>(ExpectedDpi()) + 48) / 96;
}

SIZE ImageSize(HIMAGELIST images) {
    int width = 0;
    int height = 0;
    ImageList_GetIconSize(images, &width, &height);
    return {width, height};
}

class DisplayScaleTest : public ::testing::Test {
protected:
    void SetUp() override {
        parent = CreateDataCheckParent();
        ASSERT_EQ(WindowDpi(parent), ExpectedDpi()) << "the display's DPI did not take effect";
    }
    void TearDown() override { DestroyWindow(parent); }
    HWND parent = nullptr;
};

// Where a control's text goes (empty for controls without one), and whether
// it wraps. Check boxes and radio buttons leave room for a 13-pixel box and a
// gap, push buttons for their border, group boxes for their corners.
RECT TextArea(HWND control, bool& wraps) {
    RECT area{};
    GetClientRect(control, &area);
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    if (ClassOf(control) == L"Static") {
        const LONG type = style & SS_TYPEMASK;
        wraps = type <= SS_RIGHT;
        return wraps || type == SS_SIMPLE || type == SS_LEFTNOWORDWRAP ? area : RECT{};
    }
    wraps = (style & BS_MULTILINE) != 0;
    switch (ClassOf(control) == L"Button" ? style & BS_TYPEMASK : -1) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
        InflateRect(&area, -AtDpi(3), -AtDpi(3));
        return area;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        area.left += AtDpi(16);
        return area;
    case BS_GROUPBOX: // its text sits on the frame: only the width counts
        InflateRect(&area, -AtDpi(8), 0);
        area.bottom = LONG_MAX / 2;
        return area;
    default:
        return {};
    }
}

// Every static text, button, check box, radio button and group box of every
// dialog template (the main window, the seven pages and every dialog),
// measured with the control's own font at this run's DPI, fits its control.
TEST_F(DisplayScaleTest, EveryTemplateTextFitsItsControl) {
    std::vector<LPCWSTR> templates;
    EnumResourceNamesW(nullptr, RT_DIALOG, AddDialogId, reinterpret_cast<LONG_PTR>(&templates));
    ASSERT_GE(templates.size(), 12u); // main window, 7 pages, form, printer, list, about
    int measured = 0;
    for (LPCWSTR id : templates) {
        HWND dialog = CreateDialogParamW(nullptr, id, parent, PlainDialogProc, 0);
        ASSERT_NE(dialog, nullptr);
        for (HWND control : Children(dialog)) {
            bool wraps = false;
            const RECT area = TextArea(control, wraps);
            wchar_t text[256] = {};
            if (IsRectEmpty(&area) || !GetWindowTextW(control, text, 256)) {
                continue;
            }
            HDC dc = GetDC(control);
            SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
            RECT needed = area;
            DrawTextW(dc, text, -1, &needed, DT_CALCRECT | (wraps ? DT_WORDBREAK : DT_SINGLELINE));
            ReleaseDC(control, dc);
            EXPECT_TRUE(needed.right <= area.right && needed.bottom <= area.bottom)
                << "template " << reinterpret_cast<ULONG_PTR>(id) << ", control "
                << GetDlgCtrlID(control) << ": its text does not fit at " << ExpectedDpi()
                << " DPI";
            ++measured;
        }
        DestroyWindow(dialog);
    }
    EXPECT_GT(measured, 100);
}

// The toolbar's images are 16 pixels on 23 x 22 buttons at 100 % and grow
// with the scale (24 on 35 x 33 at 150 %, 32 on 46 x 44 at 200 %); a menu
// image is 16 x 15 with two pixels of room above and below it.
TEST_F(DisplayScaleTest, ToolbarAndMenuImagesGrowWithTheScale) {
    CMainToolBar toolBar;
    ASSERT_TRUE(toolBar.Create(parent));
    const LRESULT buttonSize = toolBar.Send(TB_GETBUTTONSIZE);
    EXPECT_EQ(LOWORD(buttonSize), AtDpi(23));
    EXPECT_EQ(HIWORD(buttonSize), AtDpi(22));
    const SIZE toolbarImage =
        ImageSize(reinterpret_cast<HIMAGELIST>(toolBar.Send(TB_GETIMAGELIST)));
    EXPECT_EQ(toolbarImage.cx, AtDpi(16));
    EXPECT_EQ(toolbarImage.cy, AtDpi(16));

    CIconMenu menu;
    ASSERT_TRUE(menu.LoadFromTemplate(IDR_MAINMENU));
    menu.SetDpi(WindowDpi(parent));
    ASSERT_TRUE(menu.SetItemIcon(ID_FILE_READ, IDB_MENU_READ));
    MENUITEMINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_DATA;
    GetMenuItemInfoW(GetSubMenu(menu, 0), ID_FILE_READ, FALSE, &info);
    MEASUREITEMSTRUCT measure = {ODT_MENU, 0, ID_FILE_READ, 0, 0, info.dwItemData};
    LRESULT result = 0;
    ASSERT_TRUE(menu.OnMenuMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure), result));
    EXPECT_GE(static_cast<int>(measure.itemHeight), AtDpi(15) + 2 * AtDpi(2));
    const SIZE menuImage =
        ImageSize(reinterpret_cast<const CIconMenu::Item*>(info.dwItemData)->images);
    EXPECT_EQ(menuImage.cx, AtDpi(16));
    EXPECT_EQ(menuImage.cy, AtDpi(15));
}

// A window that moves to a monitor of another DPI takes the rectangle the
// system suggests and hears of the old and the new DPI; the message with the
// DPI it has (Wine sends it when a window is shown) changes nothing.
TEST_F(DisplayScaleTest, DialogTakesTheSuggestedRectangleWhenTheDpiChanges) {
    struct Page : CPropertyPage {
        Page() : CPropertyPage(IDD_PAGE_MSW1) {}
        void OnDpiChanged(UINT oldDpi, UINT newDpi) override { heard = {oldDpi, newDpi}; }
        std::vector<UINT> heard;
    } page;
    ASSERT_TRUE(page.Create(parent));
    RECT suggested = {10, 20, 410, 320};
    const auto sizeAfter = [&](UINT dpi) {
        page.Send(kDpiChangedMessage, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        RECT now = {};
        GetWindowRect(page, &now);
        return SIZE{now.right - now.left, now.bottom - now.top};
    };
    EXPECT_NE(sizeAfter(ExpectedDpi()).cx, 400);
    EXPECT_TRUE(page.heard.empty());
    const SIZE moved = sizeAfter(ExpectedDpi() + 48);
    EXPECT_EQ(moved.cx, 400);
    EXPECT_EQ(moved.cy, 300);
    EXPECT_EQ(page.heard, (std::vector<UINT>{ExpectedDpi(), ExpectedDpi() + 48}));
}

} // namespace
