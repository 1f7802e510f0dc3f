// The window templates and the browser controls' saved state, as the
// dialog manager and the control container will read them.
#include "DialogTemplate.h"
#include "Printers.h"
#include "ResourceReader.h"
#include "resource.h"

#include <windows.h>
#include <shobjidl.h>
#include <gtest/gtest.h>
#include <cstring>
#include <vector>

TEST(Templates, CarryTheirStylesSizesFontsAndControls)
{
    const wchar_t* browser = L"{8856F961-340A-11D0-A96B-00C04FD705A2}";
    struct Row {
        WORD id;
        DWORD style, exStyle;
        short cx, cy;
        WORD points, weight;
        const wchar_t* caption;
        std::vector<DialogItem> items;
    };
    const Row rows[] = {
        {IDD_MAIN,
         WS_POPUP | WS_VISIBLE | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_FIXEDSYS,
         WS_EX_APPWINDOW,
         319,
         199,
         9,
         0,
         L"",
         {}},
        {IDD_LOGIN_PANE,
         WS_POPUP | WS_SYSMENU | DS_SETFONT | DS_FIXEDSYS,
         0,
         316,
         182,
         8,
         400,
         L"",
         {{IDC_LOGIN_BROWSER, WS_CHILD, 0, 17, 24, 280, 133, browser, L""}}},
        {IDD_GAME_WINDOW,
         WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_MODALFRAME | DS_SETFONT | DS_FIXEDSYS,
         WS_EX_APPWINDOW,
         316,
         183,
         8,
         400,
         L"Dialog",
         {{IDC_GAME_BROWSER, WS_CHILD | WS_TABSTOP, 0, 37, 23, 119, 104, browser, L""}}},
        {IDD_FLAT_BUTTON,
         WS_POPUP | WS_VISIBLE | WS_SYSMENU | DS_SETFONT | DS_FIXEDSYS,
         0,
         133,
         45,
         8,
         400,
         L"",
         {{IDC_FLAT_BUTTON, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_FLAT, 0, 7, 7, 119, 27, L"#128",
           L""}}},  // 128: the button class
        {IDD_IMAGE_BUTTON, WS_POPUP | WS_SYSMENU | DS_SETFONT | DS_FIXEDSYS, 0, 316, 183, 8, 400, L"", {}},
    };
    for (const Row& row : rows) {
        DialogTemplate t = ReadDialogTemplate(row.id);
        ASSERT_TRUE(t.ok) << "template " << row.id;
        EXPECT_EQ(t.style, row.style) << "template " << row.id << std::hex << ": style 0x" << t.style;
        EXPECT_EQ(t.exStyle, row.exStyle) << "template " << row.id << std::hex << ": ex-style 0x" << t.exStyle;
        EXPECT_EQ(t.x, 0);
        EXPECT_EQ(t.y, 0);
        EXPECT_EQ(t.cx, row.cx) << "template " << row.id;
        EXPECT_EQ(t.cy, row.cy) << "template " << row.id;
        EXPECT_EQ(t.menu, L"") << "template " << row.id;
        EXPECT_EQ(t.cls, L"") << "template " << row.id;
        EXPECT_EQ(t.caption, row.caption) << "template " << row.id;
        EXPECT_EQ(t.face, L"MS Shell Dlg") << "template " << row.id;
        EXPECT_EQ(t.points, row.points) << "template " << row.id;
        EXPECT_EQ(t.weight, row.weight) << "template " << row.id;
        EXPECT_EQ(t.charset, 1) << "template " << row.id;
        ASSERT_EQ(t.items.size(), row.items.size()) << "template " << row.id;
        for (size_t i = 0; i < t.items.size(); ++i) {
            const DialogItem &got = t.items[i], &want = row.items[i];
            EXPECT_EQ(got.id, want.id);
            EXPECT_EQ(got.style, want.style) << "control " << want.id << std::hex << ": style 0x" << got.style;
            EXPECT_EQ(got.exStyle, 0u) << "control " << want.id;
            EXPECT_EQ(got.cls, want.cls) << "control " << want.id;
            EXPECT_EQ(got.text, L"") << "control " << want.id;
            EXPECT_EQ(got.x, want.x) << "control " << want.id;
            EXPECT_EQ(got.y, want.y) << "control " << want.id;
            EXPECT_EQ(got.cx, want.cx) << "control " << want.id;
            EXPECT_EQ(got.cy, want.cy) << "control " << want.id;
        }
    }
}

