// The robustness tests' set-up: soak hosts whose controls are set up one at a time as a host with
// editable selection and file edits does, over a scratch folder; the user's time interval stays.
#pragma once
#include <gtest/gtest.h>
#include "DropWnd.h"
#include "ScratchDir.h"
#include "SoakHost.h"
#include "SoakRun.h"
#include "TestApp.h"

namespace soak
{
class Robustness : public testing::Test
{
protected:
    Robustness() { m_scratch.MakeDir("sub\\"); }

    void Configure(CSoakHost& host, CSoakHost::Control control) const
    {
        host.Configure(control, m_texts, Folder(), false);
    }
    CString Folder() const { return m_scratch.Path().c_str(); }
    // Destroys the host's window and lets the posted clean-up run; the control objects stay.
    static void Destroy(CSoakHost& host)
    {
        host.DestroyWindow();
        harness::Pump();
    }
    // The drop windows, shown or hidden, that belong to edit.
    static size_t DropWindowsOf(const CDropBaseEdit& edit)
    {
        size_t n = 0;
        for (CDropWnd* pDrop : SoakRun::DropWindows(false))
            n += pDrop->m_pEdit == &edit ? 1 : 0;
        return n;
    }

    static constexpr CSoakHost::Control kControls[] = { CSoakHost::kSelect, CSoakHost::kSuggest, CSoakHost::kDate,
                                                        CSoakHost::kTime,   CSoakHost::kDir,     CSoakHost::kFile };
    harness::RegistryKeyGuard m_registry{ HKEY_CURRENT_USER, "Software\\Orvanta\\Common\\MRUT" };
    harness::ScratchDir m_scratch;
    const std::vector<CString> m_texts{ "alpha", "alpine", "beta" };
};
}
