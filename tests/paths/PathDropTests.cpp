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

// One drop: the items, whether drops are on, the host's read-only style, and what follows.
struct DropCase
{
    const char* name;
    Paths items;
    std::string after; // the edit's text afterwards
    int beeps = 0;
    bool accept = true;
    bool hostReadOnly = false;
    const char* shown = nullptr; // relative: where the file tree opens; null: nothing opens
};

// Runs the rows on the fixture's edit, each from the start text.
template <class TFixture>
class DropTest : public TFixture
{
protected:
    void RunDrops(const std::string& start, const std::vector<DropCase>& cases)
    {
        for (const DropCase& c : cases)
        {
            SCOPED_TRACE(c.name);
            this->m_pEdit->SetAcceptDrops(c.accept);
            EXPECT_EQ((this->m_pEdit->GetExStyle() & WS_EX_ACCEPTFILES) != 0, c.accept);
            this->m_pEdit->SendMessage(EM_SETREADONLY, c.hostReadOnly);
            this->SetText(start);
            this->m_beeps.Reset();
            this->m_pEdit->SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(c.items)));
            EXPECT_EQ(this->m_pEdit->Text(), c.after);
            EXPECT_EQ(this->m_beeps.Count(), c.beeps);
            ASSERT_EQ(this->DropVisible(), c.shown != nullptr);
            if (c.shown != nullptr)
            {
                EXPECT_EQ(this->Shown(), this->Path(c.shown));
                this->m_pEdit->ShowDropWnd(false, false, false);
            }
            this->m_pEdit->SendMessage(EM_SETREADONLY, FALSE);
        }
    }
};
using DirDropTest = DropTest<DirEditTest>;
using FileDropTest = DropTest<FileEditTest>;
}

TEST_F(DirDropTest, AFolderOrTheFolderOfAFileIsTakenFirstAcceptedOfSeveralAndRefusalsBeep)
{
    EXPECT_FALSE(m_pEdit->GetAcceptDrops());
    const std::string start = Path("start\\");
    m_scratch.MakeDir("start");
    const std::string missing = Path("nothing");
    RunDrops(start, {
        { "folder", { Path("docs\\sub") }, Path("docs\\sub") },
        { "file: its folder", { Path("docs\\a.txt") }, Path("docs\\") },
        { "missing, then a folder", { missing, Path("empty") }, Path("empty") },
        { "nothing taken: refused", { missing, Path("docs\\gone.txt") }, start, 1 },
        { "empty drop: refused", {}, start, 1 },
        { "drops off: ignored", { Path("docs\\sub") }, start, 0, false },
        { "host read-only: refused", { Path("docs\\sub") }, start, 1, true, true },
    });
}

TEST_F(FileDropTest, AFileIsTakenByThePasteRulesAndTheFilterAndAFolderOpensTheTreeThere)
{
    const std::string start = Path("docs\\readme");
    const std::string txt = Path("docs\\a.txt");
    const std::string log = Path("docs\\c.log");
    for (const bool readOnly : { true, false })
    {
        SCOPED_TRACE(readOnly ? "must exist" : "writable");
        MakeEdit(readOnly);
        SetExt({ "txt", "." });
        RunDrops(start, {
            { "file through the filter", { txt }, txt },
            { "file the filter hides: refused", { log }, start, 1 },
            { "hidden file, then one through the filter", { log, txt }, txt },
            { "file not on disk: refused", { Path("docs\\new.txt") }, start, 1 },
            { "folder: the tree opens there, the text stays", { Path("onlylog") }, start, 0, true, false, "onlylog\\" },
        });
    }
}
