#include "app/SwitchboardDlg.h"

#include "app/AboutDlg.h"
#include "app/HelpLocation.h"
#include "app/HelpViewer.h"
#include "cli/SendTexts.h"
#include "framework/DisplayScale.h"
#include "framework/Dpi.h"
#include "framework/Messages.h"
#include "framework/SettingsFileDialog.h"
#include "framework/SettingsFileIo.h"
#include "framework/StartupPhases.h"
#include "framework/Text.h"
#include "framework/WinApp.h"
#include "printer/Spooler.h"
#include "res/resource.h"
#include "settingslist/SettingsCatalogue.h"
#include "settingslist/SettingsListDlg.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>

HACCEL CSwitchboardDlg::s_accelerators = nullptr;

namespace {

// Runs while files handed over wait to be read.
constexpr UINT_PTR kReadPendingTimer = 1;
constexpr UINT kReadPendingMs = 100;

struct TabInfo {
    int image;
    UINT command;
};

// Tab order: function selection, parameters 1 and 2, memory switches 1 to 4;
// the texts are kTabTexts.
constexpr TabInfo kTabs[CSwitchboardDlg::kPageCount] = {
    {0, ID_PAGE_SELECT}, {2, ID_PAGE_PARAM}, {2, ID_PAGE_PARAM_2}, {1, ID_PAGE_MSW1},
    {1, ID_PAGE_MSW2},   {1, ID_PAGE_MSW3},  {1, ID_PAGE_MSW4},
};

UINT MessageBoxStyle(const PromptInfo& info) {
    UINT style = info.icon == PromptIcon::Information ? MB_ICONINFORMATION : MB_ICONEXCLAMATION;
    switch (info.buttons) {
    case PromptButtons::YesNoCancel:
        return style | MB_YESNOCANCEL;
    case PromptButtons::YesNo:
        return style | MB_YESNO;
    case PromptButtons::OkCancel:
        return style | MB_OKCANCEL;
    case PromptButtons::Ok:
        break;
    }
    return style | MB_OK;
}

} // namespace

CSwitchboardDlg::CSwitchboardDlg()
    : CDialog(IDD_SWITCHBOARD), m_icon(LoadIconW(AppInstance(), MAKEINTRESOURCEW(IDI_MAIN))) {
    if (!s_accelerators) {
        s_accelerators = LoadAcceleratorsW(AppInstance(), MAKEINTRESOURCEW(IDR_MAINMENU));
    }
}

// The window goes before its pages and bars, while their objects still exist.
CSwitchboardDlg::~CSwitchboardDlg() {
    if (m_hWnd) {
        DestroyWindow(m_hWnd);
    }
    if (m_tabImages) {
        ImageList_Destroy(m_tabImages);
    }
}

bool CSwitchboardDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    MarkStartupPhase("main-dialog");

    // The menu bar, whose drop-downs the menu object draws. The window takes
    // over the menu and destroys it with itself. The images of its items are
    // given when a menu is first opened (GiveMenuImages).
    m_menu.LoadFromTemplate(IDR_MAINMENU);
    m_menu.SetDpi(Dpi());
    MarkStartupPhase("menu-template");
    HMENU templateMenu = GetMenu(m_hWnd);
    SetMenu(m_hWnd, m_menu.Detach());
    if (templateMenu) {
        DestroyMenu(templateMenu);
    }

    MarkStartupPhase("menu");
    LocateHelpFile();

    Send(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_icon));
    Send(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_icon));

    m_toolBar.Create(m_hWnd, Dpi());
    m_statusBar.Create(m_hWnd);
    MarkStartupPhase("bars");

    InitBlocks();
    CreateTabsAndPages();
    MarkStartupPhase("pages");
    LoadPagesFromBlock(m_blockCurrent);
    MarkStartupPhase("load");
    OnSelectPrinter();
    MarkStartupPhase("printers");
    m_pageSelect.UpdateFormButtonCaption();
    m_initialized = true;
    // What DragAcceptFiles does, without loading the shell library at start:
    // it is loaded with the first file dropped.
    SetWindowLongPtrW(m_hWnd, GWL_EXSTYLE,
                      GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE) | WS_EX_ACCEPTFILES);
    if (m_pendingRead) {
        SetTimer(m_hWnd, kReadPendingTimer, kReadPendingMs, nullptr);
    }
    return true;
}

