// Random real input, host calls and disk changes over all six controls, with the invariants
// checked after every step. ORV_SOAK_SEED and ORV_SOAK_STEPS run it longer or replay a seed; the
// same seed replays the same run.
#include <gtest/gtest.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>
#include "Input.h"
#include "ScratchDir.h"
#include "SoakHost.h"
#include "TestApp.h"

using soak::CSoakHost;

namespace
{
const size_t kRecentActions = 12;
const size_t kMaxDiskEntries = 40;

// Context menus, the system menu and mouse tracking loops are modal; a real user ends them by
// closing the menu or releasing the button. The run ends them from a timer that those loops
// still dispatch: a menu at once, a mouse capture still held after a few ticks (the tree view's
// drag tracking can miss the queued release under Wine and would wait for it forever).
void CALLBACK Watchdog(HWND, UINT, UINT_PTR, DWORD)
{
    static int s_nCaptureTicks = 0;
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    if (::GetGUIThreadInfo(::GetCurrentThreadId(), &info) && (info.flags & GUI_INMENUMODE) != 0)
        ::EndMenu();
    if (::GetCapture() == nullptr)
        s_nCaptureTicks = 0;
    else if (++s_nCaptureTicks >= 8)
    {
        s_nCaptureTicks = 0;
        ::ReleaseCapture();
    }
}

// Menus are closed as soon as their loop waits for input, the same moment in every run.
LRESULT CALLBACK CloseIdleMenus(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* p = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && p->message == WM_ENTERIDLE && p->wParam == MSGF_MENU)
        ::EndMenu();
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

// Points the run does not press on. The system's own tracking loops on a caption, its buttons
// or a sizing border wait for a release that queued input does not deliver. Another program's
// window (the desktop around the host) takes the activation away at a time of that program's
// choosing, so a key's character could reach an edit after its focus had gone depending on the
// machine's load, and a seed would no longer replay; the run changes the activation itself.
bool IsOffLimits(POINT pt)
{
    const HWND hWnd = ::WindowFromPoint(pt);
    DWORD processId = 0;
    if (hWnd != nullptr)
        ::GetWindowThreadProcessId(hWnd, &processId);
    if (processId != ::GetCurrentProcessId())
        return true;
    const LRESULT hit = ::SendMessageA(hWnd, WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y));
    return hit == HTCAPTION || hit == HTSYSMENU || hit == HTMINBUTTON || hit == HTMAXBUTTON || hit == HTCLOSE ||
           hit == HTHELP || (hit >= HTLEFT && hit <= HTBOTTOMRIGHT);
}

// Whether a date or time edit's text shows its value: empty for none, else the same day or minute.
bool ShowsValue(const CString& text, const DateTime& value, bool bDate)
{
    DateTime parsed;
    if (text.IsEmpty())
        return bDate ? !value.IsValidDate() : !value.IsValidTime();
    if (bDate)
        return value.IsValidDate() && parsed.SetDate(text) && parsed.GetYear() == value.GetYear() &&
               parsed.GetMonth() == value.GetMonth() && parsed.GetDay() == value.GetDay();
    parsed.SetTime(text);
    return value.IsValidTime() && parsed.IsValidTime() && parsed.GetHour() == value.GetHour() &&
           parsed.GetMinute() == value.GetMinute();
}

std::string WindowName(HWND hWnd)
{
    if (hWnd == nullptr)
        return "nothing";
    char cls[64] = "";
    ::GetClassNameA(hWnd, cls, sizeof(cls));
    // The framework's generated class names hold handle values, which differ between runs.
    std::string name = std::strncmp(cls, "Afx:", 4) == 0 ? "Afx" : cls;
    return name + "#" + std::to_string(::GetDlgCtrlID(hWnd));
}

const WORD kKeys[] = { VK_BACK,  VK_TAB,   VK_RETURN, VK_ESCAPE, VK_SPACE, VK_PRIOR, VK_NEXT,   VK_END,
                       VK_HOME,  VK_LEFT,  VK_UP,     VK_RIGHT,  VK_DOWN,  VK_INSERT, VK_DELETE, VK_APPS,
                       VK_F1,    VK_F2,    VK_F4,     VK_F5,     VK_F9,    VK_F10,   VK_F12,    '0',
                       '1',      '5',      '9',       'A',       'C',      'F',      'T',       'V',
                       'X',      'Z',      VK_OEM_1,  VK_OEM_2,  VK_OEM_5, VK_OEM_PERIOD, VK_OEM_MINUS, VK_DOWN,
                       VK_UP,    VK_RETURN };

