// Texts written as one string joined by "|", the form the utility tests state lists in.
#pragma once
#include "StringUtils.h"
#include "TextArray.h"
#include <string>

inline TextArray Split(const char* joined)
{
    TextArray texts;
    StringUtils::SplitLine(joined, "|", texts);
    return texts;
}

inline std::string Join(const TextArray& texts)
{
    std::string joined;
    for (size_t i = 0; i < texts.GetCount(); ++i)
        joined += (i ? "|" : "") + std::string(texts[i].GetString());
    return joined;
}
