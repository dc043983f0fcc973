// The icon menu in-process: the program's real menu 142 built from its
// template, item images, measuring, drawing and the menu-character answer.

#include "menu/IconMenu.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>

namespace {

using Item = CIconMenu::Item;

MENUITEMINFOW ItemInfo(HMENU menu, int position) {
    MENUITEMINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_DATA;
    GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info);
    return info;
}

const Item& RecordAt(HMENU menu, int position) {
    return *reinterpret_cast<const Item*>(ItemInfo(menu, position).dwItemData);
}

class IconMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(menu.LoadFromTemplate(IDR_MAINMENU));
        file = GetSubMenu(menu, 0);
        pages = GetSubMenu(menu, 1);
        help = GetSubMenu(menu, 2);
    }

    LRESULT Message(UINT msg, WPARAM wParam, LPARAM lParam, bool* handled = nullptr) {
        LRESULT result = -1;
        const bool wasHandled = menu.OnMenuMessage(msg, wParam, lParam, result);
        if (handled) {
            *handled = wasHandled;
        }
        return result;
    }

    MEASUREITEMSTRUCT Measure(HMENU level, int position) {
        MEASUREITEMSTRUCT measure = {};
        measure.CtlType = ODT_MENU;
        measure.itemID = GetMenuItemID(level, position);
        measure.itemData = ItemInfo(level, position).dwItemData;
        bool handled = false;
        Message(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure), &handled);
        EXPECT_TRUE(handled);
        return measure;
    }

    LRESULT MenuChar(wchar_t character, HMENU level, UINT flags = MF_POPUP) {
        bool handled = false;
        const LRESULT result = Message(WM_MENUCHAR, MAKEWPARAM(character, flags),
                                       reinterpret_cast<LPARAM>(level), &handled);
        return handled ? result : -1;
    }

    CIconMenu menu;
    HMENU file = nullptr;
    HMENU pages = nullptr;
    HMENU help = nullptr;
};

TEST_F(IconMenuTest, BuildsTheProgramMenuFromItsTemplate) {
    const wchar_t* bar[] = {L"ファイル(&F)", L"メニュー(&M)", L"ヘルプ(&H)"};
    ASSERT_EQ(GetMenuItemCount(menu), 3);
    for (int i = 0; i < 3; ++i) {
        wchar_t text[64] = {};
        GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
        EXPECT_EQ(std::wstring(text), bar[i]);
        EXPECT_FALSE(ItemInfo(menu, i).fType & MFT_OWNERDRAW) << i; // the bar is plain text
        EXPECT_TRUE(CIconMenu::IsDropDown(GetSubMenu(menu, i))) << i;
    }
    EXPECT_FALSE(CIconMenu::IsDropDown(menu));

    const UINT fileIds[] = {ID_FILE_READ,
                            ID_FILE_WRITE,
                            0,
                            ID_SEND,
                            ID_FACTORY,
                            ID_SETTINGS_LIST,
                            0,
                            ID_SELECT_PRINTER,
                            0,
                            ID_FILE_EXIT};
    ASSERT_EQ(GetMenuItemCount(file), 10);
    for (int i = 0; i < 10; ++i) {
        const MENUITEMINFOW info = ItemInfo(file, i);
        EXPECT_TRUE(info.fType & MFT_OWNERDRAW) << i;
        EXPECT_EQ((info.fType & MFT_SEPARATOR) != 0, fileIds[i] == 0) << i;
        EXPECT_EQ(info.wID, fileIds[i]) << i;
        EXPECT_EQ(RecordAt(file, i).id, fileIds[i]) << i;
    }
    EXPECT_EQ(RecordAt(file, 0).text, L"設定ファイルの読み込み(&O)...\tCtrl+O");
    EXPECT_EQ(RecordAt(file, 0).imageIndex, -1);
    EXPECT_EQ(RecordAt(file, 5).text, L"設定一覧(&L)...");
    EXPECT_EQ(GetMenuItemCount(pages), 7);
    EXPECT_EQ(RecordAt(pages, 1).text, L"パラメータ設定１（&P）\tCtrl+P");
    EXPECT_EQ(GetMenuItemCount(help), 3);
    EXPECT_EQ(RecordAt(help, 2).text, L"バージョン情報(&A)...");
    EXPECT_EQ(RecordAt(menu, 0).id, reinterpret_cast<UINT_PTR>(file));

    EXPECT_FALSE(CIconMenu().LoadFromTemplate(4242));
}

