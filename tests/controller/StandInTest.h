// The controller tests' fixture: OLE on the thread, the stand-in browser
// registered for the WebBrowser class, the page table and the stand-in's
// history fresh for each test, and every stand-in object released at its end.
#pragma once
#include "FakeBrowser.h"
#include "Printers.h"
#include "TestApp.h"
#include <gtest/gtest.h>

class StandInTest : public testing::Test {
protected:
    COleScope ole;
    CFakeBrowserRegistration registration;

    void SetUp() override
    {
        ASSERT_EQ(registration.Result(), S_OK);
        CFakeWebBrowser::ResetHistory();
        CFakePageTable::Clear();
    }
    void TearDown() override
    {
        CFakePageTable::Clear();
        EXPECT_EQ(FakeLiveObjectCount(), 0) << "every stand-in object was released";
    }
};
