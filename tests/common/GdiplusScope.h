// GDI+ started for the life of a test executable, as the launcher starts it
// around its modal run.
#pragma once
#include <windows.h>
#include <gdiplus.h>
#include <gtest/gtest.h>

class GdiplusEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        Gdiplus::GdiplusStartupInput input;
        Gdiplus::GdiplusStartup(&m_token, &input, nullptr);
    }
    void TearDown() override { Gdiplus::GdiplusShutdown(m_token); }
private:
    ULONG_PTR m_token = 0;
};

// Put once in a test executable: registers the environment before main runs.
#define USE_GDIPLUS_IN_TESTS() \
    static ::testing::Environment* const g_gdiplusEnv = ::testing::AddGlobalTestEnvironment(new GdiplusEnvironment)