// One seeded soak run over a CSoakHost: random real input, host calls and disk changes, with
// the invariants checked after every step.
class SoakRun
{
public:
    SoakRun(CSoakHost& host, const harness::ScratchDir& scratch, const std::vector<CString>& texts, unsigned seed)
        : m_host(host), m_scratch(scratch), m_texts(texts), m_seed(seed), m_rng(seed)
    {
        for (size_t i = 0; i < texts.size() && i < 40; ++i)
            m_selectTexts.insert(texts[i]);
        m_hMenuHook = ::SetWindowsHookExA(WH_CALLWNDPROC, CloseIdleMenus, nullptr, ::GetCurrentThreadId());
        m_nWatchdog = ::SetTimer(nullptr, 0, 25, Watchdog);
    }
    ~SoakRun()
    {
        ::KillTimer(nullptr, m_nWatchdog);
        ::UnhookWindowsHookEx(m_hMenuHook);
    }

    // Runs the steps; fails with the seed, the step and the recent actions at the first broken
    // invariant.
    testing::AssertionResult Run(int steps)
    {
        m_host.m_select.SetFocus();
        harness::Pump();
        m_prevTexts[CSoakHost::kDir] = m_host.Text(CSoakHost::kDir);
        m_prevTexts[CSoakHost::kFile] = m_host.Text(CSoakHost::kFile);
        m_prevFocusOwner = FocusOwner();
        for (m_nStep = 0; m_nStep < steps; ++m_nStep)
        {
            Step();
            harness::Pump();
            testing::AssertionResult result = Check();
            if (!result)
            {
                std::ostringstream recent;
                for (const std::string& line : m_recent)
                    recent << "\n  " << line;
                return result << "\nseed " << m_seed << ", recent actions:" << recent.str();
            }
        }
        return testing::AssertionSuccess();
    }

    // A digest of the first kDigestSteps steps' trace (each action and what it landed on). The
    // same seed gives the same digest on every machine, or the environment leaks into the run.
    static const int kDigestSteps = 3000;
    std::string Digest() const
    {
        char text[17];
        std::snprintf(text, sizeof(text), "%016llx", m_digest);
        return text;
    }

private:
    int Pick(int n)
    {
        return std::uniform_int_distribution<int>(0, n - 1)(m_rng);
    }

    bool Chance(int percent)
    {
        return Pick(100) < percent;
    }

    void Note(const std::string& action, const POINT* pHit = nullptr)
    {
        // What the action lands on: the window under the pointer, or the focus for keys and host
        // calls, named by class and control id, so that the trace shows where input went.
        const HWND hTarget = pHit != nullptr ? ::WindowFromPoint(*pHit) : ::GetFocus();
        std::ostringstream line;
        line << "step " << m_nStep << ": " << action << " -> " << WindowName(hTarget) << " of control " << FocusOwner();
        m_recent.push_back(line.str());
        if (m_nStep < kDigestSteps)
            for (const char ch : line.str() + "\n")
                m_digest = (m_digest ^ static_cast<unsigned char>(ch)) * 1099511628211ull;
        // ORV_SOAK_TRACE prints every action as it starts: the last lines show where a run hangs.
        static const bool s_bTrace = std::getenv("ORV_SOAK_TRACE") != nullptr;
        if (s_bTrace)
        {
            std::fprintf(stderr, "%s\n", line.str().c_str());
            std::fflush(stderr);
        }
        if (m_recent.size() > kRecentActions)
            m_recent.erase(m_recent.begin());
    }

    void Step()
    {
        // Each action's share of the steps, out of 100.
        static const struct
        {
            int nUpTo;
            void (SoakRun::*action)();
        } kActions[] = { { 38, &SoakRun::Key },         { 48, &SoakRun::Chars },    { 62, &SoakRun::Click },
                         { 65, &SoakRun::Drag },        { 70, &SoakRun::Wheel },    { 74, &SoakRun::Paste },
                         { 80, &SoakRun::ChangeFocus }, { 83, &SoakRun::MoveHost }, { 95, &SoakRun::HostCall },
                         { 100, &SoakRun::ChangeDisk } };
        const int roll = Pick(100);
        for (const auto& row : kActions)
            if (roll < row.nUpTo)
                return (this->*row.action)();
    }

