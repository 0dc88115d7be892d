// The framework's common-control classes: image lists and the tree control.
#pragma once
#include "afxwin.h"
#include "lite/ImageList.h"
#include "lite/CommonControls.h"
