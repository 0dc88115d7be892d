#include "GalleryLogger.h"

void CGalleryLogger::AddLine(const CString& line)
{
    m_lines.push_back(line);
    Show(line);
}

void CGalleryLogger::SetPane(CListBox* pPane)
{
    m_pPane = pPane;
    for (const CString& line : m_lines)
        Show(line);
}

void CGalleryLogger::Show(const CString& line)
{
    if (m_pPane == nullptr || !::IsWindow(m_pPane->m_hWnd))
        return;
    const int nIndex = m_pPane->AddString(line);
    m_pPane->SetTopIndex(nIndex); // newest line in view
}
