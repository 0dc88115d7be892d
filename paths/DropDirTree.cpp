#include "DropDirTree.h"
#include "AppLogger.h"
#include "ImageMenu.h"

BEGIN_MESSAGE_MAP(CDropDirTree, CDirTreeCtrl)
END_MESSAGE_MAP()

namespace
{
// The library finds its own resources by its file name, whoever linked it.
const char kLibraryFileName[] = "orv059.dll";

// Puts the framework's resource module back when the lookup is done, on every path.
class ResourceModuleSwitch
{
public:
    explicit ResourceModuleSwitch(HINSTANCE hModule) : m_hPrevious(AfxGetResourceHandle())
    {
        AfxSetResourceHandle(hModule);
    }
    ~ResourceModuleSwitch()
    {
        if (m_hPrevious != nullptr)
            AfxSetResourceHandle(m_hPrevious);
    }
    ResourceModuleSwitch(const ResourceModuleSwitch&) = delete;
    ResourceModuleSwitch& operator=(const ResourceModuleSwitch&) = delete;

private:
    HINSTANCE m_hPrevious;
};
}

CDropDirTree::CDropDirTree() = default;

CDropDirTree::~CDropDirTree() = default;

void CDropDirTree::ShowContextMenu(const CPoint& point)
{
    if (m_nContextMenuId == 0 || !::IsWindow(m_hWnd))
        return;
    // Without the library's own file the host's resources could hold an unrelated menu under
    // the same number, so nothing is shown.
    HMODULE hLibrary = nullptr;
    if (!::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT, kLibraryFileName, &hLibrary) ||
        hLibrary == nullptr)
        return;
    CWnd* pParent = GetParent();
    if (pParent == nullptr)
        return;

    CImageMenu* pPopup = nullptr;
    {
        ResourceModuleSwitch resources(hLibrary);
        CImageMenu loader;
        pPopup = loader.LoadFilteredPopupMenu(m_nContextMenuId, pParent);
    }
    if (pPopup == nullptr)
        return;
    UpdateContextMenu(pPopup);
    if (!pPopup->TrackPopupMenu(0, point.x, point.y, pParent, nullptr) && AppLogger::m_pInstance != nullptr)
        AppLogger::m_pInstance->AddLine("{EFDC093E-EF3B-4D96-B268-66BE33A16FC8}");
    delete pPopup;
}