TEST_F(IconMenuTest, ItemsGetImagesAnywhereInTheTree) {
    EXPECT_TRUE(menu.SetItemIcon(ID_SEND, IDB_MENU_SEND));
    EXPECT_TRUE(menu.SetItemIcon(ID_PAGE_MSW4, IDB_MENU_MSW, L"メモリ４"));
    EXPECT_FALSE(menu.SetItemIcon(4242, IDB_MENU_SEND));

    const Item& send = RecordAt(file, 3);
    ASSERT_NE(send.images, nullptr);
    EXPECT_EQ(send.bitmapId, IDB_MENU_SEND);
    EXPECT_EQ(send.imageIndex, 0);
    int cx = 0, cy = 0;
    ImageList_GetIconSize(send.images, &cx, &cy);
    EXPECT_EQ(cx, 16);
    EXPECT_EQ(cy, 15);
    EXPECT_EQ(RecordAt(pages, 6).text, L"メモリ４");
    EXPECT_TRUE(ItemInfo(pages, 6).fType & MFT_OWNERDRAW);

    // A missing bitmap leaves the item without an image.
    EXPECT_TRUE(menu.SetItemIcon(ID_FILE_EXIT, 4242));
    EXPECT_EQ(RecordAt(file, 9).images, nullptr);
    EXPECT_EQ(RecordAt(file, 9).imageIndex, -1);
}

TEST_F(IconMenuTest, MeasuresSeparatorsAndItems) {
    const int menuBar = GetSystemMetrics(SM_CYMENU);
    const MEASUREITEMSTRUCT separator = Measure(file, 2);
    EXPECT_EQ(separator.itemWidth, 0u);
    EXPECT_EQ(separator.itemHeight, static_cast<UINT>(menuBar / 2));

    // The width is that of the whole text, tab and shortcut included, in the menu font.
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    HDC dc = GetDC(nullptr);
    HFONT font = CreateFontIndirectW(&metrics.lfMenuFont);
    HGDIOBJ old = SelectObject(dc, font);
    for (const auto& [level, position] : {std::pair{file, 0}, std::pair{help, 2}}) {
        const std::wstring& text = RecordAt(level, position).text;
        SIZE size = {};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
        const MEASUREITEMSTRUCT item = Measure(level, position);
        EXPECT_EQ(item.itemWidth, static_cast<UINT>(size.cx + 33)) << position;
        EXPECT_EQ(item.itemHeight, static_cast<UINT>(std::max(menuBar, 19)));
    }
    SelectObject(dc, old);
    DeleteObject(font);
    ReleaseDC(nullptr, dc);
    EXPECT_GT(Measure(file, 0).itemWidth, Measure(help, 0).itemWidth);

    // With a low menu bar every item is still 19 pixels high.
    NONCLIENTMETRICSW low = metrics;
    low.iMenuHeight = 12;
    ASSERT_TRUE(SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof low, &low, 0));
    const int lowBar = GetSystemMetrics(SM_CYMENU);
    const UINT lowHeight = Measure(file, 0).itemHeight;
    const UINT lowSeparator = Measure(file, 2).itemHeight;
    SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    ASSERT_LT(lowBar, 19);
    EXPECT_EQ(lowHeight, 19u);
    EXPECT_EQ(lowSeparator, static_cast<UINT>(lowBar / 2));
}

TEST_F(IconMenuTest, MnemonicsExecuteTheFirstItemCarryingThem) {
    EXPECT_EQ(MenuChar(L'o', file), MAKELRESULT(0, MNC_EXECUTE));
    EXPECT_EQ(MenuChar(L'O', file), MAKELRESULT(0, MNC_EXECUTE));
    EXPECT_EQ(MenuChar(L'x', file), MAKELRESULT(9, MNC_EXECUTE));
    EXPECT_EQ(MenuChar(L'l', file), MAKELRESULT(5, MNC_EXECUTE));
    EXPECT_EQ(MenuChar(L'a', help), MAKELRESULT(2, MNC_EXECUTE));
    EXPECT_EQ(MenuChar(L'z', file), 0);
    EXPECT_EQ(MenuChar(L'k', file), 0); // an item of another drop-down
    // The menu bar, the system menu and foreign menus take the default way.
    EXPECT_EQ(MenuChar(L'f', menu), -1);
    EXPECT_EQ(MenuChar(L'o', file, MF_SYSMENU), -1);
    HMENU foreign = CreatePopupMenu();
    AppendMenuW(foreign, MF_STRING, 1, L"開く(&O)");
    EXPECT_EQ(MenuChar(L'o', foreign), -1);
    DestroyMenu(foreign);

    // Items added later are found too.
    AppendMenuW(file, MF_STRING, 4000, L"追加(&Q)");
    EXPECT_EQ(MenuChar(L'q', file), MAKELRESULT(10, MNC_EXECUTE));
    EXPECT_EQ(MenuChar(L'o', file), MAKELRESULT(0, MNC_EXECUTE));
    EXPECT_EQ(RecordAt(file, 0).text, L"設定ファイルの読み込み(&O)...\tCtrl+O");
}

