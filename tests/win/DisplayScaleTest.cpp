// The windows at the display's scale. scripts/test.sh runs these tests at 96
// DPI with the other Windows tests and again at 120, 144 and 192 DPI
// (tests/win/display-scales.sh sets SWITCHBOARD_TEST_DPI to the DPI it set).

#include "PageWindows.h"
#include "app/MainToolBar.h"
#include "framework/Dpi.h"
#include "framework/PropertyPage.h"
#include "menu/IconMenu.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

INT_PTR CALLBACK PlainDialogProc(HWND, UINT msg, WPARAM, LPARAM) {
    return msg == WM_INITDIALOG ? TRUE : FALSE;
}

BOOL CALLBACK AddDialogId(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR list) {
    if (IS_INTRESOURCE(name)) {
        reinterpret_cast<std::vector<UINT>*>(list)->push_back(
            static_cast<UINT>(reinterpret_cast<ULONG_PTR>(name)));
    }
    return TRUE;
}

// The DPI the run was started with: the one the driver set, 96 otherwise.
UINT ExpectedDpi() {
    const char* value = std::getenv("SWITCHBOARD_TEST_DPI");
    return value ? static_cast<UINT>(std::atoi(value)) : 96;
}

// Pixels at 96 DPI at the DPI of this run, rounded.
int AtDpi(int pixels) {
    return (pixels * static_cast<int>(ExpectedDpi()) + 48) / 96;
}

class DisplayScaleTest : public ::testing::Test {
protected:
    void SetUp() override {
        parent = CreateDataCheckParent();
        ASSERT_NE(parent, nullptr);
        ASSERT_EQ(WindowDpi(parent), ExpectedDpi()) << "the display's DPI did not take effect";
    }
    void TearDown() override { DestroyWindow(parent); }
    HWND parent = nullptr;
};

// Where a control's text goes, or an empty rectangle for controls without text.
struct TextArea {
    RECT rect{};
    bool wraps = false;
};

TextArea AreaForText(HWND control) {
    TextArea area;
    GetClientRect(control, &area.rect);
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    const std::wstring kind = ClassOf(control);
    if (kind == L"Static") {
        const LONG type = style & SS_TYPEMASK;
        if (type > SS_RIGHT && type != SS_SIMPLE && type != SS_LEFTNOWORDWRAP) {
            return {}; // icons, frames and rectangles
        }
        area.wraps = type <= SS_RIGHT;
        return area;
    }
    if (kind != L"Button") {
        return {};
    }
    area.wraps = (style & BS_MULTILINE) != 0;
    switch (style & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
        // Inside the button's 3-D border and focus rectangle.
        InflateRect(&area.rect, -AtDpi(3), -AtDpi(3));
        return area;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        // Right of the 13-pixel box and a gap of 3.
        area.rect.left += AtDpi(16);
        return area;
    case BS_GROUPBOX:
        // In the frame's top line, between the corners.
        InflateRect(&area.rect, -AtDpi(8), 0);
        return area;
    default:
        return {};
    }
}

// Every static text, button, check box, radio button and group box of every
// dialog template (the main window, the seven pages and every dialog), at
// this run's DPI, measured with the control's own font, fits its control.
TEST_F(DisplayScaleTest, EveryTemplateTextFitsItsControl) {
    std::vector<UINT> templates;
    EnumResourceNamesW(GetModuleHandleW(nullptr), RT_DIALOG, AddDialogId,
                       reinterpret_cast<LONG_PTR>(&templates));
    ASSERT_GE(templates.size(), 12u); // main window, 7 pages, form, printer, list, about
    int measured = 0;
    for (UINT id : templates) {
        HWND dialog = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), parent,
                                         PlainDialogProc, 0);
        ASSERT_NE(dialog, nullptr) << "template " << id;
        for (HWND control : Children(dialog)) {
            const TextArea area = AreaForText(control);
            wchar_t text[256] = {};
            GetWindowTextW(control, text, 256);
            if (IsRectEmpty(&area.rect) || !text[0]) {
                continue;
            }
            HDC dc = GetDC(control);
            HGDIOBJ oldFont =
                SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
            RECT needed = area.rect;
            DrawTextW(dc, text, -1, &needed,
                      DT_CALCRECT | (area.wraps ? DT_WORDBREAK : DT_SINGLELINE));
            SelectObject(dc, oldFont);
            ReleaseDC(control, dc);
            const int width = area.rect.right - area.rect.left;
            const int height = area.rect.bottom - area.rect.top;
            // A group box's text sits on its frame: only its width counts.
            const bool isGroup =
                (GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX &&
                ClassOf(control) == L"Button";
            EXPECT_LE(needed.right - needed.left, width)
                << "template " << id << ", control " << GetDlgCtrlID(control) << " \"" << text
                << "\" is too narrow at " << ExpectedDpi() << " DPI";
            if (!isGroup) {
                EXPECT_LE(needed.bottom - needed.top, height)
                    << "template " << id << ", control " << GetDlgCtrlID(control) << " \"" << text
                    << "\" is too low at " << ExpectedDpi() << " DPI";
            }
            ++measured;
        }
        DestroyWindow(dialog);
    }
    EXPECT_GT(measured, 100);
}