    void Key()
    {
        const WORD vk = kKeys[Pick(static_cast<int>(sizeof(kKeys) / sizeof(kKeys[0])))];
        unsigned modifiers = harness::kNone;
        if (Chance(20))
            modifiers |= harness::kShift;
        if (Chance(12))
            modifiers |= harness::kCtrl;
        // Alt+F4 would close the host, and Alt+Tab or Alt+Escape switch applications.
        if (Chance(6) && vk != VK_F4 && vk != VK_TAB && vk != VK_ESCAPE)
            modifiers |= harness::kAlt;
        Note("key " + std::to_string(vk) + " modifiers " + std::to_string(modifiers));
        harness::PressKey(vk, modifiers);
    }

    void Chars()
    {
        std::string text;
        const int n = 1 + Pick(3);
        for (int i = 0; i < n; ++i)
        {
            // Printable ASCII, path characters and bytes of the code page's upper half.
            const int kind = Pick(4);
            char ch = kind == 0 ? static_cast<char>(0x80 + Pick(0x80)) : kind == 1 ? "\\:/.*?\"<>| "[Pick(12)]
                                                                                   : static_cast<char>(0x21 + Pick(0x5E));
            text += ch == 0 ? 'a' : ch;
        }
        Note("type \"" + text + "\"");
        harness::TypeText(text.c_str());
    }

    CRect TargetRect()
    {
        CRect rc;
        const int kind = Pick(10);
        const std::vector<CDropWnd*> open = CSoakHost::DropWindows(true);
        if (kind < 5)
        {
            CDropBaseEdit& edit = m_host.Edit(static_cast<CSoakHost::Control>(Pick(CSoakHost::kControlCount)));
            edit.GetWindowRect(&rc);
            if (Chance(50))
                rc.left = rc.right - 18; // the drop button
        }
        else if (kind < 8 && !open.empty())
        {
            open[Pick(static_cast<int>(open.size()))]->GetWindowRect(&rc);
        }
        else if (kind == 8)
        {
            ::GetWindowRect(m_host.Other(), &rc);
        }
        else
        {
            m_host.GetWindowRect(&rc); // anywhere on the host, caption included
        }
        return rc;
    }

    POINT PointIn(const CRect& rc)
    {
        return POINT{ rc.left + Pick(std::max(1, static_cast<int>(rc.Width()))),
                      rc.top + Pick(std::max(1, static_cast<int>(rc.Height()))) };
    }

    void Click()
    {
        const POINT pt = PointIn(TargetRect());
        const int kind = Pick(20);
        if (IsOffLimits(pt))
            return;
        Note("click kind " + std::to_string(kind) + " at " + std::to_string(pt.x) + "," + std::to_string(pt.y), &pt);
        if (kind == 0)
            harness::DoubleClick(pt);
        else
            harness::Click(pt, kind < 4 ? harness::Button::Right : harness::Button::Left);
    }

    void Drag()
    {
        const POINT from = PointIn(TargetRect());
        const POINT to = PointIn(TargetRect());
        if (IsOffLimits(from))
            return;
        Note("drag " + std::to_string(from.x) + "," + std::to_string(from.y) + " to " + std::to_string(to.x) + "," +
             std::to_string(to.y), &from);
        // Queued at once: size and drag loops wait for the release inside the press.
        ::SetCursorPos(from.x, from.y);
        INPUT inputs[3] = {};
        const int cx = ::GetSystemMetrics(SM_CXSCREEN) - 1, cy = ::GetSystemMetrics(SM_CYSCREEN) - 1;
        for (INPUT& input : inputs)
            input.type = INPUT_MOUSE;
        inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        inputs[1].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        inputs[1].mi.dx = to.x * 65535 / cx;
        inputs[1].mi.dy = to.y * 65535 / cy;
        inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        ::SendInput(3, inputs, sizeof(INPUT));
    }

    void Wheel()
    {
        const POINT pt = PointIn(TargetRect());
        const int delta = (Chance(50) ? 1 : -1) * (Chance(70) ? WHEEL_DELTA : 40);
        const bool horizontal = Chance(20);
        Note("wheel " + std::to_string(delta) + (horizontal ? " horizontal" : ""), &pt);
        harness::Wheel(pt, delta, horizontal);
    }

    CString RandomPath()
    {
        if (!m_diskEntries.empty() && Chance(70))
            return CString(m_scratch.Path().c_str()) + m_diskEntries[Pick(static_cast<int>(m_diskEntries.size()))].c_str();
        const char* const paths[] = { "c:\\", "C:\\windows", "q:\\missing\\", "\\\\server\\share\\x", "c:\\a*b?\\",
                                      "relative\\path", "c:\\windows\\win.ini", "" };
        return paths[Pick(8)];
    }

