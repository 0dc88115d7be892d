// A selection or auto-suggest edit attached to the host dialog's edit as a host would attach
// it, with what a user sees of it: the edit's text and selection, the list's rows and
// selected row, whether the list is open, and where the focus is.
#pragma once
#include <gtest/gtest.h>
#include <functional>
#include <string>
#include <vector>
#include "../framework/ControlHost.h"
#include "AutoSuggestEdit.h"
#include "DropTextSelectWnd.h"
#include "MessageRecorder.h"
#include "SelectionList.h"

namespace seltest
{
using Texts = std::vector<std::string>;
using harness::PressKey;
using harness::TypeText;

// Exposes what the tests check or set beyond the public operations.
template <class TEdit>
class CProbe : public fwtest::Probe<TEdit>
{
public:
    using TEdit::GetTextArray;
};

inline void AddTexts(CSelectEdit& edit, const std::vector<const char*>& texts)
{
    for (const char* text : texts)
        edit.AddText(CString(text));
}

inline std::string Joined(const TextArray& texts)
{
    std::string result;
    for (size_t i = 0; i < texts.GetCount(); ++i)
        result += (i ? "|" : "") + std::string(texts.GetAt(i).GetString());
    return result;
}

class SelectTest : public testing::Test
{
protected:
    // A new host dialog whose edit becomes a TEdit with the texts and mode; configure adds to
    // that before Init.
    template <class TEdit>
    CProbe<TEdit>* Attach(const std::vector<const char*>& texts, bool readOnly = false,
                          const std::function<void(CProbe<TEdit>&)>& configure = nullptr)
    {
        auto* pEdit = m_host.Attach<CProbe<TEdit>>([&](CProbe<TEdit>& edit) {
            AddTexts(edit, texts);
            edit.SetReadOnly(readOnly);
            if (configure)
                configure(edit);
            edit.Init();
        });
        m_pDlg = m_host.Dialog();
        m_pEdit = pEdit;
        m_pDrop = CDropTextSelectWnd::FromDropWnd(pEdit->GetDropWnd());
        EXPECT_NE(m_pDrop, nullptr);
        return pEdit;
    }
    std::string Text() const { return harness::WindowText(m_pEdit->m_hWnd); }
    void SetText(const char* text) { m_pEdit->SetWindowText(text); }
    // Whether the whole text is selected, as after a pick.
    bool WholeTextSelected() const
    {
        int start = -1, end = -1;
        m_pEdit->GetSel(start, end);
        return start == 0 && end == m_pEdit->GetWindowTextLength();
    }
    bool ListVisible() const { return m_pDrop != nullptr && ::IsWindowVisible(m_pDrop->m_hWnd); }
    bool FocusInEdit() const { return ::GetFocus() == m_pEdit->m_hWnd; }
    bool FocusInList() const { return ::GetFocus() == List().m_hWnd; }
    CSelectionList& List() const { return *m_pDrop->m_pList; }
    Texts Rows() const { return harness::ListRows(List().m_hWnd); }
    // The selected row's text, or "<none>".
    std::string SelectedRow() const { return harness::ListSelection(List().m_hWnd); }
    // Screen point at the centre of a list row.
    POINT RowPoint(int row) const
    {
        CRect rc;
        List().GetItemRect(row, &rc);
        POINT pt = rc.CenterPoint();
        ::ClientToScreen(List().m_hWnd, &pt);
        return pt;
    }

    fwtest::ControlHost m_host;
    harness::CHostDialog* m_pDlg = nullptr;
    CSelectEdit* m_pEdit = nullptr;
    CDropTextSelectWnd* m_pDrop = nullptr;
};
}
