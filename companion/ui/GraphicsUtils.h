/// @class GraphicsUtils
/// GraphicsUtils: drawing helpers shared by the library's controls. Holds no state.
#pragma once
#include "UiApi.h"
#include <afxwin.h>

class ORVUI_API GraphicsUtils
{
public:
    /// Fills lf with the system's message font, then applies what is given: a non-empty face
    /// (cut to what LOGFONTA holds), a point size from 1 to 1638 and a weight from 1 to 1000
    /// (other values, -1 included, keep the system's), italic, underline and strike-out when true.
    static void SetDefaultFont(LOGFONTA& lf, const CString& face, int nPointSize, int nWeight, bool bItalic,
                               bool bUnderline, bool bStrikeOut);

    /// Only static helpers: never made.
    GraphicsUtils() = delete;
};
