#include "DirEditFixture.h"
#include "DirList.h"
#include "Input.h"
#include "TextArray.h"
#include "VolumeUtils.h"
#include <ostream>

namespace pathtest
{
namespace
{
int g_nBeeps = 0;

BOOL WINAPI CountingBeep(UINT /*uType*/)
{
    ++g_nBeeps;
    return TRUE;
}

// The import slot of user32's MessageBeep in this executable, or null.
FARPROC* FindBeepSlot()
{
    auto* pBase = reinterpret_cast<BYTE*>(::GetModuleHandleA(nullptr));
    auto* pDos = reinterpret_cast<IMAGE_DOS_HEADER*>(pBase);
    auto* pNt = reinterpret_cast<IMAGE_NT_HEADERS*>(pBase + pDos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = pNt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (dir.VirtualAddress == 0)
        return nullptr;
    for (auto* pImport = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(pBase + dir.VirtualAddress); pImport->Name != 0;
         ++pImport)
    {
        if (lstrcmpiA(reinterpret_cast<const char*>(pBase + pImport->Name), "user32.dll") != 0)
            continue;
        auto* pNames = reinterpret_cast<IMAGE_THUNK_DATA*>(pBase + pImport->OriginalFirstThunk);
        auto* pSlots = reinterpret_cast<IMAGE_THUNK_DATA*>(pBase + pImport->FirstThunk);
        for (; pNames->u1.AddressOfData != 0; ++pNames, ++pSlots)
        {
            if (IMAGE_SNAP_BY_ORDINAL(pNames->u1.Ordinal))
                continue;
            auto* pByName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(pBase + pNames->u1.AddressOfData);
            if (lstrcmpA(reinterpret_cast<const char*>(pByName->Name), "MessageBeep") == 0)
                return reinterpret_cast<FARPROC*>(&pSlots->u1.Function);
        }
    }
    return nullptr;
}

void WriteSlot(FARPROC* pSlot, FARPROC value)
{
    DWORD oldProtect = 0;
    ::VirtualProtect(pSlot, sizeof(*pSlot), PAGE_READWRITE, &oldProtect);
    *pSlot = value;
    ::VirtualProtect(pSlot, sizeof(*pSlot), oldProtect, &oldProtect);
}

FARPROC g_original = nullptr;
}

BeepCounter::BeepCounter()
{
    g_nBeeps = 0;
    FARPROC* pSlot = FindBeepSlot();
    if (pSlot == nullptr)
        ADD_FAILURE() << "MessageBeep is not imported by this executable";
    else
    {
        g_original = *pSlot;
        WriteSlot(pSlot, reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&CountingBeep)));
    }
}

BeepCounter::~BeepCounter()
{
    if (FARPROC* pSlot = FindBeepSlot())
        WriteSlot(pSlot, g_original);
}

int BeepCounter::Count() const
{
    return g_nBeeps;
}

void BeepCounter::Reset()
{
    g_nBeeps = 0;
}

std::string CTestDirEdit::Text() const
{
    CString text;
    GetWindowText(text);
    return static_cast<const char*>(text);
}

