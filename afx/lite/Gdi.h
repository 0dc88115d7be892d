// The framework's GDI wrappers: objects, device contexts and the window DCs.
#pragma once
#include "GdiObject.h"
#include "Pen.h"
#include "Brush.h"
#include "Font.h"
#include "Bitmap.h"
#include "Rgn.h"
#include "Dc.h"
#include "ClientDc.h"
#include "WindowDc.h"
#include "PaintDc.h"