    CString RandomText()
    {
        const char* const dates[] = { "06.12.2026", "12/6/2026", "2026-12-06", "31.02.2026", "1.1.1601", "99" };
        const char* const times[] = { "10:17", "23:59", "0:00", "25:61", "9", "12:30:45" };
        switch (Pick(6))
        {
        case 0:
            return RandomPath();
        case 1:
            return m_texts.empty() ? CString("x") : m_texts[Pick(static_cast<int>(m_texts.size()))];
        case 2:
            return dates[Pick(6)];
        case 3:
            return times[Pick(6)];
        case 4:
            return CString(CString(m_scratch.Path().c_str()) + "\\" + CString('x', Pick(300)));
        default:
        {
            CString text;
            const int n = Pick(65);
            for (int i = 0; i < n; ++i)
                text += static_cast<char>(1 + Pick(255));
            return text;
        }
        }
    }

    void Paste()
    {
        const CString text = RandomText();
        Note("paste \"" + std::string(text) + "\"");
        harness::SetClipboardText(text);
        harness::PressKey('V', harness::kCtrl);
    }

    void ChangeFocus()
    {
        const int kind = Pick(4);
        Note("focus change " + std::to_string(kind));
        if (kind == 0)
        {
            ::SetFocus(m_host.Other());
        }
        else if (kind == 1)
        {
            // Another application window takes the activation, then the user comes back.
            ::SetActiveWindow(AfxGetMainWnd()->m_hWnd);
            harness::Pump();
            ::SetActiveWindow(m_host.m_hWnd);
        }
        else
        {
            m_host.Edit(static_cast<CSoakHost::Control>(Pick(CSoakHost::kControlCount))).SetFocus();
        }
    }

    void MoveHost()
    {
        CRect rc;
        m_host.GetWindowRect(&rc);
        const int dx = Pick(81) - 40, dy = Pick(81) - 40;
        const int x = std::max(0, std::min(600, static_cast<int>(rc.left) + dx));
        const int y = std::max(0, std::min(600, static_cast<int>(rc.top) + dy));
        const bool resize = Chance(25);
        Note(std::string(resize ? "resize" : "move") + " host");
        m_host.SetWindowPos(nullptr, x, y, resize ? 300 + Pick(200) : 0, resize ? 200 + Pick(200) : 0,
                            SWP_NOZORDER | SWP_NOACTIVATE | (resize ? 0 : SWP_NOSIZE));
        for (int i = 0; i < CSoakHost::kControlCount; ++i)
            m_host.Edit(static_cast<CSoakHost::Control>(i)).OnAppMove();
    }

    void HostCall()
    {
        const int kind = Pick(9);
        Note("host call " + std::to_string(kind));
        switch (kind)
        {
        case 0:
        {
            const CSoakHost::Control control = static_cast<CSoakHost::Control>(Pick(CSoakHost::kControlCount));
            const CString text = RandomText();
            m_host.Edit(control).SetWindowText(text);
            if (control == CSoakHost::kSelect)
                m_selectHostText = text;
            break;
        }
        case 1:
        {
            DateTime date;
            if (Chance(80))
                date.SetDate(1990 + Pick(60), 1 + Pick(12), 1 + Pick(31));
            m_host.m_date.SetDate(date);
            break;
        }
        case 2:
        {
            DateTime time;
            if (Chance(80))
                time.SetTime(Pick(24), Pick(60), 0);
            m_host.m_time.SetTime(time, Chance(50));
            break;
        }
        case 3:
        {
            const CString text = RandomText();
            m_host.m_select.AddText(text);
            m_selectTexts.insert(text);
            break;
        }
        case 4:
            m_host.m_select.ClearText(); // the texts the edit may show stay what they were
            break;
        case 5:
        {
            CStringArray exts;
            const char* const choices[] = { "txt", "*", "LOG", "dat" };
            const int n = Pick(3);
            for (int i = 0; i < n; ++i)
                exts.Add(choices[Pick(4)]);
            m_host.m_file.SetExt(exts);
            break;
        }
        case 6:
            (Chance(50) ? static_cast<CDirEdit&>(m_host.m_dir) : m_host.m_file).SetInitBrowseToDir(RandomPath());
            break;
        case 7:
        {
            // The host opens a list for the user, who is in that control.
            const CSoakHost::Control control = static_cast<CSoakHost::Control>(Pick(CSoakHost::kControlCount));
            Note("  show the drop window of control " + std::to_string(control));
            m_host.Edit(control).SetFocus();
            if (control == CSoakHost::kSelect || control == CSoakHost::kSuggest || control == CSoakHost::kTime)
                static_cast<CSelectEdit&>(m_host.Edit(control)).ShowList();
            else if (control == CSoakHost::kDate)
                m_host.m_date.ShowCalendar();
            else
                static_cast<CDirEdit&>(m_host.Edit(control)).ShowList();
            break;
        }
        default:
            m_host.m_suggest.AddText(RandomText());
            break;
        }
    }

