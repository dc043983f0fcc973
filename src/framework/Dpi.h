#pragma once
// The DPI of a window and the system sizes, fonts and images at it. The
// program declares per-monitor awareness in its manifest; on Windows without
// the per-monitor functions (before Windows 10) every window has the system DPI.

#include <windows.h>

#include <commctrl.h>

// Sent to a window whose DPI changed (WM_DPICHANGED, Windows 8.1 and later):
// the new DPI in HIWORD(wParam), the suggested window rectangle in lParam.
constexpr UINT kDpiChangedMessage = 0x02E0;

// The window's DPI: GetDpiForWindow where Windows has it (Windows 10 1607 and
// later), else GetDpiForMonitor (Windows 8.1), else the system DPI.
UINT WindowDpi(HWND window);
// The DPI the whole system was started with (LOGPIXELSY of the screen).
UINT SystemDpi();

// GetSystemMetrics and the non-client metrics (fonts of menus and captions) at `dpi`.
int SystemMetricForDpi(int index, UINT dpi);
NONCLIENTMETRICSW NonClientMetricsForDpi(UINT dpi);

// Images of `width` pixels (a square cell, `height` rows of it shown) from the
// bitmap strip `bitmapId`: its drawing for that size, or the next larger one
// scaled down smoothly. With `mapColours` black, the greys and white become
// the button colours of the colour scheme. The grey background is the mask.
HIMAGELIST LoadImageStrip(UINT bitmapId, int width, int height, bool mapColours);
