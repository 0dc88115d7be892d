// Export marker of orvutil.dll: the DLL exports what its headers mark, clients import it.
#pragma once

#ifdef ORVUTIL_BUILD
#define ORVUTIL_API __declspec(dllexport)
#else
#define ORVUTIL_API __declspec(dllimport)
#endif
