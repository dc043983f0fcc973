#include "menu/IconMenu.h"

#include "framework/DisplayScale.h"
#include "framework/Dpi.h"
#include "framework/WinApp.h"

#include <algorithm>
#include <array>
#include <map>
#include <tuple>
#include <utility>

namespace {

const LPCWSTR kToolbarResource = MAKEINTRESOURCEW(241); // a toolbar resource

// The handles of every drop-down menu built by this class in this process.
std::vector<HMENU>& DropDownHandles() {
    static std::vector<HMENU> handles;
    return handles;
}

// The three-dimensional details of the new shell, decided once per process.
bool NewShell() {
    static const bool newShell = [] {
        std::optional<std::uint32_t> ntMajor;
        OSVERSIONINFOW version = {};
        version.dwOSVersionInfoSize = sizeof version;
        if (GetVersionExW(&version)) {
            ntMajor = version.dwMajorVersion;
        }
        return HasNewShell(ClassifyWindows(GetVersion(), ntMajor));
    }();
    return newShell;
}

HFONT CreateMenuFont(UINT dpi) {
    const NONCLIENTMETRICSW metrics = NonClientMetricsForDpi(dpi);
    return CreateFontIndirectW(&metrics.lfMenuFont);
}

void FillSolid(HDC dc, const RECT& rect, COLORREF color) {
    const COLORREF old = SetBkColor(dc, color);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    SetBkColor(dc, old);
}

void FillSysColor(HDC dc, const RECT& rect, int colorIndex) {
    FillSolid(dc, rect, GetSysColor(colorIndex));
}

// A one-pixel frame: `topLeft` along the top and left, `bottomRight` along
// the bottom and right.
void Frame3d(HDC dc, const RECT& r, COLORREF topLeft, COLORREF bottomRight) {
    FillSolid(dc, {r.left, r.top, r.right - 1, r.top + 1}, topLeft);
    FillSolid(dc, {r.left, r.top, r.left + 1, r.bottom - 1}, topLeft);
    FillSolid(dc, {r.right - 1, r.top, r.right, r.bottom}, bottomRight);
    FillSolid(dc, {r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
}

void FrameRaised(HDC dc, const RECT& r) {
    Frame3d(dc, r, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW));
}

void FrameSunken(HDC dc, const RECT& r) {
    Frame3d(dc, r, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
}

// The command's image in a toolbar resource of the bitmap's id; 0 without one.
int ImageIndexFor(UINT bitmapId, UINT command) {
    HRSRC info = FindResourceW(AppInstance(), MAKEINTRESOURCEW(bitmapId), kToolbarResource);
    HGLOBAL handle = info ? LoadResource(AppInstance(), info) : nullptr;
    const auto* data = handle ? static_cast<const unsigned char*>(LockResource(handle)) : nullptr;
    if (!data) {
        return 0;
    }
    const int index = ToolbarImageIndex(data, SizeofResource(AppInstance(), info),
                                        static_cast<std::uint16_t>(command));
    return std::max(index, 0);
}

// The image in relief, as a disabled image looks: its shape in the highlight
// colour one pixel to the right and down, and in the shadow colour in place.
void DrawEmbossed(HDC dc, HIMAGELIST images, int index, int x, int y) {
    int width = 0;
    int height = 0;
    ImageList_GetIconSize(images, &width, &height);
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
    HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
    FillSysColor(memory, {0, 0, width, height}, COLOR_MENU);
    ImageList_Draw(images, index, memory, 0, 0, ILD_TRANSPARENT);

    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    std::vector<bool> shape(static_cast<std::size_t>(width * height));
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            const COLORREF pixel = GetPixel(memory, column, row);
            shape[static_cast<std::size_t>(row * width + column)] =
                pixel != face && pixel != highlight;
        }
    }
    SelectObject(memory, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);

    FillSysColor(dc, {x, y, x + width, y + height}, NewShell() ? COLOR_BTNFACE : COLOR_MENU);
    for (const auto& [offset, colorIndex] :
         {std::pair{1, COLOR_BTNHIGHLIGHT}, std::pair{0, COLOR_BTNSHADOW}}) {
        const COLORREF color = GetSysColor(colorIndex);
        for (int row = 0; row < height; ++row) {
            for (int column = 0; column < width; ++column) {
                if (shape[static_cast<std::size_t>(row * width + column)]) {
                    SetPixelV(dc, x + column + offset, y + row + offset, color);
                }
            }
        }
    }
}

// A check mark, or a 6 x 6 dot for a radio item, centred in `box`; at 96
// DPI, scaled by `scale` whole pixels.
void DrawCheck(HDC dc, const RECT& box, bool radio, COLORREF color, int scale) {
    const int cx = (box.left + box.right) / 2;
    const int cy = (box.top + box.bottom) / 2;
    if (radio) {
        HBRUSH brush = CreateSolidBrush(color);
        HPEN pen = CreatePen(PS_SOLID, 1, color);
        HGDIOBJ oldBrush = SelectObject(dc, brush);
        HGDIOBJ oldPen = SelectObject(dc, pen);
        Ellipse(dc, cx - 3 * scale, cy - 3 * scale, cx + 3 * scale, cy + 3 * scale);
        SelectObject(dc, oldPen);
        SelectObject(dc, oldBrush);
        DeleteObject(pen);
        DeleteObject(brush);
        return;
    }
    // Seven pixels wide, three thick: down two steps, then up four.
    for (int thickness = 0; thickness < 3 * scale; ++thickness) {
        for (int step = 0; step < 7 * scale; ++step) {
            const int rise = step / scale <= 2 ? step : 4 * scale - step;
            SetPixelV(dc, cx - 3 * scale + step, cy - scale + rise + thickness, color);
        }
    }
}

// The image list of the bitmap at the size, made once for every item that
// shows one of its images (several items share a bitmap, and each list costs
// a bitmap load and a mask at start). A square bitmap in a list one row less
// high (15 of 16 at 96 DPI): only its top rows show.
CIconMenu::SharedImages SharedImageStrip(int bitmapId, int width, int height) {
    static std::map<std::tuple<int, int, int>, std::weak_ptr<CIconMenu::SharedImages::element_type>>
        made;
    std::weak_ptr<CIconMenu::SharedImages::element_type>& entry = made[{bitmapId, width, height}];
    CIconMenu::SharedImages images = entry.lock();
    if (!images) {
        HIMAGELIST list = LoadImageStrip(static_cast<UINT>(bitmapId), width, height, true);
        if (list) {
            images.reset(list, ImageList_Destroy);
            entry = images;
        }
    }
    return images;
}

} // namespace

