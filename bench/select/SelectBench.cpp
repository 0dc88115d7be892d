// Speed of the text selection controls under Wine, each figure beside the plain way (linear
// scan, redraw on, re-sort after each addition) measured in the same run. Prints; never asserts.
#include <afxwin.h>
#include <psapi.h>
#include <gtest/gtest.h>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>
#include "AutoSuggestEdit.h"
#include "BenchUtil.h"
#include "DropTextSelectWnd.h"
#include "HostDialog.h"
#include "SelectEdit.h"
#include "SelectionList.h"
#include "StringUtils.h"
#include "TestApp.h"
#include "TextIndex.h"
#include "TextMatch.h"
#include <string>

namespace
{
template <class TEdit>
class CBenchEdit : public TEdit
{
public:
    using TEdit::GetDropWnd;
    using TEdit::GetTextArray;
};

// A host dialog with one control of the kind asked for, filled by fill before Init.
template <class TEdit>
class Host
{
public:
    explicit Host(const std::function<void(CBenchEdit<TEdit>&)>& fill, bool readOnly = false)
    {
        m_dlg.CreateHost({ 100, 100 }, { 400, 600 }, { 10, 10, 210, 34 });
        m_edit.SubclassWindow(m_dlg.Edit());
        fill(m_edit);
        m_edit.SetReadOnly(readOnly);
        m_edit.Init();
        m_dlg.FocusEdit();
        harness::Pump();
    }
    ~Host()
    {
        m_dlg.DestroyWindow();
        harness::Pump();
    }
    CDropTextSelectWnd& Drop() { return *CDropTextSelectWnd::FromDropWnd(m_edit.GetDropWnd()); }
    bool ListVisible() { return ::IsWindowVisible(Drop().m_hWnd) != FALSE; }
    void Char(char ch) { m_edit.SendMessage(WM_CHAR, static_cast<BYTE>(ch), 1); }
    void Key(UINT vk) { m_edit.SendMessage(WM_KEYDOWN, vk, 1); }

    harness::CHostDialog m_dlg;
    CBenchEdit<TEdit> m_edit;
};

CString Numbered(const char* format, int i)
{
    CString text;
    text.Format(format, i);
    return text;
}

void AddNumbered(CSelectEdit& edit, int count)
{
    std::vector<CString> texts;
    texts.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        texts.push_back(Numbered("text %06d", i));
    edit.AddText(texts);
}

// The plain way of a list fill: one row at a time into a visible list with redraw on (a list
// box that holds its rows' texts, beside the control's own list).
double PlainFillMs(CWnd& parent, const TextArray& texts, size_t count)
{
    CListBox list;
    list.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, CRect(10, 40, 210, 400), &parent, 1999);
    const double start = bench::NowMs();
    for (size_t i = 0; i < count; ++i)
        list.AddString(texts[i]);
    const double ms = bench::NowMs() - start;
    list.DestroyWindow();
    return ms;
}

// The process's memory now, in MB: what it committed for itself (its private bytes, which
// Wine reports as the page file usage), and its working set, which also counts the pages of
// the system's libraries and fonts that it maps.
struct ProcessMemory
{
    double committedMb;
    double workingSetMb;
};

ProcessMemory GetProcessMemory()
{
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof(counters);
    if (!::K32GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof(counters)))
        return { -1, -1 };
    const double mb = 1024.0 * 1024.0;
    return { static_cast<double>(counters.PagefileUsage) / mb, static_cast<double>(counters.WorkingSetSize) / mb };
}

// 1,000,000 texts of 12 to 20 characters, all beginning with "qtext0", handed over in batches of
// 10,000 as a host reads them in (a copy of all of them would be the host's memory, not the
// edit's).
void AddMillion(CSelectEdit& edit)
{
    std::vector<CString> texts;
    for (int batch = 0; batch < 100; ++batch)
    {
        texts.clear();
        for (int i = 0; i < 10000; ++i)
        {
            const int n = batch * 10000 + i;
            // A tail of 0 to 8 letters after the number keeps the order and varies the length.
            texts.push_back(Numbered("qtext%07d", n) + CString('k', n % 9));
        }
        edit.AddText(texts);
    }
}

// The plain way of the prefix range: a scan of the whole array.
bool ScanPrefixRange(const TextArray& texts, const CString& prefix, size_t& first, size_t& last)
{
    bool any = false;
    for (size_t i = 0; i < texts.GetCount(); ++i)
    {
        if (StringUtils::MatchFirstChars(texts[i], prefix, false))
        {
            if (!any)
                first = i;
            last = i;
            any = true;
        }
    }
    return any;
}
}

