#include "SelectFixture.h"
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
    if (m_pDlg != nullptr)
        m_pDlg->DestroyWindow();
    delete m_pDlg;
    delete m_pEdit;
    m_pDlg = nullptr;
    m_pEdit = nullptr;
    m_pDrop = nullptr;
    harness::Pump();
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
    CString text;
    m_pEdit->GetWindowText(text);
    return text.GetString();
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
    std::vector<std::string> rows;
    const int count = m_pDrop->m_pList->GetCount();
    for (int i = 0; i < count; ++i)
    {
        CString text;
        m_pDrop->m_pList->GetText(i, text);
        rows.push_back(text.GetString());
    }
    return rows;
}

std::string SelectTest::SelectedRow() const
{
    const int row = m_pDrop->m_pList->GetCurSel();
    if (row == LB_ERR)
        return "<none>";
    CString text;
    m_pDrop->m_pList->GetText(row, text);
    return text.GetString();
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
