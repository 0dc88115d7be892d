// The gallery's logger: the library's failure lines and the host's own notes go to the log pane
// (and are kept, so lines written before the pane exists are shown when it appears).
#pragma once
#include <afxwin.h>
#include "AppLogger.h"
#include <vector>

class CGalleryLogger : public AppLogger
{
public:
    void AddLine(const CString& line) override;
    // The pane receives every line from now on, after those kept so far. Null detaches it.
    void SetPane(CListBox* pPane);
    const std::vector<CString>& Lines() const { return m_lines; }

private:
    void Show(const CString& line);

    std::vector<CString> m_lines;
    CListBox* m_pPane = nullptr;
};
