// Run-time classes: the controls tell dialogs and drop windows apart by them.
#include <afx.h>
#include <afxcoll.h>
#include <gtest/gtest.h>

namespace
{
class CShape : public CObject
{
    DECLARE_DYNAMIC(CShape)
};
IMPLEMENT_DYNAMIC(CShape, CObject)

class CCircle : public CShape
{
    DECLARE_DYNCREATE(CCircle)
};
IMPLEMENT_DYNCREATE(CCircle, CShape)
}

TEST(RuntimeClass, IsKindOfFollowsTheBaseChain)
{
    CCircle circle;
    const struct { const char* name; CRuntimeClass* pClass; bool expected; } rows[] = {
        { "own class", RUNTIME_CLASS(CCircle), true }, { "base", RUNTIME_CLASS(CShape), true },
        { "root", RUNTIME_CLASS(CObject), true }, { "unrelated", RUNTIME_CLASS(CStringList), false },
        { "none", nullptr, false },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.expected, circle.IsKindOf(row.pClass) != FALSE);
    }
    EXPECT_FALSE(CShape().IsKindOf(RUNTIME_CLASS(CCircle)));
}
