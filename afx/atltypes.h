// The framework's geometry types: CPoint, CSize, CRect.
#pragma once
#include "lite/Rect.h"
