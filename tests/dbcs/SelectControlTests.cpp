// First letters and typed prefixes of the selection and auto-suggest edits under code page 932:
// a typed two-byte character is one letter, and its trail byte (often an ASCII letter) picks
// nothing by itself. The edits sit on Windows' edit behaviour (WindowsEditBytes.h).
#include "../select/SelectFixture.h"
#include "Japanese.h"
#include "WindowsEditBytes.h"

using namespace seltest;
using namespace dbcstest;

namespace
{
class DbcsSelectTest : public SelectTest
{
protected:
    // As SelectTest::Attach, with Windows' edit behaviour below the control.
    template <class TEdit>
    void AttachJapanese(const std::vector<std::string>& texts, bool readOnly)
    {
        TearDown();
        m_pDlg = new harness::CHostDialog;
        ASSERT_TRUE(m_pDlg->CreateHost({ 100, 100 }, { 400, 300 }, { 10, 10, 210, 34 }));
        EmulateWindowsEditBytes(m_pDlg->Edit());
        auto* pEdit = new CProbe<TEdit>;
        m_pEdit = pEdit;
        ASSERT_TRUE(pEdit->SubclassWindow(m_pDlg->Edit()));
        pEdit->SetReadOnly(readOnly);
        pEdit->Init();
        for (const std::string& text : texts)
            pEdit->AddText(text.c_str());
        m_pDrop = CDropTextSelectWnd::FromDropWnd(pEdit->GetDropWnd());
        ASSERT_NE(m_pDrop, nullptr);
        m_pDlg->FocusEdit();
        harness::MoveMouse({ 2, 2 });
    }
};
}

TEST_F(DbcsSelectTest, AReadOnlyFirstLetterIsTheWholeCharacter)
{
    AttachJapanese<CSelectEdit>({ "Aomori", "Gifu", "Tokyo", kA + kI, kSa + kKu + kRa, kTo + kMa + kTo }, true);
    const struct
    {
        std::string typed;
        std::string after;
    } cases[] = {
        { kSa, kSa + kKu + kRa }, // trail byte 'T'
        { kA, kA + kI },          // trail byte 'A'
        { kTo, kTo + kMa + kTo }, // trail byte 'g'
        { kFu, kTo + kMa + kTo }, // trail byte 't': no text opens with it, nothing moves
        { "g", "Gifu" },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.after);
        TypeJapanese(c.typed);
        EXPECT_EQ(Text(), c.after);
    }
}

TEST_F(DbcsSelectTest, AutoSuggestListsOnlyTextsOpeningWithTheTypedCharacter)
{
    const std::string sakura = kSa + kKu + kRa;
    const std::string fuji = kFu + kZi;
    const std::string sanma = kSa + kN + kMa;
    const struct
    {
        std::string typed;
        Texts rows;
    } cases[] = {
        { kSa, { sakura, sanma } },
        { kFu, { fuji } },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.rows.front());
        AttachJapanese<CAutoSuggestEdit>({ sakura, fuji, sanma, "Tokyo" }, false);
        TypeJapanese(c.typed);
        EXPECT_EQ(Text(), c.typed);
        ASSERT_TRUE(ListVisible());
        Texts rows = Rows();
        std::sort(rows.begin(), rows.end());
        Texts expected = c.rows;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(rows, expected);
    }
}
