#pragma once
// The main window's menu with images: the menu bar shows plain text, while
// every item of the drop-down menus is drawn here, with a column for a
// 16 x 15 image at the left (at 96 DPI; scaled with the DPI), the label, and
// the shortcut at the right.

#include "framework/Menu.h"
#include "menu/MenuTemplate.h"

#include <commctrl.h>

#include <memory>
#include <string>
#include <type_traits>
#include <vector>

class CIconMenu : public CMenu {
public:
    // The image size at 96 DPI.
    static constexpr int kImageWidth = 16;
    static constexpr int kImageHeight = 15;

    // An image list shared by every item that shows an image of the same
    // bitmap at the same size; destroyed with the last of them.
    using SharedImages = std::shared_ptr<std::remove_pointer_t<HIMAGELIST>>;

    // One per item of a menu level; its address is the item's owner-draw data.
    struct Item {
        Item() = default;
        Item(const Item&) = delete;
        Item& operator=(const Item&) = delete;

        std::wstring text;           // label and shortcut, separated by a tab
        int bitmapId = -1;           // resource of the image, -1 for none
        int imageIndex = -1;         // index in `images`, -1 for none
        UINT flags = 0;              // the menu flags it was made with
        UINT_PTR id = 0;             // command id; for a drop-down its menu handle
        HIMAGELIST images = nullptr; // made for the menu's DPI, held by `imageOwner`
        SharedImages imageOwner;
    };

    CIconMenu() = default;
    ~CIconMenu() override;

    // Builds the menu from a menu template resource; false when there is none.
    bool LoadFromTemplate(UINT templateId);
    // Gives the item that carries `command`, anywhere in the menu, the image of
    // the bitmap resource and makes it owner-drawn. False when no item has it.
    bool SetItemIcon(UINT command, UINT bitmapId, const wchar_t* label = nullptr);
    // Measures and draws the items, and makes their images, for `dpi` (96
    // until set), in this menu and its drop-downs.
    void SetDpi(UINT dpi);

    // Size and drawing of an item of this level.
    void MeasureItem(MEASUREITEMSTRUCT& measure) const;
    void DrawItem(const DRAWITEMSTRUCT& draw) const;
    // The answer to a menu-character notification for one of the drop-downs:
    // execute the first item whose text carries "&" and the character, or 0
    // to ignore the character.
    LRESULT FindMnemonic(UINT character, UINT flags, HMENU menu);

    // Handles the window's measure and draw requests for the items of this
    // menu and its menu-character notifications for the drop-downs built by
    // this class. False for everything else, which takes the default way.
    bool OnMenuMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // Whether the menu is a drop-down built by this class in this process.
    static bool IsDropDown(HMENU menu);

private:
    void Clear();
    void Build(const std::vector<MenuTemplateItem>& items, bool ownerDrawn);
    // Makes the records follow the menu's items again when items were added or removed.
    void SyncRecords();
    void GiveImage(int position, UINT command, UINT bitmapId, const wchar_t* label);
    void MakeImages(Item& item) const;
    int Scaled(int pixels) const;
    // The room round an image in its column (two pixels at 96 DPI), the outer
    // pixel a frame.
    int ImageMargin() const;
    // The object of this tree whose level holds the record, or that has the menu.
    CIconMenu* LevelOfItem(ULONG_PTR itemData);
    CIconMenu* LevelOfMenu(HMENU menu);

    std::vector<std::unique_ptr<Item>> m_items;
    std::vector<std::unique_ptr<CIconMenu>> m_dropDowns;
    UINT m_dpi = 96;
    int m_imageW = kImageWidth;
    int m_imageH = kImageHeight;
};
