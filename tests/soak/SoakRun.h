// One seeded soak run over a CSoakHost: random real input, host calls and disk changes, with
// the invariants checked after every step. The same seed replays the same run.
#pragma once
#include <gtest/gtest.h>
#include <random>
#include <set>
#include <string>
#include <vector>
#include "ScratchDir.h"
#include "SoakHost.h"

class CDropWnd;

namespace soak
{
class SoakRun
{
public:
    SoakRun(CSoakHost& host, const harness::ScratchDir& scratch, const std::vector<CString>& texts, unsigned seed);
    ~SoakRun();

    // Runs the steps; fails with the seed, the step and the recent actions at the first broken
    // invariant.
    testing::AssertionResult Run(int steps);

    // A digest of the first kDigestSteps steps' trace (each action and what it landed on). The
    // same seed gives the same digest on every machine, or the environment leaks into the run.
    static const int kDigestSteps = 3000;
    std::string Digest() const;

    // Visible drop windows of the thread (all of them when bVisibleOnly is false).
    static std::vector<CDropWnd*> DropWindows(bool bVisibleOnly);

private:
    void Step();
    void Key();
    void Chars();
    void Click();
    void Drag();
    void Wheel();
    void Paste();
    void ChangeFocus();
    void MoveHost();
    void HostCall();
    void ChangeDisk();

    testing::AssertionResult Check();
    int FocusOwner() const;
    int ControlOf(const CWnd* pEdit) const;
    POINT PointIn(const CRect& rc);
    CRect TargetRect();
    CString RandomText();
    CString RandomPath();
    int Pick(int n);
    bool Chance(int percent);
    void Note(const std::string& action, const POINT* pHit = nullptr);

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
}
