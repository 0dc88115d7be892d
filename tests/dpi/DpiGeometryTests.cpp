// Geometry of the controls at the DPI this process runs at (96 unless DpiRunTests started it at
// another), as numbers: every size designed in pixels is its 96-DPI size scaled.
#include <functional>
#include "CalendarWnd.h"
#include "DateEdit.h"
#include "DirEdit.h"
#include "DirList.h"
#include "DpiFixture.h"
#include "DropDateSelectWnd.h"
#include "FileEdit.h"
#include "FileExtMgr.h"
#include "SelectEdit.h"
#include "TimeEdit.h"

namespace
{
using fwtest::ControlHost;
using fwtest::WindowRectOf;
using dpitest::OpenDrop;
using fwtest::Probe;

CRect ChildRect(HWND hParent, int id) { return WindowRectOf(::GetDlgItem(hParent, id)); }

// A time edit with its list open (the fixed 100-pixel list, the default 125-pixel height).
HWND OpenTimeList(ControlHost& host)
{
    return OpenDrop(host.Attach<Probe<CTimeEdit>>([](auto& e) { e.Init(8, 18, false, true); }));
}

// A date edit with its calendar open; the calendar window.
HWND OpenCalendar(ControlHost& host)
{
    auto* pEdit = host.Attach<Probe<CDateEdit>>([](auto& e) { e.Init(DateTime(), true); });
    OpenDrop(pEdit);
    return static_cast<CDropDateSelectWnd*>(pEdit->m_pDropWnd)->m_pCalendar->m_hWnd;
}

// A folder list on the host dialog, in the dialog's font, holding one row: its horizontal
// extent, or the row's height.
int MeasureDirList(ControlHost& host, const char* row, bool bHeight)
{
    CWnd* pDialog = host.Attach<Probe<CSelectEdit>>([](auto&) {})->GetParent();
    CDirList list;
    list.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS,
                CRect(10, 50, 300, 250), pDialog, 1100);
    list.SendMessage(WM_SETFONT, pDialog->SendMessage(WM_GETFONT), FALSE);
    list.AddString(row, CDirList::IconFolder);
    const int nSize = bHeight ? static_cast<int>(list.GetItemHeight(0)) : list.GetHorizontalExtent();
    list.DestroyWindow();
    return nSize;
}

// Each row: what is measured, its size at 96, 144 and 192 DPI, and how it is measured.
const struct { const char* name; int expected[3]; std::function<int(ControlHost&)> measure; } kGeometry[] = {
    { "drop button width", { 16, 25, 33 },
      [](ControlHost& h) { return h.Attach<Probe<CSelectEdit>>([](auto& e) { e.Init(); })->m_rcButton.Width(); } },
    { "icon area width", { 17, 25, 33 },
      [](ControlHost& h) { return h.Attach<Probe<CDirEdit>>([](auto& e) { e.Init(false); })->m_rcIcon.Width(); } },
    { "selection edit width without texts", { 29, 44, 58 },
      [](ControlHost& h) { return h.Attach<Probe<CSelectEdit>>([](auto& e) { e.Init(); })->GetMaxWidth(); } },
    { "default drop height", { 125, 188, 250 }, [](ControlHost& h) { return WindowRectOf(OpenTimeList(h)).Height(); } },
    { "time list width", { 100, 150, 200 }, [](ControlHost& h) { return WindowRectOf(OpenTimeList(h)).Width(); } },
    { "time list button width", { 24, 37, 49 }, [](ControlHost& h) { return ChildRect(OpenTimeList(h), 2603).Width(); } },
    { "time list rows above the buttons", { 103, 156, 208 },
      [](ControlHost& h) { return ChildRect(OpenTimeList(h), 2601).Height(); } },
    { "limited drop height minimum", { 125, 188, 250 },
      [](ControlHost& h) {
          auto* pEdit = h.Attach<Probe<CSelectEdit>>(
              [](auto& e) {
                  for (int i = 0; i < 60; ++i)
                      e.AddText(CString("row"));
                  e.Init();
              },
              { 10, 340, 330, 364 });
          return WindowRectOf(OpenDrop(pEdit)).Height();
      } },
    { "date drop width", { 260, 390, 520 },
      [](ControlHost& h) { return WindowRectOf(::GetParent(OpenCalendar(h))).Width(); } },
    { "calendar button width", { 72, 108, 144 }, [](ControlHost& h) { return ChildRect(OpenCalendar(h), 101).Width(); } },
    { "file tree indentation", { 19, 29, 38 },
      [](ControlHost& h) {
          auto* pEdit = h.Attach<Probe<CFileEdit>>([](auto& e) { e.Init(false); });
          return static_cast<int>(::SendMessageA(::GetDlgItem(OpenDrop(pEdit), 2610), TVM_GETINDENT, 0, 0));
      } },
    { "folder list indentation of two steps", { 24, 36, 48 },
      [](ControlHost& h) {
          return MeasureDirList(h, "..\\..\\..\\name\\", false) - MeasureDirList(h, "..\\name\\", false);
      } },
    { "folder list row height", { 18, 27, 36 }, [](ControlHost& h) { return MeasureDirList(h, "C:\\", true); } },
};

TEST(DpiGeometry, SizesAreTheir96DpiSizesScaled)
{
    FileExtMgr::CreateInstance();
    const char* value = std::getenv("ORV_TEST_DPI");
    const UINT dpi = value != nullptr && std::atoi(value) > 0 ? static_cast<UINT>(std::atoi(value)) : 96u;
    for (const auto& row : kGeometry)
    {
        SCOPED_TRACE(testing::Message() << row.name << " at " << dpi << " DPI");
        ControlHost host;
        EXPECT_EQ(row.measure(host), row.expected[dpi == 144 ? 1 : dpi == 192 ? 2 : 0]);
    }
}
}
