// Geometry of the controls at the DPI this process runs at (96 unless DpiRunTests started it at
// another), as numbers: every size designed in pixels is its 96-DPI size scaled.
#include <gtest/gtest.h>
#include <functional>
#include "CalendarWnd.h"
#include "DateEdit.h"
#include "DirEdit.h"
#include "DirList.h"
#include "DpiFixture.h"
#include "DropDateSelectWnd.h"
#include "DropWnd.h"
#include "FileEdit.h"
#include "FileExtMgr.h"
#include "SelectEdit.h"
#include "TimeEdit.h"

namespace
{
using dpitest::DpiHost;
using dpitest::Probe;
using dpitest::Sizes;

CRect ChildRect(HWND hParent, int id)
{
    CRect rc(0, 0, 0, 0);
    ::GetWindowRect(::GetDlgItem(hParent, id), &rc);
    return rc;
}

// A time edit with its list open (the fixed 100-pixel list, the default 125-pixel height).
HWND OpenTimeList(DpiHost& host)
{
    auto* pEdit = host.Attach<Probe<CTimeEdit>>([](Probe<CTimeEdit>& e) { e.Init(8, 18, false, true); });
    return host.Open(pEdit);
}

// The list box of a directory list with the rows, measured by what a host can read of it.
struct DirListProbe
{
    explicit DirListProbe(DpiHost& host, std::initializer_list<const char*> rows)
    {
        if (host.Dialog() == nullptr)
            host.Attach<Probe<CSelectEdit>>([](auto&) {});
        list.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS,
                    CRect(10, 50, 300, 250), host.Dialog(), 1100);
        list.SendMessage(WM_SETFONT, host.Dialog()->SendMessage(WM_GETFONT), FALSE);
        for (const char* row : rows)
            list.AddString(row, CDirList::IconFolder);
    }
    ~DirListProbe() { list.DestroyWindow(); }
    DirListProbe(const DirListProbe&) = delete;
    DirListProbe& operator=(const DirListProbe&) = delete;
    int Extent() const { return static_cast<int>(::SendMessageA(list.m_hWnd, LB_GETHORIZONTALEXTENT, 0, 0)); }
    CDirList list;
};

struct GeometryRow
{
    const char* name;
    Sizes expected;
    std::function<int(DpiHost&)> measure;
};

const std::vector<GeometryRow> kGeometry = {
    { "drop button width", { 16, 25, 33 },
      [](DpiHost& h) { return h.Attach<Probe<CSelectEdit>>([](auto& e) { e.Init(); })->m_rcButton.Width(); } },
    { "icon area width", { 17, 25, 33 },
      [](DpiHost& h) { return h.Attach<Probe<CDirEdit>>([](auto& e) { e.Init(false); })->m_rcIcon.Width(); } },
    { "selection edit width without texts", { 29, 44, 58 },
      [](DpiHost& h) { return h.Attach<Probe<CSelectEdit>>([](auto& e) { e.Init(); })->GetMaxWidth(); } },
    { "default drop height", { 125, 188, 250 }, [](DpiHost& h) { return DpiHost::Rect(OpenTimeList(h)).Height(); } },
    { "time list width", { 100, 150, 200 }, [](DpiHost& h) { return DpiHost::Rect(OpenTimeList(h)).Width(); } },
    { "time list button height", { 20, 30, 40 }, [](DpiHost& h) { return ChildRect(OpenTimeList(h), 2602).Height(); } },
    { "time list button width", { 24, 37, 49 }, [](DpiHost& h) { return ChildRect(OpenTimeList(h), 2603).Width(); } },
    { "time list rows above the buttons", { 103, 156, 208 },
      [](DpiHost& h) { return ChildRect(OpenTimeList(h), 2601).Height(); } },
    { "limited drop height minimum", { 125, 188, 250 },
      [](DpiHost& h) {
          auto* pEdit = h.Attach<Probe<CSelectEdit>>(
              [](auto& e) {
                  for (int i = 0; i < 60; ++i)
                      e.AddText(CString("row"));
                  e.Init();
              },
              { 10, 340, 330, 364 });
          return DpiHost::Rect(h.Open(pEdit)).Height();
      } },
    { "date drop width", { 260, 390, 520 },
      [](DpiHost& h) {
          auto* pEdit = h.Attach<Probe<CDateEdit>>([](auto& e) { e.Init(DateTime(), true); });
          return DpiHost::Rect(h.Open(pEdit)).Width();
      } },
    { "date drop height", { 240, 360, 480 },
      [](DpiHost& h) {
          auto* pEdit = h.Attach<Probe<CDateEdit>>([](auto& e) { e.Init(DateTime(), true); });
          return DpiHost::Rect(h.Open(pEdit)).Height();
      } },
    { "calendar button width", { 72, 108, 144 },
      [](DpiHost& h) {
          auto* pEdit = h.Attach<Probe<CDateEdit>>([](auto& e) { e.Init(DateTime(), true); });
          h.Open(pEdit);
          auto* pDrop = static_cast<CDropDateSelectWnd*>(pEdit->m_pDropWnd);
          return ChildRect(pDrop->m_pCalendar->m_hWnd, 101).Width();
      } },
    { "calendar button height", { 20, 30, 40 },
      [](DpiHost& h) {
          auto* pEdit = h.Attach<Probe<CDateEdit>>([](auto& e) { e.Init(DateTime(), true); });
          h.Open(pEdit);
          auto* pDrop = static_cast<CDropDateSelectWnd*>(pEdit->m_pDropWnd);
          return ChildRect(pDrop->m_pCalendar->m_hWnd, 101).Height();
      } },
    { "directory drop width", { 260, 390, 520 },
      [](DpiHost& h) {
          auto* pEdit = h.Attach<Probe<CDirEdit>>([](auto& e) { e.Init(false); }, { 10, 10, 110, 34 });
          return DpiHost::Rect(h.Open(pEdit)).Width();
      } },
    { "file tree indentation", { 19, 29, 38 },
      [](DpiHost& h) {
          auto* pEdit = h.Attach<Probe<CFileEdit>>([](auto& e) { e.Init(false); });
          const HWND hTree = ::GetDlgItem(h.Open(pEdit), 2610);
          return static_cast<int>(::SendMessageA(hTree, TVM_GETINDENT, 0, 0));
      } },
    { "folder list indentation of two steps", { 24, 36, 48 },
      [](DpiHost& h) {
          const int extent = DirListProbe(h, { "..\\name\\" }).Extent();
          return DirListProbe(h, { "..\\..\\..\\name\\" }).Extent() - extent;
      } },
    { "folder list row height", { 18, 27, 36 },
      [](DpiHost& h) {
          DirListProbe probe(h, { "C:\\" });
          return static_cast<int>(probe.list.GetItemHeight(0));
      } },
};

TEST(DpiGeometry, ProcessRunsAtTheDpiItWasStartedFor)
{
    EXPECT_EQ(DpiScale::GetSystemDpi(), dpitest::ExpectedDpi());
    EXPECT_EQ(DpiScale::GetWindowDpi(harness::App().m_pMainWnd->m_hWnd), dpitest::ExpectedDpi());
}

TEST(DpiGeometry, SizesAreTheir96DpiSizesScaled)
{
    FileExtMgr::CreateInstance();
    const UINT dpi = dpitest::ExpectedDpi();
    for (const GeometryRow& row : kGeometry)
    {
        SCOPED_TRACE(testing::Message() << row.name << " at " << dpi << " DPI");
        DpiHost host;
        EXPECT_EQ(row.measure(host), row.expected.At(dpi));
    }
}
}
