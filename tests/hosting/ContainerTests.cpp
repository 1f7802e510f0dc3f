// The control container against the stand-in browser: controls named by
// class id in a dialog template become live, loaded, in-place active child
// windows of the dialog; their events reach the dialog's event sink map;
// keys reach the active object; and the dialog's end releases everything.
#include "HostingFixture.h"
#include "CHostDialog.h"
#include "CLicensedFactory.h"
#include "COleControlSite.h"
#include "FakeBrowser.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <string>

namespace {

HRESULT Navigate(CFakeWebBrowser* browser, const wchar_t* url)
{
    BSTR bstr = ::SysAllocString(url);
    HRESULT hr = static_cast<IWebBrowser2*>(browser)->Navigate(bstr, nullptr, nullptr, nullptr, nullptr);
    ::SysFreeString(bstr);
    return hr;
}

std::string Bytes(const std::vector<BYTE>& bytes)
{
    return std::string(bytes.begin(), bytes.end());
}

// The position of the first call named call in calls, or -1.
int IndexOf(const std::vector<std::wstring>& calls, const std::wstring& call)
{
    auto it = std::find(calls.begin(), calls.end(), call);
    return it == calls.end() ? -1 : static_cast<int>(it - calls.begin());
}

using Container = HostingTest;

TEST_F(Container, TemplateItemBecomesALiveControlWithItsIdStyleAndPlace)
{
    CHostDialog dlg(IDD_HOST_ONE);
    ASSERT_TRUE(dlg.Create(IDD_HOST_ONE));
    EXPECT_TRUE(dlg.m_bSiteAtInit) << "the control exists before the base OnInitDialog returns";

    CFakeWebBrowser* fake = ControlWithId(dlg.m_hWnd, IDC_HOST_BROWSER);
    ASSERT_NE(fake, nullptr) << "no stand-in window with the item's id";
    HWND hCtrl = fake->Window();
    EXPECT_EQ(dlg.m_hWnd, ::GetParent(hCtrl));
    EXPECT_TRUE(GetWindowLongW(hCtrl, GWL_STYLE) & WS_CHILD);
    EXPECT_TRUE(GetWindowLongW(hCtrl, GWL_STYLE) & WS_TABSTOP) << "the item's style is applied";
    EXPECT_TRUE(GetWindowLongW(hCtrl, GWL_STYLE) & WS_VISIBLE) << "shown whenever its dialog is";
    EXPECT_TRUE(RectEq(Mapped(dlg.m_hWnd, RECT{7, 20, 157, 100}), InParent(hCtrl)));
    EXPECT_TRUE(fake->InPlaceActive());
    // The dialog manager still made the template's ordinary items.
    EXPECT_NE(::GetDlgItem(dlg.m_hWnd, IDC_HOST_LABEL), nullptr);
    EXPECT_NE(::GetDlgItem(dlg.m_hWnd, IDC_HOST_BUTTON), nullptr);
    // DDX_Control attached the wrapper to the control's window and site.
    EXPECT_EQ(hCtrl, dlg.m_wndBrowser.m_hWnd);
    const LONG refs = fake->RefCount();
    IUnknown* pUnk = dlg.m_wndBrowser.GetControlUnknown();
    EXPECT_EQ(refs, fake->RefCount()) << "GetControlUnknown adds no reference";
    EXPECT_EQ(IdentityOf(pUnk), IdentityOf(static_cast<IWebBrowser2*>(fake)));

    // The control asked for user mode and was told it is on.
    const FakeBrowserRecord& rec = fake->Record();
    auto userMode = std::find_if(rec.ambients.begin(), rec.ambients.end(),
                                 [](const FakeAmbient& a) { return a.name == L"USERMODE"; });
    ASSERT_NE(userMode, rec.ambients.end());
    EXPECT_EQ(S_OK, userMode->hr);
    EXPECT_EQ(VT_BOOL, userMode->value.Get().vt);
    EXPECT_EQ(VARIANT_TRUE, userMode->value.Get().boolVal);
    dlg.DestroyWindow();
}

// Which controls load their saved state: the bytes after the record's
// licence-key length reach Load; no state, a record of another kind, or a
// failing Load give InitNew.
TEST_F(Container, SavedStateReachesLoadAndEverythingElseGetsInitNew)
{
    {
        CHostDialog dlg(IDD_HOST_ONE);
        ASSERT_TRUE(dlg.Create(IDD_HOST_ONE));
        const FakeBrowserRecord& rec = ControlWithId(dlg.m_hWnd, IDC_HOST_BROWSER)->Record();
        EXPECT_EQ(1, rec.loadCalls);
        EXPECT_EQ(0, rec.initNewCalls);
        EXPECT_EQ("saved-state-1002", Bytes(rec.loadedBytes));
        dlg.DestroyWindow();
    }
    {
        CHostDialog dlg(IDD_HOST_TWO);
        ASSERT_TRUE(dlg.Create(IDD_HOST_TWO));
        const FakeBrowserRecord& first = ControlWithId(dlg.m_hWnd, IDC_HOST_BROWSER)->Record();
        EXPECT_EQ(0, first.loadCalls) << "a combo-box string record is not saved state";
        EXPECT_EQ(1, first.initNewCalls);
        const FakeBrowserRecord& second = ControlWithId(dlg.m_hWnd, IDC_HOST_SECOND)->Record();
        EXPECT_EQ(1, second.loadCalls);
        EXPECT_EQ(0, second.initNewCalls);
        EXPECT_EQ("second", Bytes(second.loadedBytes));
        EXPECT_TRUE(RectEq(Mapped(dlg.m_hWnd, RECT{110, 60, 290, 180}),
                           InParent(ControlWithId(dlg.m_hWnd, IDC_HOST_SECOND)->Window())));
        dlg.DestroyWindow();
    }
    {
        CFakeWebBrowser::Defaults().loadFails = true;
        CHostDialog dlg(IDD_HOST_ONE);
        ASSERT_TRUE(dlg.Create(IDD_HOST_ONE));
        CFakeWebBrowser* fake = ControlWithId(dlg.m_hWnd, IDC_HOST_BROWSER);
        ASSERT_NE(fake, nullptr) << "a failed Load does not lose the control";
        EXPECT_EQ(1, fake->Record().loadCalls);
        EXPECT_EQ(1, fake->Record().initNewCalls) << "InitNew after the failed Load";
        EXPECT_LT(IndexOf(fake->Record().containerCalls, L"Load"), IndexOf(fake->Record().containerCalls, L"InitNew"));
        EXPECT_TRUE(fake->InPlaceActive());
        dlg.DestroyWindow();
    }
}

// A licensed control gets the record's key through IClassFactory2 and the
// stream after it; with the wrong key there is no control, and the dialog
// lives on without it.
TEST_F(Container, LicensedControlGetsTheRecordsKey)
{
    {
        CLicensedFactory factory(L"KEY-9");
        ASSERT_EQ(S_OK, factory.Registered());
        CHostDialog dlg(IDD_HOST_LICENSED);
        ASSERT_TRUE(dlg.Create(IDD_HOST_LICENSED));
        EXPECT_EQ(std::vector<std::wstring>{L"KEY-9"}, factory.KeysSeen());
        EXPECT_EQ(0, factory.PlainCreates());
        CFakeWebBrowser* fake = ControlWithId(dlg.m_hWnd, IDC_HOST_BROWSER);
        ASSERT_NE(fake, nullptr);
        EXPECT_EQ("licensed", Bytes(fake->Record().loadedBytes));
        dlg.DestroyWindow();
    }
    {
        CLicensedFactory factory(L"OTHER");
        ASSERT_EQ(S_OK, factory.Registered());
        const LONG sites = COleControlSite::GetLiveCount();
        CHostDialog dlg(IDD_HOST_LICENSED);
        ASSERT_TRUE(dlg.Create(IDD_HOST_LICENSED));
        EXPECT_EQ(std::vector<std::wstring>{L"KEY-9"}, factory.KeysSeen());
        EXPECT_EQ(nullptr, ::GetDlgItem(dlg.m_hWnd, IDC_HOST_BROWSER));
        EXPECT_EQ(nullptr, dlg.m_wndBrowser.GetControlUnknown());
        EXPECT_EQ(sites, COleControlSite::GetLiveCount()) << "the failed site is freed at once";
        dlg.DestroyWindow();
    }
}

// The sink map: DocumentComplete with the page's object and address,
// NewWindow2 with Cancel written back through its reference, TitleChange
// with the text; another control's events reach no handler keyed to the
// first one's id.
TEST_F(Container, EventSinkMapDeliversTheControlsEvents)
{
    CHostDialog dlg(IDD_HOST_TWO);
    ASSERT_TRUE(dlg.Create(IDD_HOST_TWO));
    CFakeWebBrowser* fake = ControlWithId(dlg.m_hWnd, IDC_HOST_BROWSER);
    CFakeWebBrowser* other = ControlWithId(dlg.m_hWnd, IDC_HOST_SECOND);
    ASSERT_TRUE(fake);
    ASSERT_TRUE(other);
    EXPECT_EQ(1u, fake->SinkCount()) << "one sink per site";

    ASSERT_EQ(S_OK, Navigate(other, L"http://other.example/"));
    other->CompleteNavigation();
    other->FireNewWindow2();
    EXPECT_TRUE(IsEmpty(dlg.m_events)) << "the second control has no entries in the map";

    ASSERT_EQ(S_OK, Navigate(fake, L"http://page.example/a"));
    fake->CompleteNavigation();
    fake->FireTitleChange(L"Chapter 七");
    EXPECT_EQ((std::vector<std::wstring>{L"TitleChange http://page.example/a",
                                         L"DocumentComplete http://page.example/a", L"TitleChange Chapter 七"}),
              dlg.m_events)
        << "the address as the first title, the page, then a later title";
    EXPECT_EQ(IdentityOf(static_cast<IWebBrowser2*>(fake)), dlg.m_pLastObject);

    for (BOOL answer : {TRUE, FALSE}) {
        dlg.m_events.clear();
        dlg.m_bCancelAnswer = answer;
        dlg.m_bCancelSeen = TRUE;
        EXPECT_EQ(answer == TRUE, fake->FireNewWindow2()) << "Cancel as the handler left it";
        EXPECT_FALSE(dlg.m_bCancelSeen) << "Cancel arrives FALSE";
        EXPECT_EQ(std::vector<std::wstring>{L"NewWindow2"}, dlg.m_events);
    }
    dlg.DestroyWindow();
}

// Keyboard messages for the control's window are offered to its active
// object; other messages and other windows are not.
TEST_F(Container, KeysForTheControlReachItsActiveObject)
{
    CHostDialog dlg(IDD_HOST_ONE);
    ASSERT_TRUE(dlg.Create(IDD_HOST_ONE));
    CFakeWebBrowser* fake = ControlWithId(dlg.m_hWnd, IDC_HOST_BROWSER);
    ASSERT_NE(fake, nullptr);
    const size_t before = fake->Record().accelerators.size();

    MSG key = {fake->Window(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
    dlg.PreTranslateMessage(&key);
    MSG mouse = {fake->Window(), WM_MOUSEMOVE, 0, 0, 0, {}};
    dlg.PreTranslateMessage(&mouse);
    MSG elsewhere = {::GetDlgItem(dlg.m_hWnd, IDC_HOST_BUTTON), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    dlg.PreTranslateMessage(&elsewhere);

    const std::vector<FakeAccelerator>& seen = fake->Record().accelerators;
    ASSERT_EQ(before + 1, seen.size());
    EXPECT_EQ(static_cast<UINT>(WM_KEYDOWN), seen.back().message);
    EXPECT_EQ(static_cast<WPARAM>(VK_TAB), seen.back().wParam);
    dlg.DestroyWindow();
}

// The dialog's end: sink unadvised, control deactivated, closed, told its
// site is gone, released; nothing of the control or its site is left.
TEST_F(Container, DestroyingTheDialogReleasesControlAndSiteInOrder)
{
    const LONG sites = COleControlSite::GetLiveCount();
    {
        CHostDialog dlg(IDD_HOST_TWO);
        ASSERT_TRUE(dlg.Create(IDD_HOST_TWO));
        EXPECT_EQ(sites + 2, COleControlSite::GetLiveCount());
        dlg.DestroyWindow();
        EXPECT_EQ(nullptr, dlg.m_wndBrowser.GetControlUnknown()) << "the wrapper holds nothing that has gone";
    }
    EXPECT_EQ(sites, COleControlSite::GetLiveCount());
    EXPECT_EQ(0, FakeLiveObjectCount()) << "every object of both controls released";
    for (int i = 0; i < 2; ++i) {
        std::shared_ptr<const FakeBrowserRecord> rec = CFakeWebBrowser::RecordOf(i);
        ASSERT_TRUE(rec);
        EXPECT_TRUE(rec->destroyed);
        const std::vector<std::wstring>& calls = rec->containerCalls;
        int unadvise = IndexOf(calls, L"Unadvise");
        int deactivate = IndexOf(calls, L"InPlaceDeactivate");
        int close = IndexOf(calls, L"Close");
        int unsite = IndexOf(calls, L"SetClientSite(null)");
        EXPECT_GE(unadvise, 0);
        EXPECT_LT(unadvise, deactivate);
        EXPECT_LT(deactivate, close);
        EXPECT_LT(close, unsite);
    }
}

}  // namespace
