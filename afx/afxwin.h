// Windows side of the window-framework stand-in: windows, message maps, application and thread
// objects, dialogs, controls, menus and GDI wrappers.
#pragma once
#include "afx.h"
#include "afxcoll.h"
#include "atltypes.h"
#include "lite/CmdTarget.h"
#include "lite/Wnd.h"
#include "lite/Gdi.h"
#include "lite/Menu.h"
#include "lite/WinThread.h"
#include "lite/WinApp.h"
#include "lite/ModuleState.h"
#include "lite/DynLinkLibrary.h"
#include "lite/Dialog.h"
#include "lite/FrameWnd.h"
#include "lite/Controls.h"
