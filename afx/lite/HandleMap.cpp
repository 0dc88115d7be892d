#include "HandleMap.h"
#include <algorithm>

namespace
{
std::vector<CHandleMapBase*>& AllMaps()
{
    static std::vector<CHandleMapBase*> maps;
    return maps;
}
}

CHandleMapBase::CHandleMapBase() { AllMaps().push_back(this); }

CHandleMapBase::~CHandleMapBase()
{
    auto& maps = AllMaps();
    maps.erase(std::remove(maps.begin(), maps.end(), this), maps.end());
}

void AfxLiteDeleteTempMaps()
{
    for (CHandleMapBase* pMap : AllMaps())
        pMap->DeleteTemp();
}

void AfxLiteFreeTempObjects() { AfxLiteDeleteTempMaps(); }