CIconMenu::~CIconMenu() {
    Clear();
}

bool CIconMenu::IsDropDown(HMENU menu) {
    const std::vector<HMENU>& handles = DropDownHandles();
    return menu && std::find(handles.begin(), handles.end(), menu) != handles.end();
}

void CIconMenu::Clear() {
    // A drop-down's menu belongs to the menu above it and goes with it: by
    // this object when it still holds its menu, otherwise by the window that
    // took the menu over.
    std::vector<HMENU>& handles = DropDownHandles();
    for (const auto& dropDown : m_dropDowns) {
        handles.erase(std::remove(handles.begin(), handles.end(), dropDown->m_hMenu),
                      handles.end());
        dropDown->Detach();
    }
    if (m_hMenu) {
        DestroyMenu(Detach());
    }
    m_dropDowns.clear();
    m_items.clear();
}

bool CIconMenu::LoadFromTemplate(UINT templateId) {
    Clear();
    HRSRC info = FindResourceW(AppInstance(), MAKEINTRESOURCEW(templateId), RT_MENU);
    HGLOBAL handle = info ? LoadResource(AppInstance(), info) : nullptr;
    const auto* data = handle ? static_cast<const unsigned char*>(LockResource(handle)) : nullptr;
    if (!data) {
        return false;
    }
    const std::optional<std::vector<MenuTemplateItem>> items =
        ParseMenuTemplate(data, SizeofResource(AppInstance(), info));
    if (!items) {
        return false;
    }
    Attach(CreateMenu());
    Build(*items, false);
    return true;
}

