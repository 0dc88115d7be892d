#include "SystemUtils.h"

int SystemUtils::GetMouseScrollLines()
{
    UINT lines = 0;
    if (!SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0))
        return 3;
    if (lines == WHEEL_PAGESCROLL)
        return PageScroll;
    return lines > static_cast<UINT>(MaxScrollLines) ? MaxScrollLines : static_cast<int>(lines);
}
