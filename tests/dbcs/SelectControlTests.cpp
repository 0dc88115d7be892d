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
    template <class TEdit>
    void AttachJapanese(const Texts& texts, bool readOnly)
    {
        Attach<TEdit>({}, readOnly, [&](CProbe<TEdit>& edit) {
            for (const std::string& text : texts)
                edit.AddText(CString(text.c_str()));
        });
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
        EXPECT_EQ(rows, c.rows);
    }
}
