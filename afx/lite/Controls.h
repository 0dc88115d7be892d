// The standard control wrappers that the framework's window header declares.
#pragma once
#include "Static.h"
#include "Button.h"
#include "ListBox.h"
#include "Edit.h"
#include "ScrollBar.h"
