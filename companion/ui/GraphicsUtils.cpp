#include "GraphicsUtils.h"
#include <cstring>

namespace
{
// The largest size the font mapper takes in points at any common resolution.
const int kMaxPointSize = 1638;

void GetMessageFont(LOGFONTA& lf)
{
    NONCLIENTMETRICSA ncm = {};
    ncm.cbSize = sizeof(ncm);
    if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0))
    {
        lf = ncm.lfMessageFont;
        return;
    }
    // Older systems reject the larger structure; the stock GUI font is the next best match.
    if (::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf) == sizeof(lf))
        return;
    lf = LOGFONTA{};
    lf.lfHeight = -11;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    std::strcpy(lf.lfFaceName, "MS Shell Dlg");
}

int ScreenPixelsPerInchY()
{
    HDC hdc = ::GetDC(nullptr);
    int dpi = hdc != nullptr ? ::GetDeviceCaps(hdc, LOGPIXELSY) : 0;
    if (hdc != nullptr)
        ::ReleaseDC(nullptr, hdc);
    return dpi > 0 ? dpi : 96;
}
}

void GraphicsUtils::SetDefaultFont(LOGFONTA& lf, const CString& face, int nPointSize, int nWeight, bool bItalic,
                                   bool bUnderline, bool bStrikeOut)
{
    GetMessageFont(lf);
    if (!face.IsEmpty())
    {
        std::memset(lf.lfFaceName, 0, sizeof(lf.lfFaceName));
        std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    }
    if (nPointSize > 0 && nPointSize <= kMaxPointSize)
    {
        lf.lfHeight = -::MulDiv(nPointSize, ScreenPixelsPerInchY(), 72);
        lf.lfWidth = 0;
    }
    if (nWeight > 0 && nWeight <= 1000)
        lf.lfWeight = nWeight;
    if (bItalic)
        lf.lfItalic = TRUE;
    if (bUnderline)
        lf.lfUnderline = TRUE;
    if (bStrikeOut)
        lf.lfStrikeOut = TRUE;
}
