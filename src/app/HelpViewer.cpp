#include "app/HelpViewer.h"

#include "framework/SystemLibrary.h"

namespace {

using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);

constexpr UINT kDisplayTopic = 0x0000; // HH_DISPLAY_TOPIC
constexpr UINT kCloseAll = 0x0012;     // HH_CLOSE_ALL

HtmlHelpFunction s_htmlHelp = nullptr;

HtmlHelpFunction LoadHtmlHelp() {
    static bool tried = false;
    if (!tried) {
        tried = true;
        // From the system folder only: a file of that name beside the program
        // (a downloads folder) must never be loaded.
        s_htmlHelp = FindFunction<HtmlHelpFunction>(LoadSystemLibrary(L"hhctrl.ocx"), "HtmlHelpW");
    }
    return s_htmlHelp;
}

} // namespace

bool OpenHtmlHelp(const std::wstring& path) {
    HtmlHelpFunction htmlHelp = LoadHtmlHelp();
    return htmlHelp && htmlHelp(nullptr, path.c_str(), kDisplayTopic, 0) != nullptr;
}

bool OpenClassicHelp(HWND window, const std::wstring& path) {
    return WinHelpW(window, path.c_str(), HELP_FINDER, 0) != FALSE;
}

void CloseHelpViewers(HWND window, const std::wstring& path) {
    WinHelpW(window, path.c_str(), HELP_QUIT, 0);
    if (s_htmlHelp) {
        s_htmlHelp(nullptr, nullptr, kCloseAll, 0);
    }
}
