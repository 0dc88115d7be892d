// The framework's collection templates.
#pragma once
#include "afxcoll.h"
#include "lite/Array.h"
#include "lite/List.h"
#include "lite/Map.h"
#include "lite/TypedPtrArray.h"
#include "lite/TypedPtrList.h"