void CSwitchboardDlg::GiveMenuImages() {
    if (m_menuImagesGiven) {
        return;
    }
    m_menuImagesGiven = true;
    const struct {
        UINT command;
        UINT bitmap;
    } menuImages[] = {
        {ID_FILE_READ, IDB_MENU_READ},     {ID_FILE_WRITE, IDB_MENU_WRITE},
        {ID_SEND, IDB_MENU_SEND},          {ID_FACTORY, IDB_MENU_FACTORY},
        {ID_SETTINGS_LIST, IDB_MENU_LIST}, {ID_SELECT_PRINTER, IDB_MENU_PRINTER},
        {ID_PAGE_PARAM, IDB_MENU_PARAM},   {ID_PAGE_PARAM_2, IDB_MENU_PARAM},
        {ID_PAGE_MSW1, IDB_MENU_MSW},      {ID_PAGE_MSW2, IDB_MENU_MSW},
        {ID_PAGE_MSW3, IDB_MENU_MSW},      {ID_PAGE_MSW4, IDB_MENU_MSW},
        {ID_PAGE_SELECT, IDB_MENU_SELECT},
    };
    // The object finds the items through the menu, which the window owns.
    m_menu.Attach(GetMenu(m_hWnd));
    for (const auto& image : menuImages) {
        m_menu.SetItemIcon(image.command, image.bitmap);
    }
    m_menu.Detach();
}

