// The framework's common-control classes.
#pragma once
#include "afx.h"
#include "lite/ImageList.h"