// The toolbar's images are 16 pixels on 23 x 22 buttons at 100 %, and grow
// with the scale: 20 on 29 x 28 at 125 %, 24 on 35 x 33 at 150 %, 32 on
// 46 x 44 at 200 %.
TEST_F(DisplayScaleTest, ToolbarButtonsAndImagesGrowWithTheScale) {
    CMainToolBar toolBar;
    ASSERT_TRUE(toolBar.Create(parent));
    const LRESULT buttonSize = toolBar.Send(TB_GETBUTTONSIZE);
    EXPECT_EQ(LOWORD(buttonSize), AtDpi(23));
    EXPECT_EQ(HIWORD(buttonSize), AtDpi(22));
    int width = 0;
    int height = 0;
    ImageList_GetIconSize(reinterpret_cast<HIMAGELIST>(toolBar.Send(TB_GETIMAGELIST)), &width,
                          &height);
    EXPECT_EQ(width, AtDpi(16));
    EXPECT_EQ(height, AtDpi(16));
}

// A menu item is at least as high as its image with two pixels of room above
// and below (16 x 15 at 100 %), and as wide as its text plus two image widths.
TEST_F(DisplayScaleTest, MenuItemsHaveRoomForTheirImages) {
    CIconMenu menu;
    ASSERT_TRUE(menu.LoadFromTemplate(IDR_MAINMENU));
    menu.SetDpi(WindowDpi(parent));
    ASSERT_TRUE(menu.SetItemIcon(ID_FILE_READ, IDB_MENU_READ));
    MENUITEMINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_DATA;
    GetMenuItemInfoW(GetSubMenu(menu, 0), ID_FILE_READ, FALSE, &info);
    MEASUREITEMSTRUCT measure = {};
    measure.CtlType = ODT_MENU;
    measure.itemID = ID_FILE_READ;
    measure.itemData = info.dwItemData;
    LRESULT result = 0;
    ASSERT_TRUE(menu.OnMenuMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure), result));
    EXPECT_GE(static_cast<int>(measure.itemHeight), AtDpi(15) + 2 * AtDpi(2));
    EXPECT_GT(static_cast<int>(measure.itemWidth), 2 * AtDpi(16));
    int width = 0;
    int height = 0;
    ImageList_GetIconSize(reinterpret_cast<const CIconMenu::Item*>(info.dwItemData)->images, &width,
                          &height);
    EXPECT_EQ(width, AtDpi(16));
    EXPECT_EQ(height, AtDpi(15));
}

// A window that moves to a monitor of another DPI takes the rectangle the
// system suggests and hears of the old and the new DPI.
TEST_F(DisplayScaleTest, DialogTakesTheSuggestedRectangleWhenTheDpiChanges) {
    struct Page : CPropertyPage {
        Page() : CPropertyPage(IDD_PAGE_MSW1) {}
        void OnDpiChanged(UINT oldDpi, UINT newDpi) override {
            heard.push_back(oldDpi);
            heard.push_back(newDpi);
        }
        std::vector<UINT> heard;
    } page;
    ASSERT_TRUE(page.Create(parent));
    RECT suggested = {10, 20, 410, 320};
    EXPECT_EQ(
        page.Send(kDpiChangedMessage, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested)),
        0);
    RECT now = {};
    GetWindowRect(page, &now);
    EXPECT_EQ(now.right - now.left, 400);
    EXPECT_EQ(now.bottom - now.top, 300);
    EXPECT_EQ(page.heard, (std::vector<UINT>{ExpectedDpi(), 192}));
}

} // namespace
