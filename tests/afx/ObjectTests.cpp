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

TEST(RuntimeClass, IsKindOfAndDowncastFollowTheBaseChain)
{
    CCircle circle;
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CCircle)));
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CShape)));
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(circle.IsKindOf(nullptr));
    EXPECT_STREQ("CCircle", circle.GetRuntimeClass()->m_lpszClassName);
    CObject* pObject = &circle;
    EXPECT_EQ(&circle, DYNAMIC_DOWNCAST(CShape, pObject));
    EXPECT_EQ(nullptr, DYNAMIC_DOWNCAST(CShape, static_cast<CObject*>(nullptr)));
    // The framework's named collections carry their own classes.
    CStringArray strings;
    EXPECT_TRUE(strings.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(strings.IsKindOf(RUNTIME_CLASS(CStringList)));
    EXPECT_STREQ("CMapStringToPtr", CMapStringToPtr().GetRuntimeClass()->m_lpszClassName);
}

TEST(RuntimeClass, CreatesObjectsByClassName)
{
    CObject* pObject = CRuntimeClass::CreateObject("CCircle");
    ASSERT_NE(nullptr, pObject);
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CCircle)));
    delete pObject;
    // Known but not creatable, and unknown names, give null.
    EXPECT_EQ(nullptr, CRuntimeClass::CreateObject("CShape"));
    EXPECT_EQ(nullptr, CRuntimeClass::CreateObject("CNoSuchClass"));
    EXPECT_EQ(RUNTIME_CLASS(CShape), CRuntimeClass::FromName("CShape"));
    EXPECT_EQ(RUNTIME_CLASS(CUIntArray), CRuntimeClass::FromName("CUIntArray"));
}
