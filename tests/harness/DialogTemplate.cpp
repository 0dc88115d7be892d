#include "DialogTemplate.h"

namespace harness
{
DialogTemplate::DialogTemplate(DWORD style, const char* title, const char* fontFace, WORD pointSize)
{
    // DLGTEMPLATE: style, extended style, item count, x, y, cx, cy (WORD-aligned fields)
    DLGTEMPLATE header{};
    header.style = style | DS_SETFONT;
    header.cx = 100;
    header.cy = 50;
    const WORD* p = reinterpret_cast<const WORD*>(&header);
    m_words.assign(p, p + sizeof(DLGTEMPLATE) / sizeof(WORD));
    m_words.push_back(0); // no menu
    m_words.push_back(0); // default class
    AddString(title);
    m_words.push_back(pointSize);
    AddString(fontFace);
    // Trailing DWORD alignment, in case items are appended by hand.
    if (m_words.size() % 2 != 0)
        m_words.push_back(0);
}

void DialogTemplate::AddString(const char* text)
{
    int n = ::MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    std::vector<WCHAR> wide(static_cast<size_t>(n));
    ::MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), n);
    m_words.insert(m_words.end(), wide.begin(), wide.end());
}
}
