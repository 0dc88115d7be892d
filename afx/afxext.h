// Extension classes of the framework: views and form views.
#pragma once
#include "afxwin.h"
#include "lite/View.h"
#include "lite/ScrollView.h"
#include "lite/FormView.h"
