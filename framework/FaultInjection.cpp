#include "FaultInjection.h"

namespace
{
int g_nCountdown[FaultInjection::kKindCount] = {};
}

void FaultInjection::FailNth(Kind kind, int n)
{
    if (kind >= 0 && kind < kKindCount)
        g_nCountdown[kind] = n > 0 ? n : 0;
}

void FaultInjection::Reset()
{
    for (int& n : g_nCountdown)
        n = 0;
}

bool FaultInjection::ShouldFail(Kind kind)
{
    if (kind < 0 || kind >= kKindCount || g_nCountdown[kind] == 0)
        return false;
    return --g_nCountdown[kind] == 0;
}

int FaultInjection::Remaining(Kind kind)
{
    return kind >= 0 && kind < kKindCount ? g_nCountdown[kind] : 0;
}
