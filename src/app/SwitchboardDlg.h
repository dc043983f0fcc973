#pragma once
// The main window: menu, toolbar, the tab control with the seven settings
// pages, the status bar, and the command flow over the three copies of the
// settings block.

#include "app/CommandFlow.h"
#include "app/MainStatusBar.h"
#include "app/MainToolBar.h"
#include "framework/Dialog.h"
#include "menu/IconMenu.h"
#include "pages/Page_MSW1.h"
#include "pages/Page_MSW2.h"
#include "pages/Page_MSW3.h"
#include "pages/Page_MSW4.h"
#include "pages/Page_Param.h"
#include "pages/Page_Param_2.h"
#include "pages/Page_Select.h"
#include "printer/PrinterSelectDlg.h"

#include <commctrl.h>
#include <shellapi.h>

#include <array>
#include <optional>
#include <string>

class CSwitchboardDlg : public CDialog, public CCommandFlow {
public:
    // The window's title; a second start looks for it.
    static constexpr const wchar_t* kTitle = L"Korrin Vellatype 44QX スイッチボード";
    static constexpr int kPageCount = 7;

    CSwitchboardDlg();
    ~CSwitchboardDlg() override;

    // Brings tab `index` (0..6, tab order) and its page to the front.
    void SelectPage(int index) override;

    // WM_COPYDATA with this tag in dwData hands the running window a settings
    // file to read: its absolute path in UTF-16, with or without a terminator.
    static constexpr ULONG_PTR kOpenFileTag = 0x4B565346; // "KVSF"
    // A settings file to read once the window has started, without the
    // discard question.
    void ReadAtStart(const std::wstring& path) { m_pendingRead = PendingRead{path, false}; }

protected:
    bool OnInitDialog() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;
    bool OnNotify(NMHDR& header, LRESULT& result) override;
    // Enter and Esc do not close the main window.
    void OnOK() override {}
    void OnCancel() override {}
    // The accelerators take every key first, then the dialog keyboard handling.
    bool PreTranslateMessage(MSG& msg) override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnDpiChanged(UINT oldDpi, UINT newDpi) override;

    // The operations the command flow needs.
    void LoadPagesFromBlock(const SettingsBlock& block) override;
    void StorePagesToBlock(SettingsBlock& block) override;
    bool HasPendingEntry() override;
    void CorrectPendingEntry() override;
    Answer ShowPrompt(Prompt prompt) override;
    void SetSendAvailable(bool available) override;
    void UpdateFormButtonCaption() override;
    bool RunSendCommand() override { return OnSendToPrinter(); }
    bool RunWriteCommand() override { return OnWriteSettingsFile(); }
    void CloseWindow() override {
        m_ended = true;
        EndDialog(IDOK);
    }
    // The exit command; no file is handed over while its questions are open.
    void ExitRefusingHandOvers();

private:
    // Commands whose work lives with the settings file, the printer and the help.
    void OnReadSettingsFile();
    // Reads a settings file into the pages, or says that it is none. With
    // `askDiscard` the read command's discard question comes first.
    void ReadSettingsFileFrom(const std::wstring& path, bool askDiscard);
    // A file dropped on the window or handed over by a second start.
    void OnDropFiles(HDROP drop);
    bool OnCopyData(const COPYDATASTRUCT& data);
    // Reads the files handed over, one at a time, once the window has started
    // and no dialog of the program is open. Called by a timer that runs while
    // files wait: a message posted while a dialog closes can be lost.
    void ReadPendingFiles();
    // True when the settings file was written.
    bool OnWriteSettingsFile();
    // True when the block was sent.
    bool OnSendToPrinter();
    void OnSelectPrinter();
    // Collects the pages as the send command does and shows the settings list.
    void ShowSettingsList();
    // Chooses the help file once, at start; greys the help item without one.
    void LocateHelpFile();
    void ShowHelp();
    void ShowAbout();

    // Gives thirteen items of the drop-downs their images, once. Making the
    // images costs several milliseconds, so it waits until a menu is first
    // opened instead of delaying the window at start.
    void GiveMenuImages();
    void CreateTabsAndPages();
    // The tab images at the size for `dpi`.
    void SetTabImages(UINT dpi);
    void ShowPage(int index);
    std::array<CSettingsPage*, kPageCount> PagesInTabOrder();
    // Enables or disables a command in the menu and on its toolbar button together.
    void EnableCommand(UINT menuId, UINT buttonId, bool enabled);
    void UpdateSystemMenu();
    void PaintMinimised();

    CIconMenu m_menu;
    CPrinterSelectDlg m_printerDlg;
    CPage_MSW1 m_pageMSW1;
    CPage_MSW2 m_pageMSW2;
    CPage_MSW3 m_pageMSW3;
    CPage_MSW4 m_pageMSW4;
    CPage_Select m_pageSelect;
    CPage_Param m_pageParam;
    CPage_Param_2 m_pageParam2;
    bool m_menuImagesGiven = false;
    bool m_helpIsHtml = true;
    std::wstring m_helpPath;
    std::wstring m_portName;
    std::wstring m_printerName;
    struct PendingRead {
        std::wstring path;
        bool askDiscard;
    };
    // Only the newest file waits: a later one replaces it.
    std::optional<PendingRead> m_pendingRead;
    bool m_ended = false;           // the window is closing
    bool m_refuseHandOvers = false; // the exit questions are open
    CMainToolBar m_toolBar;
    CMainStatusBar m_statusBar;
    HICON m_icon;
    HIMAGELIST m_tabImages = nullptr;

    // One per process.
    static HACCEL s_accelerators;
};
