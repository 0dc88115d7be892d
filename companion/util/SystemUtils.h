/// @class SystemUtils
/// System settings that the controls follow.
#pragma once
#include <afx.h>
#include "UtilApi.h"

class ORVUTIL_API SystemUtils
{
public:
    /// What GetMouseScrollLines reports when the user chose to scroll one page per notch.
    static constexpr int PageScroll = -1;
    /// The most lines per notch reported; the system allows more, but a caller that scrolls line
    /// by line would then flood its window.
    static constexpr int MaxScrollLines = 100;

    /// Lines to scroll per notch of the mouse wheel (the system's wheel setting): 0 when the
    /// wheel is to scroll nothing, PageScroll for one page per notch, at most MaxScrollLines;
    /// the system's default of 3 when the setting cannot be read.
    static int GetMouseScrollLines();
};
