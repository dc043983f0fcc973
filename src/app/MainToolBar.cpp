#include "app/MainToolBar.h"

#include "framework/DisplayScale.h"
#include "framework/Dpi.h"
#include "framework/Text.h"
#include "framework/WinApp.h"
#include "res/resource.h"

#include <commctrl.h>

#include <cstring>
#include <string>

namespace {

constexpr UINT kShiftJis = 932;
constexpr std::size_t kTipBytes = 79; // the tooltip's text field holds 80 characters

// The tooltip of a button: its string resource in code page 932, cut to at
// most 79 bytes without splitting a two-byte character.
std::string TooltipBytes(UINT id) {
    const std::wstring text = LoadResString(id);
    const int size = WideCharToMultiByte(kShiftJis, 0, text.c_str(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(kShiftJis, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(),
                        size, nullptr, nullptr);
    std::size_t end = 0;
    while (end < bytes.size()) {
        const std::size_t next =
            end + (IsDBCSLeadByteEx(kShiftJis, static_cast<BYTE>(bytes[end])) ? 2 : 1);
        if (next > kTipBytes) {
            break;
        }
        end = next;
    }
    bytes.resize(end);
    return bytes;
}

} // namespace

bool CMainToolBar::Create(HWND parent, UINT dpi) {
    if (!CToolBarCtrl::Create(WS_CHILD | WS_VISIBLE | WS_BORDER | TBSTYLE_TOOLTIPS |
                                  CCS_ADJUSTABLE | CCS_TOP,
                              parent, IDC_TOOLBAR)) {
        return false;
    }
    SetImages(dpi ? dpi : WindowDpi(parent));

    auto button = [](int image, int command) {
        TBBUTTON b = {};
        b.iBitmap = image;
        b.idCommand = command;
        b.fsState = TBSTATE_ENABLED;
        b.fsStyle = BTNS_BUTTON;
        return b;
    };
    TBBUTTON separator = {};
    separator.fsStyle = BTNS_SEP;
    const TBBUTTON buttons[] = {separator,
                                button(0, ID_TB_READ),
                                button(1, ID_TB_WRITE),
                                separator,
                                button(2, ID_TB_SEND),
                                separator,
                                button(3, ID_TB_FACTORY),
                                separator,
                                button(4, ID_TB_PRINTER)};
    Send(TB_ADDBUTTONSW, sizeof(buttons) / sizeof(buttons[0]), reinterpret_cast<LPARAM>(buttons));
    Send(TB_AUTOSIZE);
    return true;
}

CMainToolBar::~CMainToolBar() {
    if (m_images) {
        ImageList_Destroy(m_images);
    }
}

void CMainToolBar::SetDpi(UINT dpi) {
    SetImages(dpi);
    Send(TB_AUTOSIZE);
}

void CMainToolBar::SetImages(UINT dpi) {
    const int size = ScaleToDpi(16, dpi);
    HIMAGELIST old = m_images;
    m_images = LoadImageStrip(IDB_TOOLBAR, size, size, true);
    Send(TB_SETBITMAPSIZE, 0, MAKELPARAM(size, size));
    Send(TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(m_images));
    Send(TB_SETBUTTONSIZE, 0, MAKELPARAM(ScaleToDpi(23, dpi), ScaleToDpi(22, dpi)));
    if (old) {
        ImageList_Destroy(old);
    }
}

bool CMainToolBar::OnMessage(UINT msg, WPARAM /*wParam*/, LPARAM lParam, LRESULT& result) {
    if (msg != WM_NOTIFY) {
        return false;
    }
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (header->code != TTN_GETDISPINFOA && header->code != TTN_GETDISPINFOW) {
        return false;
    }
    const UINT id = static_cast<UINT>(header->idFrom);
    if (id < ID_TB_READ || id > ID_TB_PRINTER) {
        return false;
    }
    const std::string bytes = TooltipBytes(id);
    if (header->code == TTN_GETDISPINFOA) {
        auto* info = reinterpret_cast<NMTTDISPINFOA*>(lParam);
        std::memcpy(info->szText, bytes.c_str(), bytes.size() + 1);
        info->lpszText = info->szText;
        info->hinst = nullptr;
    } else {
        auto* info = reinterpret_cast<NMTTDISPINFOW*>(lParam);
        const int length = MultiByteToWideChar(kShiftJis, 0, bytes.c_str(), -1, info->szText,
                                               sizeof(info->szText) / sizeof(info->szText[0]));
        if (length == 0) {
            info->szText[0] = L'\0';
        }
        info->lpszText = info->szText;
        info->hinst = nullptr;
    }
    result = 0;
    return true;
}