    void ChangeDisk()
    {
        if (m_diskEntries.size() < kMaxDiskEntries && (m_diskEntries.empty() || Chance(60)))
        {
            std::string parent;
            if (!m_diskEntries.empty() && Chance(60))
            {
                const std::string& pick = m_diskEntries[Pick(static_cast<int>(m_diskEntries.size()))];
                if (!pick.empty() && pick.back() == '\\')
                    parent = pick;
            }
            const char* const exts[] = { ".txt", ".log", ".dat", ".TXT" };
            const bool folder = Chance(50);
            const std::string name = parent + (folder ? "d" : "f") + std::to_string(m_nMade++) +
                                     (folder ? "\\" : exts[Pick(4)]);
            Note("disk: make " + name);
            if (folder)
                m_scratch.MakeDir(name);
            else
                m_scratch.MakeFile(name, "x");
            m_diskEntries.push_back(name);
        }
        else if (!m_diskEntries.empty())
        {
            const size_t index = static_cast<size_t>(Pick(static_cast<int>(m_diskEntries.size())));
            const std::string gone = m_diskEntries[index];
            Note("disk: remove " + gone);
            m_scratch.Remove(gone);
            // Everything below a removed folder goes with it.
            const auto below = [&gone](const std::string& entry) { return entry.compare(0, gone.size(), gone) == 0; };
            m_diskEntries.erase(std::remove_if(m_diskEntries.begin(), m_diskEntries.end(), below), m_diskEntries.end());
        }
    }

    int ControlOf(const CWnd* pEdit) const
    {
        for (int i = 0; i < CSoakHost::kControlCount; ++i)
            if (&m_host.Edit(static_cast<CSoakHost::Control>(i)) == pEdit)
                return i;
        return -1;
    }

    int FocusOwner() const
    {
        const HWND hFocus = ::GetFocus();
        if (hFocus == nullptr)
            return -1;
        if (const int owner = ControlOf(CWnd::FromHandlePermanent(hFocus)); owner >= 0)
            return owner;
        for (CDropWnd* pDrop : CSoakHost::DropWindows(false))
            if (pDrop->m_hWnd == hFocus || ::IsChild(pDrop->m_hWnd, hFocus))
                if (const int owner = ControlOf(pDrop->m_pEdit); owner >= 0)
                    return owner;
        return -1;
    }

    testing::AssertionResult Check()
    {
        const std::vector<CDropWnd*> open = CSoakHost::DropWindows(true);
        const int owner = FocusOwner();
        if (open.size() > 1 || (owner < 0 && !open.empty()))
            return testing::AssertionFailure() << open.size() << " drop windows are visible, the first of control "
                                               << ControlOf(open[0]->m_pEdit) << ", with the focus on "
                                               << WindowName(::GetFocus()) << " of control " << owner;

        // A path edit's text, when it changes, names an existing folder (directory edit) or file.
        for (const CSoakHost::Control control : { CSoakHost::kDir, CSoakHost::kFile })
        {
            const CString text = m_host.Text(control);
            const DWORD attrs = ::GetFileAttributesA(text);
            const bool bExists = attrs != INVALID_FILE_ATTRIBUTES &&
                                 ((attrs & FILE_ATTRIBUTE_DIRECTORY) != 0) == (control == CSoakHost::kDir);
            if (text != m_prevTexts[control] && !text.IsEmpty() && !bExists)
                return testing::AssertionFailure() << CSoakHost::Name(control) << " edit holds \"" << static_cast<const char*>(text) << "\"";
            m_prevTexts[control] = text;
        }
        const CString selectText = m_host.Text(CSoakHost::kSelect);
        if (!selectText.IsEmpty() && selectText != m_selectHostText && m_selectTexts.count(selectText) == 0)
            return testing::AssertionFailure() << "read-only selection edit holds \"" << static_cast<const char*>(selectText) << "\"";

        // Leaving the date or time edit leaves text and value in step.
        for (const CSoakHost::Control control : { CSoakHost::kDate, CSoakHost::kTime })
        {
            if (m_prevFocusOwner != control || owner == control)
                continue;
            const bool bDate = control == CSoakHost::kDate;
            const DateTime& value = bDate ? m_host.m_date.GetDate() : m_host.m_time.GetTime();
            const CString text = m_host.Text(control);
            if (!ShowsValue(text, value, bDate))
                return testing::AssertionFailure() << CSoakHost::Name(control) << " edit shows \""
                                                   << static_cast<const char*>(text) << "\" for " << value.GetYear()
                                                   << "-" << value.GetMonth() << "-" << value.GetDay() << " "
                                                   << value.GetHour() << ":" << value.GetMinute();
        }
        m_prevFocusOwner = owner;
        return testing::AssertionSuccess();
    }

