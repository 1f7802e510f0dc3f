// The container tests' fixture: OLE on the thread, hosting on, and the
// stand-in browser registered for the WebBrowser class, with its switches
// and history reset for each test.
#pragma once
#include "CFakeBrowserRegistration.h"
#include "CFakeWebBrowser.h"
#include "WindowRects.h"
#include "Printers.h"
#include <gtest/gtest.h>
#include <memory>

class HostingTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The live stand-in whose window has control id nID in hDlg, or null.
    static CFakeWebBrowser* ControlWithId(HWND hDlg, UINT nID);

private:
    bool m_bOle = false;
    std::unique_ptr<CFakeBrowserRegistration> m_pRegistration;
};

// The dialog-unit rectangle mapped to hDlg's pixels.
RECT Mapped(HWND hDlg, RECT rcDlgUnits);