// The menu bar's own items stay plain text; the items of drop-downs are drawn here.
void CIconMenu::Build(const std::vector<MenuTemplateItem>& items, bool ownerDrawn) {
    for (const MenuTemplateItem& entry : items) {
        auto record = std::make_unique<Item>();
        record->text.assign(entry.text.begin(), entry.text.end());
        record->flags = entry.flags;
        record->id = entry.id;
        if (entry.flags & kMenuPopup) {
            auto dropDown = std::make_unique<CIconMenu>();
            dropDown->Attach(CreatePopupMenu());
            dropDown->SetDpi(m_dpi);
            DropDownHandles().push_back(dropDown->m_hMenu);
            dropDown->Build(entry.items, true);
            record->id = reinterpret_cast<UINT_PTR>(dropDown->m_hMenu);
            m_dropDowns.push_back(std::move(dropDown));
        }
        if (ownerDrawn) {
            AppendMenuW(m_hMenu, record->flags | MF_OWNERDRAW, record->id,
                        reinterpret_cast<LPCWSTR>(record.get()));
        } else {
            AppendMenuW(m_hMenu, record->flags | MF_STRING, record->id, record->text.c_str());
            MENUITEMINFOW info = {};
            info.cbSize = sizeof info;
            info.fMask = MIIM_DATA;
            info.dwItemData = reinterpret_cast<ULONG_PTR>(record.get());
            SetMenuItemInfoW(m_hMenu, GetMenuItemCount(m_hMenu) - 1, TRUE, &info);
        }
        m_items.push_back(std::move(record));
    }
}

void CIconMenu::SyncRecords() {
    const int count = m_hMenu ? GetMenuItemCount(m_hMenu) : -1;
    if (count < 0 || static_cast<std::size_t>(count) == m_items.size()) {
        return;
    }
    std::vector<std::unique_ptr<Item>> records;
    for (int position = 0; position < count; ++position) {
        wchar_t text[256] = {};
        MENUITEMINFOW info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_DATA | MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU;
        GetMenuItemInfoW(m_hMenu, static_cast<UINT>(position), TRUE, &info);
        // A record that is still an item's data stays that item's record.
        const auto kept = std::find_if(m_items.begin(), m_items.end(), [&](const auto& record) {
            return record && reinterpret_cast<ULONG_PTR>(record.get()) == info.dwItemData;
        });
        if (kept != m_items.end()) {
            records.push_back(std::move(*kept));
            continue;
        }
        auto record = std::make_unique<Item>();
        GetMenuStringW(m_hMenu, static_cast<UINT>(position), text, 256, MF_BYPOSITION);
        record->text = text;
        record->flags = info.fType | info.fState | (info.hSubMenu ? MF_POPUP : 0);
        record->id = info.hSubMenu ? reinterpret_cast<UINT_PTR>(info.hSubMenu) : info.wID;
        records.push_back(std::move(record));
    }
    m_items = std::move(records);
}

bool CIconMenu::SetItemIcon(UINT command, UINT bitmapId, const wchar_t* label) {
    const int count = m_hMenu ? GetMenuItemCount(m_hMenu) : 0;
    for (int position = 0; position < count; ++position) {
        if (HMENU subMenu = GetSubMenu(m_hMenu, position)) {
            for (const auto& dropDown : m_dropDowns) {
                if (dropDown->m_hMenu == subMenu &&
                    dropDown->SetItemIcon(command, bitmapId, label)) {
                    return true;
                }
            }
        } else if (GetMenuItemID(m_hMenu, position) == command) {
            GiveImage(position, command, bitmapId, label);
            return true;
        }
    }
    return false;
}

void CIconMenu::GiveImage(int position, UINT command, UINT bitmapId, const wchar_t* label) {
    SyncRecords();
    Item& item = *m_items[static_cast<std::size_t>(position)];
    if (label) {
        item.text = label;
    }
    item.bitmapId = static_cast<int>(bitmapId);
    item.imageIndex = -1;
    MakeImages(item);
    if (item.images) {
        item.imageIndex = ImageIndexFor(bitmapId, command);
    } else {
        item.bitmapId = -1;
    }
    MENUITEMINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    GetMenuItemInfoW(m_hMenu, static_cast<UINT>(position), TRUE, &info);
    info.fMask = MIIM_FTYPE | MIIM_DATA;
    info.fType |= MFT_OWNERDRAW;
    info.dwItemData = reinterpret_cast<ULONG_PTR>(&item);
    SetMenuItemInfoW(m_hMenu, static_cast<UINT>(position), TRUE, &info);
}

void CIconMenu::MakeImages(Item& item) const {
    item.imageOwner = SharedImageStrip(item.bitmapId, m_imageW, m_imageH);
    item.images = item.imageOwner.get();
}

