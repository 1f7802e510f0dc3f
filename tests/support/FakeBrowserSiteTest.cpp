// Self-test of the stand-in's ActiveX side: what it asks of a client site,
// its saved-state loading, its in-place window, and a clean teardown.
#include "FakeBrowserTestFixture.h"
#include "Pump.h"
#include "WindowRects.h"

namespace {

TEST_F(FakeBrowserTest, ActsAsAnActiveXControlTowardItsSite)
{
    HWND host = CreateWindowExW(0, L"STATIC", L"host", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr, nullptr,
                                nullptr);
    ASSERT_TRUE(host);
    CTestSite site(host, RECT{10, 20, 210, 170});
    {
        ComPtr<IOleObject> ole;
        ASSERT_EQ(S_OK, CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                         reinterpret_cast<void**>(ole.GetAddressOf())));
        CFakeWebBrowser* fake = CFakeWebBrowser::Last();
        const FakeBrowserRecord& record = fake->Record();

        // Saved state: every byte of the stream is seen; a failing Load
        // leaves InitNew to the container.
        ComPtr<IPersistStreamInit> persist;
        ASSERT_EQ(S_OK, ole.As(&persist));
        const std::vector<BYTE> state = {0x01, 0x00, 0xFF, 0x7F, 0x00};
        ComPtr<IStream> stream;
        ASSERT_EQ(S_OK, CreateStreamOnHGlobal(nullptr, TRUE, stream.GetAddressOf()));
        stream->Write(state.data(), static_cast<ULONG>(state.size()), nullptr);
        LARGE_INTEGER start = {};
        stream->Seek(start, STREAM_SEEK_SET, nullptr);
        EXPECT_EQ(S_OK, persist->Load(stream.Get()));
        EXPECT_EQ(state, record.loadedBytes);
        fake->SetLoadFails(true);
        stream->Seek(start, STREAM_SEEK_SET, nullptr);
        EXPECT_EQ(E_FAIL, persist->Load(stream.Get()));
        EXPECT_EQ(S_OK, persist->InitNew());
        EXPECT_EQ(1, record.initNewCalls);

        ASSERT_EQ(S_OK, ole->SetClientSite(&site));
        const std::vector<std::wstring> onSite = {L"QueryInterface(IOleInPlaceSite)",
                                                  L"QueryInterface(IOleControlSite)",
                                                  L"QueryInterface(IDocHostUIHandler)",
                                                  L"QueryInterface(IOleCommandTarget)",
                                                  L"QueryInterface(IDispatch)",
                                                  L"Ambient(USERMODE)",
                                                  L"Ambient(DLCONTROL)",
                                                  L"Ambient(USERAGENT)",
                                                  L"Ambient(PALETTE)",
                                                  L"Ambient(SILENT)",
                                                  L"Ambient(OFFLINEIFNOTCONNECTED)"};
        EXPECT_EQ(onSite, record.siteCalls);
        ASSERT_EQ(6u, record.ambients.size());
        EXPECT_EQ(S_OK, record.ambients[0].hr);
        EXPECT_EQ(VT_BOOL, record.ambients[0].value.Type());
        EXPECT_EQ(DISP_E_MEMBERNOTFOUND, record.ambients[1].hr);

        RECT given = {10, 20, 210, 170};
        ASSERT_EQ(S_OK, ole->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, &site, 0, host, &given));
        const std::vector<std::wstring> onActivate = {L"GetContainer", L"CanInPlaceActivate", L"OnInPlaceActivate",
                                                      L"GetWindow",    L"GetWindowContext",   L"ShowObject"};
        EXPECT_EQ(onActivate,
                  std::vector<std::wstring>(record.siteCalls.begin() + onSite.size(), record.siteCalls.end()));
        HWND window = fake->Window();
        ASSERT_TRUE(IsWindow(window));
        EXPECT_EQ(host, GetParent(window));
        EXPECT_TRUE(GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) << "the control shows itself";
        EXPECT_TRUE(RectEq(given, InParent(window)));

        ComPtr<IOleInPlaceObject> inPlace;
        ASSERT_EQ(S_OK, ole.As(&inPlace));
        HWND reported = nullptr;
        EXPECT_EQ(S_OK, inPlace->GetWindow(&reported));
        EXPECT_EQ(window, reported);
        RECT moved = {0, 0, 50, 40};
        EXPECT_EQ(S_OK, inPlace->SetObjectRects(&moved, &moved));
        EXPECT_TRUE(RectEq(moved, InParent(window)));

        ComPtr<IOleInPlaceActiveObject> active;
        ASSERT_EQ(S_OK, ole.As(&active));
        MSG key = {window, WM_KEYDOWN, VK_F5, 0, 0, {}};
        EXPECT_EQ(S_FALSE, active->TranslateAccelerator(&key));
        ASSERT_EQ(1u, record.accelerators.size());
        EXPECT_EQ(static_cast<UINT>(WM_KEYDOWN), record.accelerators[0].message);
        EXPECT_EQ(static_cast<WPARAM>(VK_F5), record.accelerators[0].wParam);

        // Asynchronous mode: the navigation completes from the message queue.
        fake->SetAsynchronous(true);
        BSTR url = SysAllocString(L"http://async.example/");
        fake->Navigate(url, nullptr, nullptr, nullptr, nullptr);
        SysFreeString(url);
        EXPECT_TRUE(fake->NavigationPending());
        PumpUntil([&] { return !fake->NavigationPending(); }, 2000);
        EXPECT_EQ(L"http://async.example/", fake->Url());

        EXPECT_EQ(S_OK, inPlace->InPlaceDeactivate());
        EXPECT_FALSE(IsWindow(window));
        EXPECT_EQ(L"OnInPlaceDeactivate", record.siteCalls.back());
        EXPECT_EQ(S_OK, ole->Close(OLECLOSE_NOSAVE));
        EXPECT_EQ(S_OK, ole->SetClientSite(nullptr));
        EXPECT_EQ(0, site.RefCount()) << "the site is released";
        const std::vector<std::wstring> calls = {L"Load",
                                                 L"Load",
                                                 L"InitNew",
                                                 L"SetClientSite",
                                                 L"DoVerb(-5)",
                                                 L"SetObjectRects",
                                                 L"InPlaceDeactivate",
                                                 L"Close",
                                                 L"SetClientSite(null)"};
        EXPECT_EQ(calls, record.containerCalls);
    }
    EXPECT_TRUE(CFakeWebBrowser::RecordOf(0)->destroyed);
    DestroyWindow(host);
}

}  // namespace
