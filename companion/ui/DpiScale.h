/// @class DpiScale
/// DpiScale: the dots per inch that a window is shown at, and the pixel sizes of the controls,
/// which are designed at 96 DPI, scaled to it. Holds no state; the per-monitor functions of
/// user32 are looked up at run time, so that the helper also works where they are missing.
#pragma once
#include "UiApi.h"
#include <afxwin.h>

// Sent by systems that scale per monitor; older SDK headers lack them.
#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif
#ifndef WM_DPICHANGED_BEFOREPARENT
#define WM_DPICHANGED_BEFOREPARENT 0x02E2
#endif
#ifndef WM_DPICHANGED_AFTERPARENT
#define WM_DPICHANGED_AFTERPARENT 0x02E3
#endif

class ORVUI_API DpiScale
{
public:
    /// The DPI every fixed pixel size of the controls is designed for.
    static const UINT kDesignDpi = 96;

    /// The DPI of the monitor that shows hWnd, as this process sees it: GetDpiForWindow where
    /// user32 offers it, else LOGPIXELSY of the window's device context (the screen's for a null
    /// or dead window); 96 when neither answers. A process that declared no DPI awareness sees 96.
    static UINT GetWindowDpi(HWND hWnd);
    /// The DPI of the screen as this process sees it (the system DPI).
    static UINT GetSystemDpi();
    /// nPixels designed at 96 DPI, at nDpi: MulDiv rounding, so 96 DPI returns nPixels unchanged.
    static int Scale(int nPixels, UINT nDpi);
    /// Scale(nPixels, GetWindowDpi(hWnd)).
    static int ScaleForWindow(HWND hWnd, int nPixels);
    /// The size metric nIndex (a width or height, not a count) as it is at nDpi: GetSystemMetrics itself at the system DPI,
    /// else GetSystemMetricsForDpi where user32 offers it, else the system's value rescaled.
    static int GetSystemMetric(int nIndex, UINT nDpi);
    /// GetSystemMetric(nIndex, GetWindowDpi(hWnd)).
    static int GetSystemMetricForWindow(HWND hWnd, int nIndex);

    /// Only static helpers: never made.
    DpiScale() = delete;
};
