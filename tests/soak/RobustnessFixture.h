// Builds each of the six controls in its own host dialog the way a host configures it, so that
// the robustness tests can repeat that under injected faults and with bad host calls.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include "HostDialog.h"
#include "SoakHost.h"

namespace soak
{
struct ControlCase
{
    const char* name;
    // Makes the control object (not attached).
    std::function<CDropBaseEdit*()> make;
    // Configures and initialises an attached control.
    std::function<void(CDropBaseEdit&)> init;
    bool editable; // the user can type into it
};

// The six controls with a typical configuration each; paths point into folder.
std::vector<ControlCase> ControlCases(const std::string& folder);

// A host dialog with one attached control.
class HostedControl
{
public:
    explicit HostedControl(const ControlCase& c);
    ~HostedControl();
    CDropBaseEdit& Edit() { return *m_pEdit; }
    harness::CHostDialog& Dialog() { return m_dlg; }
    void Destroy();

private:
    harness::CHostDialog m_dlg;
    CDropBaseEdit* m_pEdit = nullptr;
};
}