// First, while the process holds nothing else the benchmarks made.
TEST(SelectBench, MemoryOfAMillionTextsWithTheListOpen)
{
    const ProcessMemory before = GetProcessMemory();
    std::printf("(before the texts: %.1f MB committed, working set %.1f MB)\n", before.committedMb, before.workingSetMb);
    Host<CSelectEdit> host(AddMillion);
    host.Key(VK_F9);
    harness::Pump();
    if (!host.ListVisible() || host.Drop().m_pList->GetCount() != 1000000)
        std::printf("(the list did not open with 1,000,000 rows)\n");
    const ProcessMemory open = GetProcessMemory();
    char note[64];
    std::snprintf(note, sizeof(note), "working set %.1f MB", open.workingSetMb);
    bench::ReportMb("memory for 1,000,000 texts with the list open", open.committedMb, note, 100);
}

TEST(SelectBench, OpeningTheSelectionList)
{
    Host<CSelectEdit> host([](CSelectEdit& edit) { AddNumbered(edit, 10000); });
    const double openMs = bench::MedianMs(
        7, [&] { host.Key(VK_F9); }, [&] { host.Key(VK_ESCAPE); });
    if (!host.ListVisible() || host.Drop().m_pList->GetCount() != 10000)
        std::printf("(the list did not open with 10,000 rows)\n");

    // The plain fill is measured on 1,000 rows: 10,000 would take half a minute.
    const double plain1000 = PlainFillMs(host.m_dlg, host.m_edit.GetTextArray(), 1000);
    host.Key(VK_ESCAPE);
    Host<CSelectEdit> small([](CSelectEdit& edit) { AddNumbered(edit, 1000); });
    const double open1000 = bench::MedianMs(
        7, [&] { small.Key(VK_F9); }, [&] { small.Key(VK_ESCAPE); });
    const double plainSmall = PlainFillMs(small.m_dlg, small.m_edit.GetTextArray(), 1000);
    bench::Report("open the selection list, 1,000 texts", open1000, plainSmall, 50);
    bench::Report("open the selection list, 10,000 texts (plain: x10 of 1,000)", openMs, 10 * plain1000, 50);

    Host<CSelectEdit> million(AddMillion);
    const double openMillion = bench::MedianMs(
        7, [&] { million.Key(VK_F9); }, [&] { million.Key(VK_ESCAPE); });
    if (!million.ListVisible() || million.Drop().m_pList->GetCount() != 1000000)
        std::printf("(the list did not open with 1,000,000 rows)\n");
    bench::Report("open the selection list, 1,000,000 texts (plain: x1,000 of 1,000)", openMillion,
                  1000 * plainSmall, std::min(16.0, 3 * open1000));
}

TEST(SelectBench, AutoSuggestKeystrokeOverAMillionTexts)
{
    // Ten first letters, two second letters, 50,000 numbers: "bx" starts 50,000 texts, "bx12"
    // starts 1,000.
    Host<CAutoSuggestEdit> host([](CAutoSuggestEdit& edit) {
        std::vector<CString> texts;
        texts.reserve(1000000);
        for (char first = 'a'; first < 'a' + 10; ++first)
            for (char second : { 'x', 'y' })
                for (int i = 0; i < 50000; ++i)
                    texts.push_back(CString(first) + CString(second) + Numbered("%05d", i));
        edit.AddText(texts);
    });
    const TextArray& texts = host.m_edit.GetTextArray();
    double thousandMs = 0;

    struct Case
    {
        const char* name;
        const char* before; // shown in the open list before the keystroke
        char typed;
        size_t matches;
        double target;
    } cases[] = {
        { "auto-suggest keystroke, 1,000 of 1,000,000 match", "bx1", '2', 1000, 16 },
        { "auto-suggest keystroke, 50,000 of 1,000,000 match", "b", 'x', 50000, 16 },
    };
    for (const Case& c : cases)
    {
        const CString typed = CString(c.before) + CString(c.typed);
        const auto reset = [&] {
            host.m_edit.SetWindowText(typed);
            host.m_edit.SetSel(typed.GetLength(), typed.GetLength());
            host.Char('\b'); // back to the text before: the list shows its wider range
        };
        const double ms = bench::MedianMs(7, [&] { host.Char(c.typed); }, reset);
        if (!host.ListVisible() || static_cast<size_t>(host.Drop().m_pList->GetCount()) != c.matches)
            std::printf("(%s: the list shows %d rows)\n", c.name, host.Drop().m_pList->GetCount());

        size_t first = 0;
        size_t last = 0;
        const double searchMs = bench::MedianMs(7, [&] { texts.FindPrefixRange(typed, first, last); });
        const double scanMs = bench::MedianMs(7, [&] { ScanPrefixRange(texts, typed, first, last); });
        bench::Report((std::string(c.name) + " (plain: scan + same fill)").c_str(), ms, ms - searchMs + scanMs,
                      c.target);
        bench::Report("  of which the range search (plain: linear scan)", searchMs, scanMs, c.target);
        if (c.matches == 1000)
            thousandMs = ms;
    }

    // Every text matches before and after the key: the list shows the whole array each time.
    Host<CAutoSuggestEdit> all(AddMillion);
    const auto reset = [&] {
        all.m_edit.SetWindowText("qtext0");
        all.m_edit.SetSel(6, 6);
        all.Char('\b');
    };
    const double allMs = bench::MedianMs(7, [&] { all.Char('0'); }, reset);
    if (!all.ListVisible() || all.Drop().m_pList->GetCount() != 1000000)
        std::printf("(1,000,000 of 1,000,000: the list shows %d rows)\n", all.Drop().m_pList->GetCount());
    bench::Report("auto-suggest keystroke, 1,000,000 of 1,000,000 match", allMs, 0, std::min(16.0, 3 * thousandMs));
}