// The saved state handed to each browser control: one record, then a zero
// word.  Its extent must be the item's template size in HIMETRIC, converted
// as the dialog manager sizes the item for "MS Shell Dlg" 8 pt at 96 dpi
// (base units 6 x 13), so the control starts out exactly as large as its site.
TEST(Templates, BrowserSavedStateMatchesItsItem)
{
    // {0057D0E0-3573-11CF-AE69-08002B2E1262}: the browser's default view.
    const GUID view = {0x0057D0E0, 0x3573, 0x11CF, {0xAE, 0x69, 0x08, 0x00, 0x2B, 0x2E, 0x12, 0x62}};
    const WORD templates[] = {IDD_LOGIN_PANE, IDD_GAME_WINDOW};
    for (WORD id : templates) {
        DialogTemplate t = ReadDialogTemplate(id);
        ASSERT_TRUE(t.ok) << "template " << id;
        ASSERT_EQ(t.items.size(), 1u) << "template " << id;
        const DialogItem& item = t.items[0];

        ResourceBytes b = FindResourceBytes(MAKEINTRESOURCEW(240), id);
        ASSERT_TRUE(b.data) << "no dialog-initialisation data for " << id;
        ResourceReader r(b);
        EXPECT_EQ(r.Get<WORD>(), item.id) << "template " << id;
        EXPECT_EQ(r.Get<WORD>(), 0x0376) << "template " << id;
        ASSERT_EQ(r.Get<DWORD>(), 160u) << "template " << id;
        BYTE state[160] = {};
        std::memcpy(state, b.data + r.At(), sizeof state);
        r.Skip(sizeof state);
        EXPECT_EQ(r.Get<WORD>(), 0) << "terminator of " << id;
        EXPECT_TRUE(r.Ok()) << "template " << id << ": read past its " << b.size << " bytes";
        EXPECT_EQ(r.At(), b.size) << "template " << id << ": the record ends before its data does";

        // Each known field is checked and then cleared; all else must be zero.
        auto take32 = [&](size_t at) {
            DWORD v;
            std::memcpy(&v, state + at, 4);
            std::memset(state + at, 0, 4);
            return v;
        };
        auto takeGuid = [&](size_t at) {
            GUID g;
            std::memcpy(&g, state + at, 16);
            std::memset(state + at, 0, 16);
            return g;
        };
        const int cx = ::MulDiv(::MulDiv(item.cx, 6, 4), 2540, 96);
        const int cy = ::MulDiv(::MulDiv(item.cy, 13, 8), 2540, 96);
        EXPECT_EQ(take32(0), 0u) << "licence-key length";
        EXPECT_EQ(take32(4), 0x4Cu);
        EXPECT_EQ(take32(8), DWORD(cx)) << "extent of " << item.id;
        EXPECT_EQ(take32(12), DWORD(cy)) << "extent of " << item.id;
        EXPECT_EQ(take32(40), 0x4Cu);
        EXPECT_EQ(take32(52), 1u);
        EXPECT_EQ(takeGuid(56), view);
        EXPECT_EQ(take32(72), 8u);
        EXPECT_EQ(take32(80), 0x4Cu) << "shell-link header size";
        EXPECT_EQ(takeGuid(84), CLSID_ShellLink);
        EXPECT_EQ(take32(100), 0x80u) << "link flags";
        EXPECT_EQ(take32(140), 1u) << "show command";
        for (size_t i = 0; i < sizeof state; ++i)
            EXPECT_EQ(state[i], 0) << "byte " << i << " of " << id;
    }
}
