// The floor for kvswbd.exe's start-up: the same window with nothing behind it.
// Built with the program's own resource script, it creates what the main
// window must create at start (the main dialog with its menu, the toolbar,
// the status bar, the seven tabs with their images and the seven page dialogs
// from their templates) and enumerates the printers once, as kvswbd.exe
// does, but keeps no settings, loads no page values and draws no menu images.
// It marks the start-up phases it shares with kvswbd.exe.
#include "framework/StartupPhases.h"
#include "res/resource.h"
#include "settingslist/SettingsCatalogue.h"

#include <windows.h>
#include <commctrl.h>
#include <winspool.h>

#include <vector>

namespace {

// The pages in tab order, with the image of each tab; the texts are kTabTexts.
const struct {
    UINT templateId;
    int image;
} kPages[kTabCount] = {
    {IDD_PAGE_SELECT, 0}, {IDD_PAGE_PARAM, 2}, {IDD_PAGE_PARAM_2, 2}, {IDD_PAGE_MSW1, 1},
    {IDD_PAGE_MSW2, 1},   {IDD_PAGE_MSW3, 1},  {IDD_PAGE_MSW4, 1},
};

INT_PTR CALLBACK PageProc(HWND, UINT msg, WPARAM, LPARAM) {
    return msg == WM_INITDIALOG;
}

void CreateBars(HWND dialog, HINSTANCE instance) {
    HWND toolBar = CreateWindowExW(
        0, TOOLBARCLASSNAMEW, nullptr,
        WS_CHILD | WS_VISIBLE | WS_BORDER | TBSTYLE_TOOLTIPS | CCS_ADJUSTABLE | CCS_TOP, 0, 0, 0, 0,
        dialog, reinterpret_cast<HMENU>(IDC_TOOLBAR), instance, nullptr);
    SendMessageW(toolBar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(toolBar, TB_SETBITMAPSIZE, 0, MAKELPARAM(16, 16));
    TBADDBITMAP bitmap = {instance, IDB_TOOLBAR};
    SendMessageW(toolBar, TB_ADDBITMAP, 5, reinterpret_cast<LPARAM>(&bitmap));
    std::vector<TBBUTTON> buttons;
    const int commands[] = {0, ID_TB_READ,   ID_TB_WRITE, 0, ID_TB_SEND, 0, ID_TB_FACTORY,
                            0, ID_TB_PRINTER};
    int image = 0;
    for (int command : commands) {
        TBBUTTON button = {};
        button.fsStyle = command ? BTNS_BUTTON : BTNS_SEP;
        button.fsState = command ? TBSTATE_ENABLED : 0;
        button.idCommand = command;
        button.iBitmap = command ? image++ : 0;
        buttons.push_back(button);
    }
    SendMessageW(toolBar, TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    SendMessageW(toolBar, TB_AUTOSIZE, 0, 0);

    HWND statusBar =
        CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | CCS_BOTTOM, 0, 0, 0,
                        0, dialog, reinterpret_cast<HMENU>(IDC_STATUSBAR), instance, nullptr);
    RECT client;
    GetClientRect(statusBar, &client);
    int parts[2] = {static_cast<int>((client.right / 10) * 6.5), -1};
    SendMessageW(statusBar, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
}

void CreateTabsAndPages(HWND dialog, HINSTANCE instance) {
    HWND tabs = GetDlgItem(dialog, IDC_TABS);
    HIMAGELIST images =
        ImageList_LoadBitmap(instance, MAKEINTRESOURCEW(IDB_TABS), 16, 1, RGB(192, 192, 192));
    TabCtrl_SetImageList(tabs, images);
    int index = 0;
    for (const auto& page : kPages) {
        TCITEMW item = {};
        item.mask = TCIF_TEXT | TCIF_IMAGE;
        item.pszText = const_cast<wchar_t*>(kTabTexts[index]);
        item.iImage = page.image;
        SendMessageW(tabs, TCM_INSERTITEMW, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&item));
        HWND window =
            CreateDialogParamW(instance, MAKEINTRESOURCEW(page.templateId), dialog, PageProc, 0);
        SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        ShowWindow(window, index == 0 ? SW_SHOW : SW_HIDE);
        ++index;
    }
    TabCtrl_SetCurSel(tabs, 0);
}

// The printers once, as the printer choice at start lists them.
void EnumeratePrinters() {
    DWORD needed = 0;
    DWORD count = 0;
    EnumPrintersW(PRINTER_ENUM_LOCAL, nullptr, 2, nullptr, 0, &needed, &count);
    std::vector<BYTE> buffer(needed);
    EnumPrintersW(PRINTER_ENUM_LOCAL, nullptr, 2, buffer.data(), needed, &needed, &count);
}

INT_PTR CALLBACK MainProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM) {
    switch (msg) {
    case WM_INITDIALOG: {
        HINSTANCE instance = GetModuleHandleW(nullptr);
        MarkStartupPhase("main-dialog");
        CreateBars(dialog, instance);
        MarkStartupPhase("bars");
        CreateTabsAndPages(dialog, instance);
        MarkStartupPhase("pages");
        EnumeratePrinters();
        MarkStartupPhase("printers");
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL) {
            DestroyWindow(dialog);
        }
        return TRUE;
    case WM_DESTROY:
        PostQuitMessage(0);
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    MarkStartupPhase("loader");
    InitCommonControls();
    MarkStartupPhase("common-controls");
    HWND dialog =
        CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_SWITCHBOARD), nullptr, MainProc, 0);
    if (!dialog) {
        return 1;
    }
    ShowWindow(dialog, SW_SHOW);
    MarkStartupPhase("shown");
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(dialog, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    return 0;
}
