// Export marker of orvui.dll.
#pragma once

#ifdef ORVUI_BUILD
#define ORVUI_API __declspec(dllexport)
#else
#define ORVUI_API __declspec(dllimport)
#endif
