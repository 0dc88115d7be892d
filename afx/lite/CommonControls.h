// The common-control wrappers that the framework's common-controls header declares.
#pragma once
#include "TreeCtrl.h"
