#include "SelectFixture.h"
#include "Controls.h"
#include "Input.h"

namespace seltest
{
void AddTexts(CSelectEdit& edit, const std::vector<const char*>& texts)
{
    for (const char* text : texts)
        edit.AddText(CString(text));
}

void AddNumbered(CSelectEdit& edit, const char* format, int count)
{
    for (int i = 0; i < count; ++i)
    {
        CString text;
        text.Format(format, i);
        edit.AddText(text);
    }
}

std::string Joined(const TextArray& texts)
{
    std::string result;
    for (size_t i = 0; i < texts.GetCount(); ++i)
        result += (i ? "|" : "") + std::string(texts.GetAt(i).GetString());
    return result;
}

std::vector<std::string> Strings(std::initializer_list<const char*> texts)
{
    return std::vector<std::string>(texts.begin(), texts.end());
}

void SelectTest::TearDown()
{
    m_pDrop = nullptr; // owned by the edit
    harness::DestroyHost(m_pDlg, m_pEdit);
}

CProbeSelectEdit* SelectTest::AttachSelect(const std::vector<const char*>& texts, bool readOnly,
                                           const std::function<void(CProbeSelectEdit&)>& configure)
{
    return Attach<CSelectEdit>([&](CProbeSelectEdit& edit) {
        AddTexts(edit, texts);
        edit.SetReadOnly(readOnly);
        if (configure)
            configure(edit);
    });
}

CProbeAutoSuggestEdit* SelectTest::AttachSuggest(const std::vector<const char*>& texts, bool readOnly)
{
    return Attach<CAutoSuggestEdit>([&](CProbeAutoSuggestEdit& edit) {
        AddTexts(edit, texts);
        edit.SetReadOnly(readOnly);
    });
}

void SelectTest::MoveMouseAway()
{
    harness::MoveMouse({ 2, 2 });
}

std::string SelectTest::Text() const
{
    return harness::WindowText(m_pEdit->m_hWnd);
}

void SelectTest::SetText(const char* text)
{
    m_pEdit->SetWindowText(text);
}

bool SelectTest::WholeTextSelected() const
{
    int start = -1;
    int end = -1;
    m_pEdit->GetSel(start, end);
    return start == 0 && end == m_pEdit->GetWindowTextLength();
}

bool SelectTest::ListVisible() const
{
    return m_pDrop != nullptr && ::IsWindowVisible(m_pDrop->m_hWnd);
}

HWND SelectTest::ListHwnd() const
{
    return m_pDrop != nullptr && m_pDrop->m_pList != nullptr ? m_pDrop->m_pList->m_hWnd : nullptr;
}

std::vector<std::string> SelectTest::Rows() const
{
    return harness::ListRows(ListHwnd());
}

std::string SelectTest::SelectedRow() const
{
    return harness::ListSelection(ListHwnd());
}

POINT SelectTest::RowPoint(int row) const
{
    RECT rc = {};
    m_pDrop->m_pList->GetItemRect(row, &rc);
    POINT pt = { (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2 };
    ::ClientToScreen(ListHwnd(), &pt);
    return pt;
}
}
