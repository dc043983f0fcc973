#pragma once
// What the in-process page tests share: a hidden parent window that counts
// the data checks its pages raise, and small readers of child windows.

#include <windows.h>

#include <string>
#include <vector>

#include "res/resource.h"

// Data checks that reached a DataCheckParent since the test reset it.
inline int g_dataChecks = 0;

inline LRESULT CALLBACK DataCheckParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COMMAND && LOWORD(wParam) == ID_DATA_CHECK && lParam == 0) {
        ++g_dataChecks;
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

// A hidden top-level window to hold pages; the caller destroys it.
inline HWND CreateDataCheckParent() {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = DataCheckParentProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"DataCheckParent";
    RegisterClassW(&wc); // fails harmlessly once registered
    return CreateWindowExW(0, wc.lpszClassName, L"parent", WS_POPUP, 0, 0, 500, 500, nullptr,
                           nullptr, wc.hInstance, nullptr);
}

inline std::vector<HWND> Children(HWND window) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    return children;
}

inline std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

inline LONG ButtonType(HWND window) {
    return GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK;
}
