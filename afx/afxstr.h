// The framework's string class.
#pragma once
#include "lite/String.h"