void CSwitchboardDlg::CreateTabsAndPages() {
    HWND tabs = GetDlgItem(IDC_TABS);
    SetTabImages(Dpi());
    for (int i = 0; i < kPageCount; ++i) {
        TCITEMW item = {};
        item.mask = TCIF_TEXT | TCIF_IMAGE;
        item.pszText = const_cast<wchar_t*>(kTabTexts[i]);
        item.iImage = kTabs[i].image;
        ::SendMessageW(tabs, TCM_INSERTITEMW, static_cast<WPARAM>(i),
                       reinterpret_cast<LPARAM>(&item));
    }
    int index = 0;
    for (CSettingsPage* page : PagesInTabOrder()) {
        page->Create(m_hWnd);
        SetWindowPos(*page, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        ShowWindow(*page, index == 0 ? SW_SHOW : SW_HIDE);
        ++index;
    }
    TabCtrl_SetCurSel(tabs, 0);
}

void CSwitchboardDlg::SetTabImages(UINT dpi) {
    const int size = ScaleToDpi(16, dpi);
    HIMAGELIST old = m_tabImages;
    m_tabImages = LoadImageStrip(IDB_TABS, size, size, false);
    TabCtrl_SetImageList(GetDlgItem(IDC_TABS), m_tabImages);
    if (old) {
        ImageList_Destroy(old);
    }
}

void CSwitchboardDlg::OnDpiChanged(UINT /*oldDpi*/, UINT newDpi) {
    // The dialog manager scales the template's controls and fonts; the parts
    // sized in pixels follow here.
    m_menu.SetDpi(newDpi);
    DrawMenuBar(m_hWnd);
    m_toolBar.SetDpi(newDpi);
    SetTabImages(newDpi);
    m_statusBar.Layout();
}

std::array<CSettingsPage*, CSwitchboardDlg::kPageCount> CSwitchboardDlg::PagesInTabOrder() {
    return {&m_pageSelect, &m_pageParam, &m_pageParam2, &m_pageMSW1,
            &m_pageMSW2,   &m_pageMSW3,  &m_pageMSW4};
}

void CSwitchboardDlg::SelectPage(int index) {
    if (index < 0 || index >= kPageCount) {
        return;
    }
    TabCtrl_SetCurSel(GetDlgItem(IDC_TABS), index);
    ShowPage(index);
}

void CSwitchboardDlg::ShowPage(int index) {
    // Moving through the tabs with the keyboard keeps the focus on the tabs.
    // Asked before hiding: hiding the page that holds the focus hands it on.
    const bool focusOnTabs = GetFocus() == GetDlgItem(IDC_TABS);
    const auto pages = PagesInTabOrder();
    for (CSettingsPage* page : pages) {
        ShowWindow(*page, SW_HIDE);
    }
    ShowWindow(*pages[static_cast<std::size_t>(index)], SW_SHOW);
    if (!focusOnTabs) {
        SetFocus(*pages[static_cast<std::size_t>(index)]);
    }
}

bool CSwitchboardDlg::OnCommand(UINT /*code*/, UINT id, HWND /*control*/) {
    switch (id) {
    case ID_FILE_READ:
    case ID_TB_READ:
        OnReadSettingsFile();
        return true;
    case ID_FILE_WRITE:
    case ID_TB_WRITE:
        OnWriteSettingsFile();
        return true;
    case ID_SEND:
    case ID_TB_SEND:
        OnSendToPrinter();
        return true;
    case ID_FACTORY:
    case ID_TB_FACTORY:
        ShowFactorySettings();
        return true;
    case ID_SELECT_PRINTER:
    case ID_TB_PRINTER:
        OnSelectPrinter();
        return true;
    case ID_SETTINGS_LIST:
        ShowSettingsList();
        return true;
    case ID_FILE_EXIT:
        ExitRefusingHandOvers();
        return true;
    case ID_DATA_CHECK:
        UpdateSendCommand();
        return true;
    case ID_HELP_CONTENTS:
        ShowHelp();
        return true;
    case ID_HELP_ABOUT:
        ShowAbout();
        return true;
    default:
        break;
    }
    for (int i = 0; i < kPageCount; ++i) {
        if (id == kTabs[i].command) {
            SelectPage(i);
            return true;
        }
    }
    return false;
}

bool CSwitchboardDlg::OnNotify(NMHDR& header, LRESULT& result) {
    if (header.idFrom == IDC_TABS && header.code == TCN_SELCHANGE) {
        ShowPage(TabCtrl_GetCurSel(header.hwndFrom));
        result = 0;
        return true;
    }
    return false;
}

bool CSwitchboardDlg::PreTranslateMessage(MSG& msg) {
    // Other windows on this thread, such as the help viewer, keep their keys.
    if (msg.hwnd != m_hWnd && !IsChild(m_hWnd, msg.hwnd)) {
        return CDialog::PreTranslateMessage(msg);
    }
    if (s_accelerators && TranslateAcceleratorW(m_hWnd, s_accelerators, &msg)) {
        return true;
    }
    // Alt+F4 is the close command wherever the focus is. Some combo boxes
    // swallow every Alt key combination, so the window does not wait for the
    // key to come back to it unhandled.
    constexpr LPARAM kAltDown = 1 << 29;
    if (msg.message == WM_SYSKEYDOWN && msg.wParam == VK_F4 && (msg.lParam & kAltDown)) {
        Send(WM_SYSCOMMAND, SC_CLOSE, 0);
        return true;
    }
    return CDialog::PreTranslateMessage(msg);
}

bool CSwitchboardDlg::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
    case WM_SYSCOMMAND:
        if (wParam == SC_CLOSE) {
            ExitRefusingHandOvers();
        }
        return false; // every system command then gets the default processing
    case WM_SIZE:
        UpdateSystemMenu();
        return false;
    case WM_PAINT:
        if (!IsIconic(m_hWnd)) {
            return false;
        }
        PaintMinimised();
        return true;
    case WM_INITMENU:
        // Sent before any menu of the window opens, so before its items are
        // measured or drawn.
        GiveMenuImages();
        return false;
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
    case WM_MENUCHAR:
        // The menu bar object draws the drop-down items and answers their mnemonics.
        return m_menu.OnMenuMessage(msg, wParam, lParam, result);
    case WM_QUERYDRAGICON:
        result = reinterpret_cast<LRESULT>(m_icon);
        return true;
    case WM_DROPFILES:
        OnDropFiles(reinterpret_cast<HDROP>(wParam));
        return true;
    case WM_COPYDATA:
        result =
            lParam && OnCopyData(*reinterpret_cast<const COPYDATASTRUCT*>(lParam)) ? TRUE : FALSE;
        return true;
    case WM_TIMER:
        if (wParam != kReadPendingTimer) {
            return false;
        }
        ReadPendingFiles();
        return true;
    case WM_DESTROY:
        CloseHelpViewers(m_hWnd, m_helpPath);
        return false;
    default:
        return CDialog::OnMessage(msg, wParam, lParam, result);
    }
}

void CSwitchboardDlg::UpdateSystemMenu() {
    HMENU menu = GetSystemMenu(m_hWnd, FALSE);
    if (!menu) {
        return;
    }
    const UINT off = MF_BYCOMMAND | MF_GRAYED | MF_DISABLED;
    const UINT on = MF_BYCOMMAND | MF_ENABLED;
    const bool minimised = IsIconic(m_hWnd) != FALSE;
    EnableMenuItem(menu, SC_SIZE, off);
    EnableMenuItem(menu, SC_MAXIMIZE, off);
    EnableMenuItem(menu, SC_RESTORE, minimised ? on : off);
    EnableMenuItem(menu, SC_MINIMIZE, minimised ? off : on);
}

void CSwitchboardDlg::PaintMinimised() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hWnd, &paint);
    Send(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc));
    RECT client;
    GetClientRect(m_hWnd, &client);
    const int x = (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, m_icon);
    EndPaint(m_hWnd, &paint);
}

void CSwitchboardDlg::LoadPagesFromBlock(const SettingsBlock& block) {
    for (CSettingsPage* page : PagesInTabOrder()) {
        page->LoadFromBlock(block);
    }
}