void CIconMenu::SetDpi(UINT dpi) {
    m_dpi = dpi;
    m_imageW = Scaled(kImageWidth);
    m_imageH = Scaled(kImageHeight);
    for (const auto& record : m_items) {
        if (record && record->bitmapId >= 0) {
            MakeImages(*record);
        }
    }
    for (const auto& dropDown : m_dropDowns) {
        dropDown->SetDpi(dpi);
    }
}

int CIconMenu::Scaled(int pixels) const {
    return ScaleToDpi(pixels, m_dpi);
}

int CIconMenu::ImageMargin() const {
    return Scaled(2);
}

CIconMenu* CIconMenu::LevelOfItem(ULONG_PTR itemData) {
    for (const auto& record : m_items) {
        if (reinterpret_cast<ULONG_PTR>(record.get()) == itemData) {
            return this;
        }
    }
    for (const auto& dropDown : m_dropDowns) {
        if (CIconMenu* level = dropDown->LevelOfItem(itemData)) {
            return level;
        }
    }
    return nullptr;
}

CIconMenu* CIconMenu::LevelOfMenu(HMENU menu) {
    if (m_hMenu == menu) {
        return this;
    }
    for (const auto& dropDown : m_dropDowns) {
        if (CIconMenu* level = dropDown->LevelOfMenu(menu)) {
            return level;
        }
    }
    return nullptr;
}

bool CIconMenu::OnMenuMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
    case WM_MEASUREITEM: {
        auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        CIconMenu* level = measure.CtlType == ODT_MENU ? LevelOfItem(measure.itemData) : nullptr;
        if (!level) {
            return false;
        }
        level->MeasureItem(measure);
        result = TRUE;
        return true;
    }
    case WM_DRAWITEM: {
        const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        CIconMenu* level = draw.CtlType == ODT_MENU ? LevelOfItem(draw.itemData) : nullptr;
        if (!level) {
            return false;
        }
        level->DrawItem(draw);
        result = TRUE;
        return true;
    }
    case WM_MENUCHAR: {
        HMENU menu = reinterpret_cast<HMENU>(lParam);
        if (!(HIWORD(wParam) & MF_POPUP) || !IsDropDown(menu)) {
            return false;
        }
        result = FindMnemonic(LOWORD(wParam), HIWORD(wParam), menu);
        return true;
    }
    default:
        return false;
    }
}

LRESULT CIconMenu::FindMnemonic(UINT character, UINT flags, HMENU menu) {
    CIconMenu* level = LevelOfMenu(menu);
    if (!(flags & MF_POPUP) || !IsDropDown(menu) || !level) {
        return 0;
    }
    level->SyncRecords();
    std::wstring key = {L'&', static_cast<wchar_t>(character)};
    CharUpperBuffW(key.data(), static_cast<DWORD>(key.size()));
    for (std::size_t position = 0; position < level->m_items.size(); ++position) {
        std::wstring text = level->m_items[position]->text;
        CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
        if (text.find(key) != std::wstring::npos) {
            return MAKELRESULT(static_cast<WORD>(position), MNC_EXECUTE);
        }
    }
    return 0;
}

void CIconMenu::MeasureItem(MEASUREITEMSTRUCT& measure) const {
    const auto& item = *reinterpret_cast<const Item*>(measure.itemData);
    const int menuBarHeight = SystemMetricForDpi(SM_CYMENU, m_dpi);
    if (item.flags & MF_SEPARATOR) {
        measure.itemWidth = 0;
        measure.itemHeight = static_cast<UINT>(menuBarHeight / 2);
        return;
    }
    HDC dc = GetDC(nullptr);
    HFONT font = NewShell() ? CreateMenuFont(m_dpi) : nullptr;
    HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
    SIZE size = {};
    GetTextExtentPoint32W(dc, item.text.c_str(), static_cast<int>(item.text.size()), &size);
    if (font) {
        SelectObject(dc, oldFont);
        DeleteObject(font);
    }
    ReleaseDC(nullptr, dc);
    measure.itemWidth = static_cast<UINT>(size.cx + 2 * m_imageW + Scaled(1));
    measure.itemHeight = static_cast<UINT>(std::max(menuBarHeight, m_imageH + 2 * ImageMargin()));
}

