// Sets the user's short-date pattern for one test and puts the previous one back afterwards.
#pragma once
#include <afx.h>

class LocaleOverride
{
public:
    explicit LocaleOverride(const CString& shortDatePattern);
    ~LocaleOverride();

    LocaleOverride(const LocaleOverride&) = delete;
    LocaleOverride& operator=(const LocaleOverride&) = delete;

private:
    CString m_strPrevious;
};
