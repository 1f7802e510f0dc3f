// The application object: the start-up and the end of the process.
#include "CkelvorApp.h"
#include "CkelvorDlg.h"
#include <gtest/gtest.h>

namespace {

int g_ticks = 0;
bool g_sawMainWindow = false;

void CALLBACK CloseWhenShown(HWND, UINT, UINT_PTR, DWORD)
{
    ++g_ticks;
    CWnd* pMain = AfxGetMainWnd();
    if (pMain && pMain->m_hWnd && ::IsWindowVisible(pMain->m_hWnd)) {
        g_sawMainWindow = dynamic_cast<CkelvorDlg*>(pMain) != nullptr;
        pMain->PostMessage(WM_CLOSE);
    }
}

bool RegistryKeyExists(HKEY root, const wchar_t* path)
{
    HKEY h = nullptr;
    if (::RegOpenKeyExW(root, path, 0, KEY_READ, &h) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(h);
    return true;
}

TEST(Application, RunsTheMainWindowModallyAndReturnsFalse)
{
    CkelvorApp app;
    EXPECT_EQ(app.m_gdiplusToken, 0u);
    ASSERT_EQ(AfxGetApp(), &app);

    UINT_PTR timer = ::SetTimer(nullptr, 0, 50, CloseWhenShown);
    BOOL result = app.InitInstance();
    ::KillTimer(nullptr, timer);

    EXPECT_FALSE(result);
    EXPECT_TRUE(g_sawMainWindow) << "the main window ran as the application's main window";
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    EXPECT_NE(app.m_gdiplusToken, 0u) << "GDI+ was started";
    EXPECT_EQ(app.GetRegistryKey(), L"应用程序向导生成的本地应用程序");
    EXPECT_FALSE(RegistryKeyExists(HKEY_CURRENT_USER, L"Software\\应用程序向导生成的本地应用程序"))
        << "the key name is kept, nothing is written";
}

}  // namespace
