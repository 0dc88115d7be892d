// Test switch for the library's failure paths: makes the n-th allocation of a control, drop
// window or child object, or the n-th window creation, fail as if memory or window resources
// ran out. Off unless a test arms it; one counter per kind, counted on the UI thread.
#pragma once
#include <new>
#include <utility>
#include "OrvApi.h"

class ORV_API FaultInjection
{
public:
    enum Kind
    {
        kAllocation,
        kWindowCreation,
        kKindCount,
    };

    // The n-th event of this kind from now on fails (n >= 1); 0 disarms.
    static void FailNth(Kind kind, int n);
    static void Reset();
    // Events still to come before the armed failure; 0 when it has fired or nothing is armed.
    static int Remaining(Kind kind);
    // Counts one event of this kind and says whether it must fail.
    static bool ShouldFail(Kind kind);

    // Allocates a library object, or returns null when out of memory or told to fail.
    template <class T, class... Args>
    static T* New(Args&&... args)
    {
        if (ShouldFail(kAllocation))
            return nullptr;
        return new (std::nothrow) T(std::forward<Args>(args)...);
    }

    FaultInjection() = delete;
};
