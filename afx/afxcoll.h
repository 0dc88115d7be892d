// The framework's collection classes of strings, integers and pointers.
#pragma once
#include "afx.h"
#include "lite/DWordArray.h"
#include "lite/MapPtrToPtr.h"
#include "lite/MapStringToPtr.h"
#include "lite/ObArray.h"
#include "lite/PtrArray.h"
#include "lite/PtrList.h"
#include "lite/StringArray.h"
#include "lite/StringList.h"
#include "lite/UIntArray.h"
