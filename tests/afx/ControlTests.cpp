// The edit every control types into, drawn in every face the test prefix offers.
#include <afxwin.h>
#include <gtest/gtest.h>
#include <vector>

namespace
{
int CALLBACK AddFace(const LOGFONTA* pFont, const TEXTMETRICA*, DWORD, LPARAM lParam)
{
    reinterpret_cast<std::vector<CString>*>(lParam)->push_back(pFont->lfFaceName);
    return 1;
}
}

// The controls hand every byte the user can paste to the edit. With a machine's DejaVu fonts
// visible to Wine, drawing the byte 0x98 faults inside gdi32 even in a plain edit (the process
// dies here); the test prefix sees only Wine's own fonts, and every face draws every byte.
TEST(Edit, PlainEditDrawsEveryByteInEveryVisibleFace)
{
    CWnd host;
    ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(0), "host", WS_POPUP | WS_VISIBLE, 40, 40, 320, 240, nullptr, nullptr));
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE | ES_AUTOHSCROLL, CRect(0, 0, 200, 24), &host, 200));
    std::vector<CString> faces;
    LOGFONTA all = {};
    all.lfCharSet = DEFAULT_CHARSET;
    HDC hDC = ::GetDC(edit.m_hWnd);
    ::EnumFontFamiliesExA(hDC, &all, AddFace, reinterpret_cast<LPARAM>(&faces), 0);
    ::ReleaseDC(edit.m_hWnd, hDC);
    ASSERT_FALSE(faces.empty());
    for (const CString& face : faces)
    {
        CFont font;
        font.CreatePointFont(90, face);
        edit.SetFont(&font);
        for (int byte = 1; byte <= 0xFF; ++byte)
        {
            const char text[] = { static_cast<char>(byte), '\0' };
            edit.SetWindowText(text);
            edit.UpdateWindow();
            CString shown;
            edit.GetWindowText(shown);
            EXPECT_STREQ(text, shown) << face.GetString() << ", byte " << byte;
        }
        edit.SetFont(nullptr);
    }
}
