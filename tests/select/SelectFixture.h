// A selection or auto-suggest edit attached to the host dialog's edit as a host would attach
// it, with what a user sees of it: the edit's text and selection, the list's rows and
// selected row, whether the list is open, and where the focus is.
#pragma once
#include <afxwin.h>
#include <gtest/gtest.h>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>
#include "AutoSuggestEdit.h"
#include "DropTextSelectWnd.h"
#include "HostDialog.h"
#include "SelectEdit.h"
#include "SelectionList.h"
#include "TestApp.h"

namespace seltest
{
// Exposes what the tests check or set beyond the public operations.
template <class TEdit>
class CProbe : public TEdit
{
public:
    using TEdit::DoSort;
    using TEdit::GetDropWnd;
    using TEdit::GetTextArray;
    using TEdit::m_bSorted;
};
using CProbeSelectEdit = CProbe<CSelectEdit>;
using CProbeAutoSuggestEdit = CProbe<CAutoSuggestEdit>;

void AddTexts(CSelectEdit& edit, const std::vector<const char*>& texts);
// count texts made from format and their index ("text %02d").
void AddNumbered(CSelectEdit& edit, const char* format, int count);
std::string Joined(const TextArray& texts);

class SelectTest : public testing::Test
{
protected:
    void TearDown() override;

    // Re-creates the host dialog (client origin 100,100, 400 x 300) with the edit at
    // (10,10)-(210,34), attaches a new TEdit, lets configure set it up (texts, modes), calls
    // Init and puts the focus in the edit.
    template <class TEdit>
    CProbe<TEdit>* Attach(const std::function<void(CProbe<TEdit>&)>& configure = nullptr)
    {
        TearDown();
        m_pDlg = new harness::CHostDialog;
        EXPECT_TRUE(m_pDlg->CreateHost({ 100, 100 }, { 400, 300 }, { 10, 10, 210, 34 }));
        auto* pEdit = new CProbe<TEdit>;
        m_pEdit = pEdit;
        EXPECT_TRUE(pEdit->SubclassWindow(m_pDlg->Edit()));
        if (configure)
            configure(*pEdit);
        pEdit->Init();
        m_pDrop = CDropTextSelectWnd::FromDropWnd(pEdit->GetDropWnd());
        EXPECT_NE(m_pDrop, nullptr);
        m_pDlg->FocusEdit();
        MoveMouseAway();
        return pEdit;
    }
    CProbeSelectEdit* AttachSelect(const std::vector<const char*>& texts, bool readOnly,
                                   const std::function<void(CProbeSelectEdit&)>& configure = nullptr);
    CProbeAutoSuggestEdit* AttachSuggest(const std::vector<const char*>& texts, bool readOnly = false);

    std::string Text() const;
    void SetText(const char* text);
    // Whether the whole text is selected, as after a pick.
    bool WholeTextSelected() const;
    bool ListVisible() const;
    std::vector<std::string> Rows() const;
    // The selected row's text, or "<none>".
    std::string SelectedRow() const;
    HWND ListHwnd() const;
    HWND FocusWnd() const { return ::GetFocus(); }
    // Screen point at the centre of a list row.
    POINT RowPoint(int row) const;
    void MoveMouseAway();

    harness::CHostDialog* m_pDlg = nullptr;
    CSelectEdit* m_pEdit = nullptr;
    CDropTextSelectWnd* m_pDrop = nullptr;
};

std::vector<std::string> Strings(std::initializer_list<const char*> texts);
}
