#include "RobustnessFixture.h"
#include "TestApp.h"

namespace soak
{
std::vector<ControlCase> ControlCases(const std::string& folder)
{
    const CString path(folder.c_str());
    return {
        { "select", [] { return new CSelectEdit; },
          [](CDropBaseEdit& e) {
              auto& edit = static_cast<CSelectEdit&>(e);
              edit.AddText(CString("alpha"));
              edit.AddText(CString("beta"));
              edit.Init();
          },
          true },
        { "suggest", [] { return new CAutoSuggestEdit; },
          [](CDropBaseEdit& e) {
              auto& edit = static_cast<CAutoSuggestEdit&>(e);
              edit.AddText(CString("alpha"));
              edit.AddText(CString("alpine"));
              edit.Init();
          },
          true },
        { "date", [] { return new CDateEdit; },
          [](CDropBaseEdit& e) {
              auto& edit = static_cast<CDateEdit&>(e);
              edit.SetShowClearButton(true);
              edit.SetShowOptionsButton(true);
              DateTime date;
              date.SetDate(2026, 12, 6);
              edit.Init(date, true);
          },
          true },
        { "time", [] { return new CTimeEdit; },
          [](CDropBaseEdit& e) { static_cast<CTimeEdit&>(e).Init(8, 18, true, true); }, true },
        { "dir", [] { return new CDirEdit; },
          [path](CDropBaseEdit& e) {
              auto& edit = static_cast<CDirEdit&>(e);
              edit.Init(true);
              edit.SetInitBrowseToDir(path);
          },
          false },
        { "file", [] { return new CFileEdit; },
          [path](CDropBaseEdit& e) {
              auto& edit = static_cast<CFileEdit&>(e);
              edit.Init(false);
              edit.SetInitBrowseToDir(path);
          },
          true },
    };
}

HostedControl::HostedControl(const ControlCase& c)
{
    m_dlg.CreateHost({ 150, 150 }, { 360, 240 }, { 10, 10, 250, 34 });
    m_pEdit = c.make();
    m_pEdit->SubclassWindow(m_dlg.Edit());
    m_dlg.FocusEdit();
}

HostedControl::~HostedControl()
{
    Destroy();
    delete m_pEdit;
}

void HostedControl::Destroy()
{
    if (::IsWindow(m_dlg.m_hWnd))
        m_dlg.DestroyWindow();
    harness::Pump();
}
}
