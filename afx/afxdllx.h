// Extension-library support: AFX_EXTENSION_MODULE, AfxInitExtensionModule, CDynLinkLibrary.
#pragma once
#include "afxwin.h"
