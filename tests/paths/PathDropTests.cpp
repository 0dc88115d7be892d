// Shell drops onto the path edits: real HDROPs built in memory as the shell builds them and sent
// to the edit; what each edit takes of a drop, the first item taken of several, the refusal, and
// the edits that take nothing (drops off, the host's read-only style).
#include "PathsFixture.h"
#include <shlobj.h>
#include <cstring>

using namespace pathtest;

namespace
{
using Paths = std::vector<std::string>;

// DROPFILES followed by the double-null-terminated list of ANSI paths; the edit frees it.
HDROP MakeDrop(const Paths& paths)
{
    std::string list;
    for (const std::string& path : paths)
        list.append(path).push_back('\0');
    list.push_back('\0');
    HGLOBAL hGlobal = ::GlobalAlloc(GHND, sizeof(DROPFILES) + list.size());
    auto* pDrop = static_cast<DROPFILES*>(::GlobalLock(hGlobal));
    pDrop->pFiles = sizeof(DROPFILES);
    std::memcpy(reinterpret_cast<char*>(pDrop) + sizeof(DROPFILES), list.data(), list.size());
    ::GlobalUnlock(hGlobal);
    return static_cast<HDROP>(hGlobal);
}

// One drop onto a new edit of its kind holding the start folder: the items, whether drops are
// on, the host's read-only style, and what follows.
struct DropCase
{
    const char* name;
    Edit edit;
    Paths items;
    std::string after; // the edit's text afterwards
    int beeps = 0;
    bool accept = true;
    bool hostReadOnly = false;
    const char* shown = nullptr; // relative: where the file tree opens; null: nothing opens
};
}

// The file edit takes a file by its paste rules (read-only or not alike) and the tree's filter.
TEST_F(PathEditTest, EachEditTakesTheFirstDroppedItemItsRulesAllowAndRefusalsBeep)
{
    EXPECT_FALSE(m_pEdit->GetAcceptDrops());
    const std::string start = m_scratch.MakeDir("start");
    const std::string txt = Path("docs\\a.txt");
    const std::string log = Path("docs\\c.log");
    const DropCase cases[] = {
        { "folder", Edit::Dir, { Path("docs\\sub") }, Path("docs\\sub") },
        { "file: its folder", Edit::Dir, { txt }, Path("docs\\") },
        { "nothing taken: refused", Edit::Dir, { Path("nothing"), Path("docs\\gone.txt") }, start, 1 },
        { "drops off: ignored", Edit::Dir, { Path("docs\\sub") }, start, 0, false },
        { "host read-only: refused", Edit::Dir, { Path("docs\\sub") }, start, 1, true, true },
        { "file through the filter", Edit::WritableFile, { txt }, txt },
        { "file the filter hides: refused", Edit::WritableFile, { log }, start, 1 },
        { "hidden file, then one through the filter", Edit::WritableFile, { log, txt }, txt },
        { "file not on disk: refused", Edit::WritableFile, { Path("docs\\new.txt") }, start, 1 },
        { "folder: the tree opens there, the text stays", Edit::WritableFile, { Path("onlylog") }, start, 0, true,
          false, "onlylog\\" },
    };
    for (const DropCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        MakeEdit(c.edit, start);
        if (c.edit != Edit::Dir)
            SetExt({ "txt", "." });
        m_pEdit->SetAcceptDrops(c.accept);
        EXPECT_EQ((m_pEdit->GetExStyle() & WS_EX_ACCEPTFILES) != 0, c.accept);
        m_pEdit->SendMessage(EM_SETREADONLY, c.hostReadOnly);
        m_pEdit->SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(c.items)));
        EXPECT_EQ(Text(), c.after);
        EXPECT_EQ(m_beeps.Count(), c.beeps);
        EXPECT_EQ(DropVisible(), c.shown != nullptr);
        if (c.shown != nullptr)
        {
            EXPECT_EQ(Shown(), Path(c.shown));
        }
    }
}
