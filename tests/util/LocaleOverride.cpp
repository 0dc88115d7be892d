#include "LocaleOverride.h"
#include <gtest/gtest.h>

LocaleOverride::LocaleOverride(const CString& shortDatePattern)
{
    char previous[128] = {0};
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, previous, sizeof(previous));
    m_strPrevious = previous;
    EXPECT_TRUE(SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, shortDatePattern));
}

LocaleOverride::~LocaleOverride()
{
    if (!m_strPrevious.IsEmpty())
        SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, m_strPrevious);
}