void CSwitchboardDlg::StorePagesToBlock(SettingsBlock& block) {
    for (CSettingsPage* page : PagesInTabOrder()) {
        page->StoreToBlock(block);
    }
}

bool CSwitchboardDlg::HasPendingEntry() {
    return m_pageParam.m_pendingCutSheet || m_pageParam.m_pendingFrontTractor ||
           m_pageParam.m_pendingRearTractor;
}

void CSwitchboardDlg::CorrectPendingEntry() {
    if (TabCtrl_GetCurSel(GetDlgItem(IDC_TABS)) != 1) {
        SelectPage(1);
    }
    m_pageParam.CorrectHeadCentering();
}

Answer CSwitchboardDlg::ShowPrompt(Prompt prompt) {
    const PromptInfo& info = DescribePrompt(prompt);
    switch (ShowMessage(m_hWnd, Widen(info.text).c_str(), MessageBoxStyle(info))) {
    case IDYES:
        return Answer::Yes;
    case IDNO:
        return Answer::No;
    case IDOK:
        return Answer::Ok;
    default:
        return Answer::Cancel;
    }
}

void CSwitchboardDlg::SetSendAvailable(bool available) {
    EnableCommand(ID_SEND, ID_TB_SEND, available);
}

void CSwitchboardDlg::EnableCommand(UINT menuId, UINT buttonId, bool enabled) {
    CMenu::EnableCommand(GetMenu(m_hWnd), menuId, enabled);
    m_toolBar.Send(TB_ENABLEBUTTON, buttonId, MAKELPARAM(enabled ? TRUE : FALSE, 0));
}

void CSwitchboardDlg::UpdateFormButtonCaption() {
    m_pageSelect.UpdateFormButtonCaption();
}

void CSwitchboardDlg::OnReadSettingsFile() {
    if (!ConfirmDiscardBeforeRead()) {
        return;
    }
    std::wstring path;
    if (AskSettingsFileName(m_hWnd, false, path)) {
        ReadSettingsFileFrom(path, false);
    }
}

void CSwitchboardDlg::ReadSettingsFileFrom(const std::wstring& path, bool askDiscard) {
    if (askDiscard && !ConfirmDiscardBeforeRead()) {
        return;
    }
    if (const std::optional<SettingsBlock> block = ReadSettingsFileOrSay(m_hWnd, path)) {
        SettingsFileRead(*block);
    }
}

void CSwitchboardDlg::OnDropFiles(HDROP drop) {
    // Of several files the first only; none while a dialog of the program is open.
    std::wstring path;
    if (m_initialized && IsWindowEnabled(m_hWnd)) {
        const UINT length = DragQueryFileW(drop, 0, nullptr, 0);
        path.resize(length + 1);
        path.resize(DragQueryFileW(drop, 0, path.data(), length + 1));
    }
    DragFinish(drop);
    if (!path.empty()) {
        ReadSettingsFileFrom(path, true);
    }
}

void CSwitchboardDlg::ExitRefusingHandOvers() {
    m_refuseHandOvers = true;
    OnExit();
    m_refuseHandOvers = false;
}

bool CSwitchboardDlg::OnCopyData(const COPYDATASTRUCT& data) {
    // Refused while starting or closing, where the file could be lost: the
    // second start tries again, and says so when the window never takes it.
    if (!m_initialized || m_refuseHandOvers || m_ended) {
        return false;
    }
    if (data.dwData != kOpenFileTag || !data.lpData || data.cbData % sizeof(wchar_t) != 0 ||
        data.cbData > kLongestPath * sizeof(wchar_t)) {
        return false;
    }
    std::wstring path(static_cast<const wchar_t*>(data.lpData), data.cbData / sizeof(wchar_t));
    path.resize(std::min(path.size(), path.find(L'\0')));
    if (path.empty()) {
        return false;
    }
    // Read from the timer, not inside the sender's SendMessage.
    m_pendingRead = PendingRead{path, true};
    SetTimer(m_hWnd, kReadPendingTimer, kReadPendingMs, nullptr);
    return true;
}

void CSwitchboardDlg::ReadPendingFiles() {
    if (!m_initialized || !IsWindowEnabled(m_hWnd)) {
        return; // the timer comes again once the dialog in front has closed
    }
    KillTimer(m_hWnd, kReadPendingTimer);
    if (!m_pendingRead) {
        return;
    }
    const PendingRead next = *m_pendingRead;
    m_pendingRead.reset();
    ReadSettingsFileFrom(next.path, next.askDiscard);
}

