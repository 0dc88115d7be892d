// Core of the window-framework stand-in: basic types, CObject, CString and collections.
#pragma once
#include "lite/AfxApi.h"
#include "lite/Object.h"
#include "afxstr.h"
#include "atltypes.h"
#include "afxcoll.h"