TEST_F(IconMenuTest, DestroyingTheMenuForgetsItsDropDowns) {
    auto other = std::make_unique<CIconMenu>();
    ASSERT_TRUE(other->LoadFromTemplate(IDR_MAINMENU));
    HMENU otherFile = GetSubMenu(*other, 0);
    EXPECT_TRUE(CIconMenu::IsDropDown(otherFile));
    other.reset();
    EXPECT_FALSE(CIconMenu::IsDropDown(otherFile));
    EXPECT_FALSE(IsMenu(otherFile));
    EXPECT_TRUE(CIconMenu::IsDropDown(file));
}

// Draws one item into a bitmap and reads its pixels back.
class Canvas {
public:
    Canvas() {
        HDC screen = GetDC(nullptr);
        dc = CreateCompatibleDC(screen);
        bitmap = CreateCompatibleBitmap(screen, kWidth, kHeight);
        ReleaseDC(nullptr, screen);
        old = SelectObject(dc, bitmap);
    }
    ~Canvas() {
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    void Draw(CIconMenu& menu, HMENU level, int position, UINT state) {
        const RECT all = {0, 0, kWidth, kHeight};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        DRAWITEMSTRUCT draw = {};
        draw.CtlType = ODT_MENU;
        draw.itemID = GetMenuItemID(level, position);
        draw.itemAction = ODA_DRAWENTIRE;
        draw.itemState = state;
        draw.hwndItem = reinterpret_cast<HWND>(level);
        draw.hDC = dc;
        draw.rcItem = {0, 0, kWidth, kHeight};
        draw.itemData = ItemInfo(level, position).dwItemData;
        LRESULT result = 0;
        EXPECT_TRUE(menu.OnMenuMessage(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw), result));
    }
    COLORREF At(int x, int y) const { return GetPixel(dc, x, y); }

    static constexpr int kWidth = 300;
    static constexpr int kHeight = 19;
    HDC dc;

private:
    HBITMAP bitmap;
    HGDIOBJ old;
};

TEST_F(IconMenuTest, SelectionAndDisabledImagesLook) {
    ASSERT_TRUE(menu.SetItemIcon(ID_FILE_READ, IDB_MENU_READ));
    ASSERT_TRUE(menu.SetItemIcon(ID_SEND, IDB_MENU_SEND));
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    Canvas canvas;

    // With an image the highlight starts right of the image column.
    canvas.Draw(menu, file, 0, ODS_SELECTED);
    EXPECT_NE(canvas.At(10, 0), highlight);
    EXPECT_NE(canvas.At(20, 9), highlight);
    EXPECT_EQ(canvas.At(21, 0), highlight);
    EXPECT_EQ(canvas.At(Canvas::kWidth - 1, 18), highlight);
    // Without one the whole width is highlighted.
    canvas.Draw(menu, file, 9, ODS_SELECTED);
    EXPECT_EQ(canvas.At(0, 0), highlight);
    EXPECT_EQ(canvas.At(10, 9), highlight);

    // A disabled image shows only in relief: shadow and highlight on the face colour.
    canvas.Draw(menu, file, 3, ODS_GRAYED);
    const COLORREF relief[] = {GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNSHADOW),
                               GetSysColor(COLOR_BTNHIGHLIGHT)};
    int shadowPixels = 0;
    for (int y = 2; y < 2 + 15; ++y) {
        for (int x = 2; x < 2 + 16; ++x) {
            const COLORREF pixel = canvas.At(x, y);
            EXPECT_TRUE(pixel == relief[0] || pixel == relief[1] || pixel == relief[2])
                << x << "," << y << " " << std::hex << pixel;
            shadowPixels += pixel == relief[1];
        }
    }
    EXPECT_GT(shadowPixels, 20);
}

} // namespace
