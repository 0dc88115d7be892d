// Export marker of orv059.dll.
#pragma once

#ifdef ORV059_BUILD
#define ORV_API __declspec(dllexport)
#else
#define ORV_API __declspec(dllimport)
#endif