bool CSwitchboardDlg::OnWriteSettingsFile() {
    if (!BeginWriteOrSend()) {
        return false;
    }
    std::wstring path;
    if (!AskSettingsFileName(m_hWnd, true, path)) {
        return false;
    }
    for (;;) {
        const WriteResult result = WriteSettingsFile(path, m_blockCurrent);
        if (result == WriteResult::Written) {
            SettingsFileWritten();
            return true;
        }
        if (result != WriteResult::AccessDenied || !IsNtPlatform()) {
            ShowMessage(m_hWnd, L"設定ファイルの書き込みに失敗しました。", MB_OK | MB_ICONSTOP);
            return false;
        }
        ShowMessage(m_hWnd,
                    L"設定ファイルの書き込みに失敗しました。\n"
                    L"このディレクトリに保存するアクセス許可がない可能性があります。\n"
                    L"設定ファイルの保存先を変更してやり直してください。",
                    MB_OK | MB_ICONEXCLAMATION);
        if (!AskSettingsFileName(m_hWnd, true, path)) {
            return false;
        }
    }
}

bool CSwitchboardDlg::OnSendToPrinter() {
    if (!BeginWriteOrSend()) {
        return false;
    }
    if (m_portName.empty() || m_printerName.empty()) {
        ShowMessage(m_hWnd, L"プリンタが選択されていません。\nプリンタを選択してください。",
                    MB_OK | MB_ICONEXCLAMATION);
        OnSelectPrinter();
        if (m_portName.empty() || m_printerName.empty()) {
            return false; // still none: the selection was cancelled
        }
    }
    if (IsFilePort(m_portName)) {
        ShowMessage(m_hWnd, kFilePortText, MB_OK | MB_ICONINFORMATION);
        return false;
    }
    if (SendSettingsJob(m_printerName, m_blockCurrent, IsNtPlatform())) {
        ShowMessage(m_hWnd, kSentText, MB_OK | MB_ICONINFORMATION);
        SettingsSent();
        return true;
    }
    ShowMessage(m_hWnd, kPrinterUnusableText, MB_OK | MB_ICONEXCLAMATION);
    OnSelectPrinter();
    return false;
}

void CSwitchboardDlg::ShowSettingsList() {
    if (!BeginWriteOrSend()) {
        return;
    }
    CSettingsListDlg list(m_blockCurrent, m_blockSent);
    list.DoModal(m_hWnd);
}

void CSwitchboardDlg::OnSelectPrinter() {
    if (!GuardPrinterSwitch()) {
        return;
    }
    m_printerDlg.m_selectedName = m_printerName;
    m_printerDlg.m_selectedPort = m_portName;
    m_printerDlg.m_startupComplete = m_initialized;
    if (m_printerDlg.Choose(m_hWnd) != IDOK) {
        if (CancelEndsProgram(m_printerDlg.m_selectedName, m_printerDlg.m_selectedPort,
                              m_initialized)) {
            CloseWindow();
        }
        return;
    }
    EnableCommand(ID_SELECT_PRINTER, ID_TB_PRINTER, m_printerDlg.m_printerCount > 1);
    m_statusBar.SetText(0, (L"プリンタ名： " + m_printerDlg.m_selectedName).c_str());
    m_statusBar.SetText(1, (L"接続先： " + m_printerDlg.m_selectedPort).c_str());
    m_printerName = m_printerDlg.m_selectedName;
    m_portName = m_printerDlg.m_selectedPort;
    if (m_initialized) {
        LoadFactorySettings();
    }
}

void CSwitchboardDlg::LocateHelpFile() {
    const OSVERSIONINFOW version = WindowsVersion();
    m_helpIsHtml =
        UsesHtmlHelp(version.dwPlatformId, version.dwMajorVersion, version.dwMinorVersion);
    m_helpPath = HelpFilePath(ExecutablePath(), m_helpIsHtml);

    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(m_helpPath.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        EnableMenuItem(GetMenu(m_hWnd), ID_HELP_CONTENTS, MF_BYCOMMAND | MF_GRAYED | MF_DISABLED);
    } else {
        FindClose(search);
    }
}

void CSwitchboardDlg::ShowHelp() {
    const bool opened =
        m_helpIsHtml ? OpenHtmlHelp(m_helpPath) : OpenClassicHelp(m_hWnd, m_helpPath);
    if (!opened) {
        ShowMessage(m_hWnd, L"ヘルプファイルが見つかりません。", MB_OK | MB_ICONEXCLAMATION);
    }
}

void CSwitchboardDlg::ShowAbout() {
    CAboutDlg about;
    about.DoModal(m_hWnd);
}