TEST(SelectBench, AutoSuggestKeystrokeInTheWordStartAndContainsModes)
{
    // "Item 000042 xqba": a number and one of 1,000 tags of three letters after an x, so that
    // each tag is in 1,000 texts. "qba" is inside only the tag "xqba", which also starts a word.
    std::vector<CString> texts;
    texts.reserve(1000000);
    for (int i = 0; i < 1000000; ++i)
    {
        const int tag = i % 1000;
        CString text;
        text.Format("Item %06d x%c%c%c", i, 'a' + tag % 26, 'a' + tag / 26 % 26, 'a' + tag / 676);
        texts.push_back(text);
    }
    struct Case
    {
        const char* name;
        int mode;
        const char* before;
        char typed;
    } cases[] = {
        { "auto-suggest keystroke, contains, 1,000 of 1,000,000 match", CAutoSuggestEdit::kMatchContains, "qb", 'a' },
        { "auto-suggest keystroke, word start, 1,000 of 1,000,000 match", CAutoSuggestEdit::kMatchWordStart, "xqb", 'a' },
    };
    for (const Case& c : cases)
    {
        double buildMs = 0;
        Host<CAutoSuggestEdit> host([&](CAutoSuggestEdit& edit) {
            edit.SetMatchMode(c.mode);
            const double start = bench::NowMs();
            edit.AddText(texts);
            buildMs = bench::NowMs() - start;
        });
        const TextArray& array = host.m_edit.GetTextArray();
        const CString typed = CString(c.before) + CString(c.typed);
        const auto reset = [&] {
            host.m_edit.SetWindowText(typed);
            host.m_edit.SetSel(typed.GetLength(), typed.GetLength());
            host.Char('\b');
        };
        const double ms = bench::MedianMs(7, [&] { host.Char(c.typed); }, reset);
        if (!host.ListVisible() || host.Drop().m_pList->GetCount() != 1000)
            std::printf("(%s: the list shows %d rows)\n", c.name, host.Drop().m_pList->GetCount());

        TextIndex index;
        index.Build(array);
        std::vector<size_t> found;
        const double findMs = bench::MedianMs(7, [&] { index.Find(array, typed, c.mode, found); });
        const double scanMs = bench::MedianMs(3, [&] { TextIndex::Scan(array, typed, c.mode, found); });
        bench::Report((std::string(c.name) + " (plain: scan + same fill)").c_str(), ms, ms - findMs + scanMs, 16);
        bench::Report("  of which the index look-up (plain: every text matched)", findMs, scanMs, 16);
        std::printf("  the index: %.1f MB for 1,000,000 texts, built in %.0f ms with the additions (sort included)\n",
                    static_cast<double>(host.m_edit.GetIndexMemory()) / (1024.0 * 1024.0), buildMs);
    }
}