std::pair<int, int> CTestDirEdit::Sel() const
{
    DWORD start = 0;
    DWORD end = 0;
    ::SendMessageA(m_hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return { static_cast<int>(start), static_cast<int>(end) };
}

void CTestDirEdit::SetSel(int start, int end)
{
    ::SendMessageA(m_hWnd, EM_SETSEL, start, end);
}

void PrintTo(const Row& row, std::ostream* os)
{
    *os << "{\"" << row.text << "\", " << row.icon << ", \"" << row.path << "\"}";
}

std::vector<Row> DriveRows(bool before, char first)
{
    TextArray roots;
    VolumeUtils::GetDriveInformation(&roots, nullptr, nullptr, nullptr);
    std::vector<Row> rows;
    for (size_t i = 0; i < roots.GetCount(); ++i)
    {
        const std::string root = static_cast<const char*>(roots[i]);
        const signed char c = static_cast<signed char>(root[0]);
        if (before ? c >= static_cast<signed char>(first) : c <= static_cast<signed char>(first))
            continue;
        int icon = CDirList::IconDrive;
        switch (::GetDriveTypeA(root.c_str()))
        {
        case DRIVE_CDROM:
            icon = CDirList::IconCdRomDrive;
            break;
        case DRIVE_REMOVABLE:
            icon = CDirList::IconRemovableDrive;
            break;
        case DRIVE_REMOTE:
            icon = CDirList::IconNetworkDrive;
            break;
        default:
            break;
        }
        rows.push_back({ root, icon, root });
    }
    return rows;
}

void DirEditTest::SetUp()
{
    MakeHost();
}

void DirEditTest::TearDown()
{
    if (m_pDlg != nullptr)
        m_pDlg->DestroyWindow();
    delete m_pDlg;
    delete m_pEdit;
    m_pDlg = nullptr;
    m_pEdit = nullptr;
    harness::Pump();
}

void DirEditTest::MakeHost(bool readOnlyArg)
{
    TearDown();
    m_pDlg = new harness::CHostDialog;
    ASSERT_TRUE(m_pDlg->CreateHost({ 100, 100 }, { 500, 380 }, { 10, 10, 410, 34 }));
    m_pEdit = new CTestDirEdit;
    ASSERT_TRUE(m_pEdit->SubclassWindow(m_pDlg->Edit()));
    m_pEdit->Init(readOnlyArg);
    m_pDlg->FocusEdit();
    harness::MoveMouse({ 2, 2 });
    m_beeps.Reset();
}

bool DirEditTest::ListVisible() const
{
    return List() != nullptr && ::IsWindowVisible(List()->m_hWnd);
}

HWND DirEditTest::ListBox() const
{
    return List() != nullptr ? ::GetDlgItem(List()->m_hWnd, CDropDirListWnd::kListId) : nullptr;
}

std::vector<Row> DirEditTest::Rows() const
{
    std::vector<Row> rows;
    CDirList* pList = static_cast<CDirList*>(CWnd::FromHandlePermanent(ListBox()));
    if (pList == nullptr)
        return rows;
    for (int i = 0; i < pList->GetCount(); ++i)
    {
        CString text;
        pList->GetText(i, text);
        rows.push_back({ static_cast<const char*>(text), pList->GetItemIcon(i), "" });
    }
    // The paths behind the rows, as the list keeps them; the selection is put back after.
    const int nSel = pList->GetCurSel();
    const int nTop = pList->GetTopIndex();
    for (int i = 0; i < static_cast<int>(rows.size()); ++i)
    {
        pList->SetCurSel(i);
        rows[i].path = static_cast<const char*>(List()->GetSelectedPath());
    }
    pList->SetCurSel(nSel);
    pList->SetTopIndex(nTop);
    return rows;
}

int DirEditTest::SelectedRow() const
{
    return static_cast<int>(::SendMessageA(ListBox(), LB_GETCURSEL, 0, 0));
}

std::string DirEditTest::ListPath() const
{
    return List() != nullptr ? static_cast<const char*>(List()->GetPath()) : std::string();
}

void DirEditTest::SetText(const std::string& text)
{
    m_pEdit->SetWindowText(text.c_str());
}

void DirEditTest::Open()
{
    harness::PressKey(VK_F9);
    ASSERT_TRUE(ListVisible());
}

POINT DirEditTest::RowPoint(int nRow) const
{
    RECT rc = {};
    ::SendMessageA(ListBox(), LB_GETITEMRECT, nRow, reinterpret_cast<LPARAM>(&rc));
    POINT pt = { rc.left + 40, (rc.top + rc.bottom) / 2 };
    ::ClientToScreen(ListBox(), &pt);
    return pt;
}

int DirEditTest::RowOf(const std::string& path) const
{
    const std::vector<Row> rows = Rows();
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i].path == path)
            return static_cast<int>(i);
    return -1;
}

std::string DirEditTest::Folder(const std::string& relative) const
{
    return WithoutSlash(m_tree.MakeDir(relative));
}

std::string WithoutSlash(std::string path)
{
    if (!path.empty() && path.back() == '\\')
        path.pop_back();
    return path;
}

bool SetClipboard(const std::string& text)
{
    if (!::OpenClipboard(nullptr))
        return false;
    ::EmptyClipboard();
    HGLOBAL hMem = ::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (hMem != nullptr)
    {
        memcpy(::GlobalLock(hMem), text.c_str(), text.size() + 1);
        ::GlobalUnlock(hMem);
        if (::SetClipboardData(CF_TEXT, hMem) == nullptr)
            ::GlobalFree(hMem);
    }
    ::CloseClipboard();
    return hMem != nullptr;
}
}
