// First letters, typed prefixes and the sort order of the selection and auto-suggest edits
// under code page 932: a typed two-byte character is one letter, and its trail byte (often an
// ASCII letter) picks nothing by itself and is never folded as a letter. The edits sit on
// Windows' edit behaviour (WindowsEditBytes.h).
#include "../select/SelectFixture.h"
#include "Japanese.h"
#include "WindowsEditBytes.h"

using namespace seltest;
using namespace dbcstest;

TEST_F(SelectTest, AReadOnlyFirstLetterIsTheWholeCharacter)
{
    const std::string sakura = kSa + kKu + kRa, tomato = kTo + kMa + kTo;
    Attach<CSelectEdit>({ "Aomori", "Gifu", "Tokyo", sakura.c_str(), tomato.c_str() }, true);
    const struct
    {
        std::string typed;
        std::string after;
    } cases[] = {
        { kSa, sakura }, // trail byte 'T'
        { kTo, tomato }, // trail byte 'g'
        { kFu, tomato }, // trail byte 't': no text opens with it, nothing moves
        { "g", "Gifu" },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.after);
        TypeJapanese(c.typed);
        EXPECT_EQ(Text(), c.after);
    }
}

// The texts sort in the code page's order: texts that differ in a trail byte as "A" and "a" do
// are neither reordered nor merged as duplicates. Suggestions match whole characters and fold
// only single-byte letters.
TEST_F(SelectTest, AutoSuggestSortsByTheCodePageAndListsOnlyTextsOpeningWithTheTypedCharacters)
{
    const std::vector<std::string> order{ "abc", "ABD", kA + "x", kA + kI, kA + kSa, kKa + kMe, kDi, kDi + "x", kNi,
                                          kTou + kKyou };
    std::vector<const char*> reversed;
    for (auto it = order.rbegin(); it != order.rend(); ++it)
        reversed.push_back(it->c_str());
    std::string expected;
    for (const std::string& text : order)
        expected += (expected.empty() ? "" : "|") + text;
    EXPECT_EQ(Joined(Attach<CAutoSuggestEdit>(reversed)->GetTextArray()), expected);

    const std::string sakura = kSa + kKu + kRa, fuji = kFu + kZi, sanma = kSa + kN + kMa, saBc = kSa + "Bc";
    const struct
    {
        std::string typed;
        Texts rows;
    } cases[] = {
        { kSa, { saBc, sakura, sanma } }, // not fuji: trail bytes 't' and 'T'
        { kSa + "b", { saBc } },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.typed);
        Attach<CAutoSuggestEdit>({ sakura.c_str(), fuji.c_str(), sanma.c_str(), saBc.c_str(), "Tokyo" });
        TypeJapanese(c.typed);
        EXPECT_EQ(Text(), c.typed);
        ASSERT_TRUE(ListVisible());
        EXPECT_EQ(Rows(), c.rows);
    }
}