    CSoakHost& m_host;
    const harness::ScratchDir& m_scratch;
    const std::vector<CString>& m_texts;
    unsigned m_seed;
    std::mt19937 m_rng;
    int m_nStep = 0;
    std::vector<std::string> m_recent;
    unsigned long long m_digest = 14695981039346656037ull; // FNV-1a

    // What the invariants compare against.
    std::set<CString> m_selectTexts;
    CString m_selectHostText;
    CString m_prevTexts[CSoakHost::kControlCount];
    int m_prevFocusOwner = -1;
    std::vector<std::string> m_diskEntries; // relative paths made by the run
    int m_nMade = 0;
    UINT_PTR m_nWatchdog = 0;
    HHOOK m_hMenuHook = nullptr;
};

unsigned EnvNumber(const char* name, unsigned fallback)
{
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? static_cast<unsigned>(std::strtoul(value, nullptr, 10)) : fallback;
}

std::vector<CString> Words()
{
    // Words that share prefixes, so that the suggestions narrow as the user types.
    std::vector<CString> words;
    const char* const stems[] = { "can", "car", "cat", "do", "dot", "ban", "band", "bar" };
    for (const char* stem : stems)
        for (const char* tail : { "", "e", "ed", "ing", "s", "ter", "ton" })
            words.push_back(CString(stem) + tail);
    return words;
}
}

const unsigned kCiSeed = 20261206;

TEST(Soak, RandomUseKeepsEveryInvariantAndLeavesNothingBehind)
{
    const unsigned seed = EnvNumber("ORV_SOAK_SEED", kCiSeed);
    const int steps = static_cast<int>(EnvNumber("ORV_SOAK_STEPS", 20000));
    const int nLiveBefore = AfxLiteGetLiveGdiObjectCount();
    // The time edit stores the user's interval when it goes; the run leaves the user's alone.
    harness::RegistryKeyGuard registry(HKEY_CURRENT_USER, "Software\\Orvanta\\Common\\MRUT");
    harness::ScratchDir scratch("orvsoak"); // the same paths every run, so that a seed replays
    const std::vector<CString> words = Words();
    {
        CSoakHost host;
        ASSERT_TRUE(host.CreateHost(120, 120));
        for (int i = 0; i < CSoakHost::kControlCount; ++i)
            host.Configure(static_cast<CSoakHost::Control>(i), words, scratch.Path().c_str(), true);
        host.ShowWindow(SW_SHOW);
        harness::Pump();
        {
            SoakRun run(host, scratch, words, seed);
            EXPECT_TRUE(run.Run(steps));
            // The CI seed replays identically on every machine: the same actions land on the same
            // windows. A different digest means the machine leaks into the run (fonts, drives,
            // locale, DPI) or the controls now behave differently.
            if (seed == kCiSeed && steps >= SoakRun::kDigestSteps)
            {
                std::printf("soak: trace digest of the first %d steps of seed %u: %s\n", SoakRun::kDigestSteps,
                            seed, run.Digest().c_str());
                EXPECT_EQ(ORV_SOAK_REPLAY_DIGEST, run.Digest())
                    << "seed " << seed << " did not replay the committed step trace. If the controls' behaviour "
                    << "changed on purpose, write the new digest into tests/soak/replay-digest.txt; otherwise "
                    << "compare ORV_SOAK_TRACE=1 output of this machine and of one where it matches";
            }
        }
        host.DestroyWindow();
        harness::Pump();
        EXPECT_TRUE(CSoakHost::DropWindows(false).empty()) << "drop windows outlived their edits";
    }
    harness::Pump();
    EXPECT_EQ(AfxLiteGetLiveGdiObjectCount(), nLiveBefore);
}