void CIconMenu::DrawItem(const DRAWITEMSTRUCT& draw) const {
    const auto& item = *reinterpret_cast<const Item*>(draw.itemData);
    HDC dc = draw.hDC;
    const RECT& rect = draw.rcItem;
    if (item.flags & MF_SEPARATOR) {
        FillSysColor(dc, rect, COLOR_MENU);
        RECT lowerHalf = rect;
        lowerHalf.top += (rect.bottom - rect.top) / 2;
        DrawEdge(dc, &lowerHalf, EDGE_ETCHED, BF_TOP);
        return;
    }
    const bool selected = draw.itemState & ODS_SELECTED;
    const bool checked = draw.itemState & ODS_CHECKED;
    const bool disabled = draw.itemState & (ODS_GRAYED | ODS_DISABLED);
    const bool hasImage = item.images && item.imageIndex >= 0;
    const bool newShell = NewShell();

    // Background: a selected item with an image or a check is highlighted
    // only right of the image column.
    if (selected) {
        RECT highlight = rect;
        if (hasImage || checked) {
            highlight.left += m_imageW + Scaled(5);
        }
        FillSysColor(dc, highlight, COLOR_HIGHLIGHT);
    } else {
        FillSysColor(dc, rect, COLOR_MENU);
    }

    const int margin = ImageMargin();
    const int dy =
        std::max(0, (static_cast<int>(rect.bottom - rect.top) - m_imageH - 2 * margin) / 2);
    const RECT box = {rect.left + 1, rect.top + dy + 1, rect.left + m_imageW + 2 * margin - 1,
                      rect.top + dy + m_imageH + 2 * margin - 1};
    const RECT frame = {rect.left, rect.top + dy, rect.left + m_imageW + 2 * margin,
                        rect.top + dy + m_imageH + 2 * margin};
    const int imageX = rect.left + margin;
    const int imageY = rect.top + dy + margin;
    if (hasImage && disabled) {
        DrawEmbossed(dc, item.images, item.imageIndex, imageX, imageY);
    } else if (hasImage) {
        if (selected) {
            FillSysColor(dc, box, COLOR_MENU);
            if (newShell && checked) {
                FrameSunken(dc, frame);
            } else if (newShell) {
                FrameRaised(dc, frame);
            }
        } else if (checked) {
            FillSysColor(dc, box, COLOR_3DLIGHT);
            if (newShell) {
                FrameSunken(dc, frame);
            }
        } else {
            FillSysColor(dc, box, COLOR_MENU);
        }
        ImageList_Draw(item.images, item.imageIndex, dc, imageX, imageY, ILD_TRANSPARENT);
    } else if (checked) {
        FillSysColor(dc, box, selected || !newShell ? COLOR_MENU : COLOR_3DLIGHT);
        if (newShell) {
            FrameSunken(dc, frame);
        }
        MENUITEMINFOW info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_CHECKMARKS;
        GetMenuItemInfoW(reinterpret_cast<HMENU>(draw.hwndItem), draw.itemID, FALSE, &info);
        DrawCheck(dc, box, info.hbmpChecked != nullptr, GetSysColor(COLOR_MENUTEXT),
                  std::max(1, Scaled(1)));
    }

    // Text: the label left-aligned, the shortcut after the last tab right-aligned.
    const std::size_t firstTab = item.text.find(L'\t');
    const std::size_t lastTab = item.text.rfind(L'\t');
    const std::wstring label = item.text.substr(0, firstTab);
    const std::wstring shortcut =
        lastTab == std::wstring::npos ? std::wstring() : item.text.substr(lastTab + 1);
    HFONT font = CreateMenuFont(m_dpi);
    HGDIOBJ oldFont = SelectObject(dc, font);
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColor = GetTextColor(dc);
    const auto drawText = [&](int offset, int colorIndex) {
        SetTextColor(dc, GetSysColor(colorIndex));
        RECT area = {rect.left + m_imageW + Scaled(9) + offset, rect.top - 1 + offset,
                     rect.right + offset, rect.bottom - 1 + offset};
        const UINT format = DT_SINGLELINE | DT_VCENTER;
        DrawTextW(dc, label.c_str(), static_cast<int>(label.size()), &area, format | DT_LEFT);
        area.right -= Scaled(16);
        DrawTextW(dc, shortcut.c_str(), static_cast<int>(shortcut.size()), &area,
                  format | DT_RIGHT);
    };
    if (!disabled) {
        drawText(0, selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
    } else if (selected) {
        drawText(0, COLOR_MENU);
    } else {
        drawText(1, COLOR_BTNHIGHLIGHT);
        drawText(0, COLOR_GRAYTEXT);
    }
    SetTextColor(dc, oldColor);
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldFont);
    DeleteObject(font);
}
