// Builds an in-memory dialog template (no controls; callers create their controls in pixels).
#pragma once
#include <windows.h>
#include <vector>

namespace harness
{
class DialogTemplate
{
public:
    // A template whose dialog uses the given font face and point size (DS_SETFONT).
    DialogTemplate(DWORD style, const char* title, const char* fontFace, WORD pointSize);
    LPCDLGTEMPLATE Get() const { return reinterpret_cast<LPCDLGTEMPLATE>(m_words.data()); }

private:
    void AddString(const char* text);
    std::vector<WORD> m_words;
};
}
