#include "framework/Dpi.h"

#include "framework/DisplayScale.h"
#include "framework/SystemLibrary.h"
#include "framework/WinApp.h"

namespace {

HMODULE User32() {
    return GetModuleHandleW(L"user32.dll");
}

// The bitmap resource, with the standard colours mapped or as it is.
HBITMAP LoadBitmapResource(UINT id, bool mapColours) {
    if (!mapColours) {
        return static_cast<HBITMAP>(
            LoadImageW(AppInstance(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, 0));
    }
    COLORMAP map[] = {
        {RGB(0, 0, 0), GetSysColor(COLOR_BTNTEXT)},
        {RGB(128, 128, 128), GetSysColor(COLOR_BTNSHADOW)},
        {RGB(192, 192, 192), GetSysColor(COLOR_BTNFACE)},
        {RGB(255, 255, 255), GetSysColor(COLOR_BTNHIGHLIGHT)},
    };
    return CreateMappedBitmap(AppInstance(), static_cast<INT_PTR>(id), 0, map, 4);
}

// A copy of `bitmap` scaled to `width` x `height` with smoothing.
HBITMAP ScaleSmoothly(HBITMAP bitmap, int width, int height) {
    BITMAP info = {};
    GetObjectW(bitmap, sizeof info, &info);
    HDC screen = GetDC(nullptr);
    HDC source = CreateCompatibleDC(screen);
    HDC target = CreateCompatibleDC(screen);
    HBITMAP scaled = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ oldSource = SelectObject(source, bitmap);
    HGDIOBJ oldTarget = SelectObject(target, scaled);
    SetStretchBltMode(target, HALFTONE);
    SetBrushOrgEx(target, 0, 0, nullptr);
    StretchBlt(target, 0, 0, width, height, source, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
    SelectObject(target, oldTarget);
    SelectObject(source, oldSource);
    DeleteDC(target);
    DeleteDC(source);
    ReleaseDC(nullptr, screen);
    return scaled;
}

} // namespace

UINT SystemDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : kBaseDpi;
}

UINT WindowDpi(HWND window) {
    using Function = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = FindFunction<Function>(User32(), "GetDpiForWindow");
    if (getDpiForWindow && window) {
        if (const UINT dpi = getDpiForWindow(window)) {
            return dpi;
        }
    }
    // Windows 8.1 and the first Windows 10: the DPI of the window's monitor.
    using MonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    static const auto getDpiForMonitor =
        getDpiForWindow
            ? nullptr
            : FindFunction<MonitorFunction>(LoadSystemLibrary(L"shcore.dll"), "GetDpiForMonitor");
    UINT x = 0;
    UINT y = 0;
    constexpr int kEffectiveDpi = 0; // MDT_EFFECTIVE_DPI
    if (getDpiForMonitor && window &&
        SUCCEEDED(getDpiForMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST),
                                   kEffectiveDpi, &x, &y)) &&
        y) {
        return y;
    }
    return SystemDpi();
}

int SystemMetricForDpi(int index, UINT dpi) {
    using Function = int(WINAPI*)(int, UINT);
    static const auto forDpi = FindFunction<Function>(User32(), "GetSystemMetricsForDpi");
    if (forDpi) {
        return forDpi(index, dpi);
    }
    return MulDiv(GetSystemMetrics(index), static_cast<int>(dpi), static_cast<int>(SystemDpi()));
}

NONCLIENTMETRICSW NonClientMetricsForDpi(UINT dpi) {
    using Function = BOOL(WINAPI*)(UINT, UINT, void*, UINT, UINT);
    static const auto forDpi = FindFunction<Function>(User32(), "SystemParametersInfoForDpi");
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof metrics;
    if (forDpi && forDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi)) {
        return metrics;
    }
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    const UINT system = SystemDpi();
    if (dpi != system) {
        for (LOGFONTW* font :
             {&metrics.lfCaptionFont, &metrics.lfSmCaptionFont, &metrics.lfMenuFont,
              &metrics.lfStatusFont, &metrics.lfMessageFont}) {
            font->lfHeight =
                MulDiv(font->lfHeight, static_cast<int>(dpi), static_cast<int>(system));
        }
    }
    return metrics;
}

HIMAGELIST LoadImageStrip(UINT bitmapId, int width, int height, bool mapColours) {
    const int drawing = DrawingSizeFor(width);
    HBITMAP bitmap = LoadBitmapResource(DrawingResourceId(bitmapId, drawing), mapColours);
    if (!bitmap) {
        return nullptr;
    }
    if (drawing != width) {
        BITMAP info = {};
        GetObjectW(bitmap, sizeof info, &info);
        const int cells = info.bmWidth / drawing;
        HBITMAP scaled = ScaleSmoothly(bitmap, cells * width, width);
        DeleteObject(bitmap);
        bitmap = scaled;
    }
    // A bitmap taller than the list: only its top `height` rows show.
    HIMAGELIST images = ImageList_Create(width, height, ILC_COLOR24 | ILC_MASK, 1, 1);
    ImageList_AddMasked(images, bitmap,
                        mapColours ? GetSysColor(COLOR_BTNFACE) : RGB(192, 192, 192));
    DeleteObject(bitmap);
    return images;
}
