#pragma once
// Small text helpers of the Windows side.

#include <windows.h>

#include <string>

// UTF-8 (the encoding of the portable code's texts) to UTF-16.
std::wstring Widen(const char* utf8);
// A string resource of the program, empty when there is none.
std::wstring LoadResString(UINT id);
// True when the window's class has this name (compared without case).
bool HasClassName(HWND hwnd, const wchar_t* className);
// The text of a window or control (sent as WM_GETTEXT, so an edit gives its contents).
std::wstring WindowText(HWND hwnd);
