#include <BkgStyle.h>
#include <gtest/gtest.h>

namespace
{
// Every test starts and ends without a style, as a host that made none.
class BkgStyleTest : public testing::Test
{
protected:
    void SetUp() override { BkgStyle::DestroyInstance(); }
    void TearDown() override { BkgStyle::DestroyInstance(); }
};
}

TEST_F(BkgStyleTest, InstanceIsNullUntilTheHostCreatesItAndAfterItDestroysIt)
{
    EXPECT_EQ(nullptr, BkgStyle::GetInstance());
    BkgStyle* pStyle = BkgStyle::CreateInstance();
    ASSERT_NE(nullptr, pStyle);
    EXPECT_EQ(pStyle, BkgStyle::GetInstance());
    EXPECT_EQ(pStyle, BkgStyle::CreateInstance()) << "a second creation returns the same style";
    BkgStyle::DestroyInstance();
    EXPECT_EQ(nullptr, BkgStyle::GetInstance());
    BkgStyle::DestroyInstance();
}

TEST_F(BkgStyleTest, GetGivesTheComponentsOwnShadingOrNull)
{
    BkgStyle* pStyle = BkgStyle::CreateInstance();
    const ShadeProps blue(RGB(0, 0, 255), RGB(0, 0, 50), 0, 0);
    ASSERT_TRUE(pStyle->Set(BkgStyle::DropWindowButtons, blue));

    ShadeProps* pProps = nullptr;
    // The time drop window asks for component 11 by number.
    EXPECT_TRUE(pStyle->Get(static_cast<BkgStyle::UIComponent>(11), pProps));
    ASSERT_NE(nullptr, pProps);
    EXPECT_EQ(blue, *pProps);

    EXPECT_TRUE(pStyle->Get(BkgStyle::Calendar, pProps));
    ASSERT_NE(nullptr, pProps);
    EXPECT_EQ(ShadeProps(), *pProps) << "untouched components have the default shading";

    pStyle->Clear(BkgStyle::DropWindowButtons);
    pProps = &const_cast<ShadeProps&>(blue);
    EXPECT_FALSE(pStyle->Get(BkgStyle::DropWindowButtons, pProps));
    EXPECT_EQ(nullptr, pProps);
}

TEST_F(BkgStyleTest, NumbersOutsideTheEnumerationAreRefused)
{
    BkgStyle* pStyle = BkgStyle::CreateInstance();
    for (int n : {-1, static_cast<int>(BkgStyle::ComponentCount), 1000})
    {
        SCOPED_TRACE(n);
        const auto component = static_cast<BkgStyle::UIComponent>(n);
        ShadeProps props;
        ShadeProps* pProps = &props;
        EXPECT_FALSE(pStyle->Get(component, pProps));
        EXPECT_EQ(nullptr, pProps);
        EXPECT_FALSE(pStyle->Set(component, props));
        pStyle->Clear(component);
    }
}
