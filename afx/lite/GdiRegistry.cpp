#include "GdiRegistry.h"
#include <mutex>
#include <unordered_set>

namespace
{
std::mutex g_trackedLock;

std::unordered_set<const void*>& Tracked()
{
    static std::unordered_set<const void*> tracked;
    return tracked;
}
}

void AfxLiteTrackGdiHandle(const void* h)
{
    if (h == nullptr)
        return;
    std::lock_guard<std::mutex> lock(g_trackedLock);
    Tracked().insert(h);
}

bool AfxLiteUntrackGdiHandle(const void* h)
{
    std::lock_guard<std::mutex> lock(g_trackedLock);
    return Tracked().erase(h) != 0;
}

int AfxLiteGetLiveGdiObjectCount()
{
    std::lock_guard<std::mutex> lock(g_trackedLock);
    return static_cast<int>(Tracked().size());
}

CHandleMap<CGdiObject>& AfxLiteGdiObjectMap()
{
    static CHandleMap<CGdiObject> map;
    return map;
}