TEST(SelectBench, AddingTextsOneAtATimeToASortedEdit)
{
    // Random order: most texts land in the middle of the array.
    const auto makeTexts = [](int count) {
        std::vector<CString> texts;
        unsigned seed = 7;
        for (int i = 0; i < count; ++i)
        {
            seed = seed * 1103515245u + 12345u;
            texts.push_back(Numbered("entry %08u", static_cast<int>(seed >> 1)));
        }
        return texts;
    };
    // The time includes one read at the end, which sees every text in place.
    const auto addOneByOne = [](const std::vector<CString>& texts) {
        CBenchEdit<CSelectEdit> edit;
        edit.SetSorted(true);
        const double start = bench::NowMs();
        for (const CString& text : texts)
            edit.AddText(text);
        const size_t count = edit.GetTextArray().GetCount();
        const double ms = bench::NowMs() - start;
        return count > 0 ? ms : -1.0;
    };
    const auto plainOneByOne = [](const std::vector<CString>& texts) {
        TextArray array;
        const double start = bench::NowMs();
        for (const CString& text : texts)
        {
            array.Add(text);
            array.Sort(true, false, TextArray::ContentText);
            array.RemoveDuplicates(false, TextArray::ContentText);
        }
        return bench::NowMs() - start;
    };
    const std::vector<CString> few = makeTexts(2000);
    const std::vector<CString> many = makeTexts(100000);
    const double plainFew = plainOneByOne(few);
    bench::Report("add 2,000 texts one by one, sorted (plain: re-sort each time)", addOneByOne(few), plainFew,
                  1000);
    // The plain way grows with the square of the count: 2,000 texts cost 1/2,500 of 100,000.
    bench::Report("add 100,000 texts one by one, sorted (plain: x2,500 of 2,000)", addOneByOne(many),
                  plainFew * 2500, 1000);
}

TEST(SelectBench, ReadOnlyTypingAndSteppingOverAHundredThousandTexts)
{
    // 99,999 texts that begin with a, then one with z: z is found only at the very end.
    const auto fill = [](bool sorted) {
        return [sorted](CSelectEdit& edit) {
            std::vector<CString> texts;
            for (int i = 0; i < 99999; ++i)
                texts.push_back(Numbered("a%06d", sorted ? i : 99998 - i));
            texts.push_back("zebra");
            edit.SetSorted(sorted);
            edit.AddText(texts);
        };
    };
    Host<CSelectEdit> host(fill(true), true);
    Host<CSelectEdit> plain(fill(false), true); // unsorted: every look-up is a scan
    struct Case
    {
        const char* name;
        const char* start;
        std::function<void(Host<CSelectEdit>&)> key;
    } cases[] = {
        { "read-only first letter, 100,000 texts (to the last text)", "", [](Host<CSelectEdit>& h) { h.Char('z'); } },
        { "read-only same letter again, 100,000 texts", "a050000", [](Host<CSelectEdit>& h) { h.Char('a'); } },
        { "Down with the list closed, 100,000 texts", "a050000", [](Host<CSelectEdit>& h) { h.Key(VK_DOWN); } },
        { "Up with the list closed, 100,000 texts", "a050000", [](Host<CSelectEdit>& h) { h.Key(VK_UP); } },
    };
    // The first key after a fill, texts added one at a time as a host reads them in: whatever
    // the additions left to do must not wait for that key.
    const auto fillOneByOne = [](bool sorted) {
        return [sorted](CSelectEdit& edit) {
            edit.SetSorted(sorted);
            unsigned seed = 11;
            for (int i = 0; i < 99999; ++i)
            {
                seed = seed * 1103515245u + 12345u;
                edit.AddText(Numbered("a%08u", static_cast<int>(seed >> 1)));
            }
            edit.AddText("zebra");
        };
    };
    std::vector<double> firstTimes;
    std::vector<double> plainTimes;
    for (int i = 0; i < 5; ++i)
    {
        Host<CSelectEdit> fresh(fillOneByOne(true), true);
        double start = bench::NowMs();
        fresh.Char('z');
        firstTimes.push_back(bench::NowMs() - start);
        Host<CSelectEdit> plainFresh(fillOneByOne(false), true);
        start = bench::NowMs();
        plainFresh.Char('z');
        plainTimes.push_back(bench::NowMs() - start);
    }
    std::sort(firstTimes.begin(), firstTimes.end());
    std::sort(plainTimes.begin(), plainTimes.end());
    bench::Report("read-only first letter right after filling 100,000 texts (plain: unsorted, scans)", firstTimes[2],
                  plainTimes[2], 16);

    for (const Case& c : cases)
    {
        const auto run = [&](Host<CSelectEdit>& h) {
            return bench::MedianMs(
                9, [&] { c.key(h); }, [&] { h.m_edit.SetWindowText(c.start); });
        };
        const double ms = run(host);
        bench::Report((std::string(c.name) + " (plain: unsorted, scans)").c_str(), ms, run(plain), 16);
    }
}
