#include "DpiScale.h"

namespace
{
using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetDpiForSystemFn = UINT(WINAPI*)();
using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);

// Looked up once: older systems and older import libraries do not have them.
template <typename Fn> Fn User32Function(const char* pszName)
{
    HMODULE hUser32 = ::GetModuleHandleA("user32.dll");
    return hUser32 != nullptr ? reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(hUser32, pszName)))
                              : nullptr;
}

UINT DeviceDpi(HWND hWnd)
{
    HDC hDC = ::GetDC(hWnd);
    if (hDC == nullptr)
        return 0;
    const int nDpi = ::GetDeviceCaps(hDC, LOGPIXELSY);
    ::ReleaseDC(hWnd, hDC);
    return nDpi > 0 ? static_cast<UINT>(nDpi) : 0;
}

UINT OrDesignDpi(UINT nDpi)
{
    return nDpi != 0 ? nDpi : DpiScale::kDesignDpi;
}
}

UINT DpiScale::GetWindowDpi(HWND hWnd)
{
    static const GetDpiForWindowFn pfnForWindow = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
    const bool bWindow = hWnd != nullptr && ::IsWindow(hWnd);
    if (bWindow && pfnForWindow != nullptr)
    {
        const UINT nDpi = pfnForWindow(hWnd);
        if (nDpi != 0)
            return nDpi;
    }
    return OrDesignDpi(DeviceDpi(bWindow ? hWnd : nullptr));
}

UINT DpiScale::GetSystemDpi()
{
    static const GetDpiForSystemFn pfnForSystem = User32Function<GetDpiForSystemFn>("GetDpiForSystem");
    const UINT nDpi = pfnForSystem != nullptr ? pfnForSystem() : 0;
    return nDpi != 0 ? nDpi : OrDesignDpi(DeviceDpi(nullptr));
}

int DpiScale::Scale(int nPixels, UINT nDpi)
{
    if (nDpi == 0 || nDpi == kDesignDpi)
        return nPixels;
    return ::MulDiv(nPixels, static_cast<int>(nDpi), static_cast<int>(kDesignDpi));
}

int DpiScale::ScaleForWindow(HWND hWnd, int nPixels)
{
    return Scale(nPixels, GetWindowDpi(hWnd));
}

int DpiScale::GetSystemMetric(int nIndex, UINT nDpi)
{
    const UINT nSystemDpi = GetSystemDpi();
    // At the system DPI this is exactly what the controls always measured.
    if (nDpi == 0 || nDpi == nSystemDpi)
        return ::GetSystemMetrics(nIndex);
    static const GetSystemMetricsForDpiFn pfnForDpi =
        User32Function<GetSystemMetricsForDpiFn>("GetSystemMetricsForDpi");
    if (pfnForDpi != nullptr)
        return pfnForDpi(nIndex, nDpi);
    return ::MulDiv(::GetSystemMetrics(nIndex), static_cast<int>(nDpi), static_cast<int>(nSystemDpi));
}

int DpiScale::GetSystemMetricForWindow(HWND hWnd, int nIndex)
{
    return GetSystemMetric(nIndex, GetWindowDpi(hWnd));
}
