// Test of fakebrowser.dll, the stand-in as an in-process server: loaded as
// COM would load it, it reads its pages from FAKEBROWSER_PAGES, completes
// navigations by itself, and answers the control channel's messages.
#include "FakeBrowserChannel.h"
#include "FakeBrowserSelfTestDoubles.h"
#include "Pump.h"
#include <gtest/gtest.h>
#include <exdispid.h>
#include <mshtml.h>

namespace {

using GetClassObjectFn = HRESULT(WINAPI*)(REFCLSID, REFIID, void**);

std::wstring WritePageFile()
{
    wchar_t dir[MAX_PATH];
    GetTempPathW(MAX_PATH, dir);
    std::wstring path = std::wstring(dir) + L"fakebrowser-pages.txt";
    const char text[] = "# login page\n"
                        "page http://login.example/\n"
                        "title Login\n"
                        "input loginurl\t\thttp://game.example/\n"
                        "frame http://frame.example/\n"
                        "title Frame\n";
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, text, sizeof(text) - 1, &written, nullptr);
    CloseHandle(file);
    return path;
}

TEST(FakeBrowserDll, ServesPagesFromItsFileAndAnswersTheChannel)
{
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    std::wstring pages = WritePageFile();
    SetEnvironmentVariableW(L"FAKEBROWSER_PAGES", pages.c_str());
    HMODULE dll = LoadLibraryW(L"fakebrowser.dll");
    ASSERT_TRUE(dll);
    auto getClassObject = reinterpret_cast<GetClassObjectFn>(GetProcAddress(dll, "DllGetClassObject"));
    ASSERT_TRUE(getClassObject);
    ASSERT_TRUE(GetProcAddress(dll, "DllRegisterServer"));

    HWND host = CreateWindowExW(0, L"STATIC", L"host", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr, nullptr,
                                nullptr);
    CTestSite site(host, RECT{0, 0, 300, 200});
    CTestSink sink(true);
    {
        ComPtr<IClassFactory> factory;
        ASSERT_EQ(S_OK, getClassObject(CLSID_WebBrowser, IID_IClassFactory,
                                       reinterpret_cast<void**>(factory.GetAddressOf())));
        ComPtr<IOleObject> ole;
        ASSERT_EQ(S_OK, factory->CreateInstance(nullptr, IID_IOleObject, reinterpret_cast<void**>(ole.GetAddressOf())));
        ASSERT_EQ(S_OK, ole->SetClientSite(&site));
        ASSERT_EQ(S_OK, ole->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, &site, 0, host, nullptr));
        ComPtr<IOleInPlaceObject> inPlace;
        ASSERT_EQ(S_OK, ole.As(&inPlace));
        HWND window = nullptr;
        ASSERT_EQ(S_OK, inPlace->GetWindow(&window));
        wchar_t className[64] = {};
        GetClassNameW(window, className, 64);
        EXPECT_STREQ(kFakeBrowserWindowClass, className);

        ComPtr<IConnectionPointContainer> container;
        ASSERT_EQ(S_OK, ole.As(&container));
        ComPtr<IConnectionPoint> point;
        ASSERT_EQ(S_OK, container->FindConnectionPoint(DIID_DWebBrowserEvents2, point.GetAddressOf()));
        DWORD cookie = 0;
        ASSERT_EQ(S_OK, point->Advise(&sink, &cookie));

        ComPtr<IWebBrowser2> browser;
        ASSERT_EQ(S_OK, ole.As(&browser));
        BSTR url = SysAllocString(L"http://login.example/");
        ASSERT_EQ(S_OK, browser->Navigate(url, nullptr, nullptr, nullptr, nullptr));
        SysFreeString(url);
        ASSERT_EQ(1u, sink.events.size()) << "only BeforeNavigate2 comes inside Navigate";
        EXPECT_EQ(DISPID_BEFORENAVIGATE2, sink.events[0].id);
        auto pageDone = [&] {
            return !sink.events.empty() && sink.events.back().id == DISPID_STATUSTEXTCHANGE && sink.events.size() > 2;
        };
        ASSERT_TRUE(PumpUntil(pageDone, 2000)) << "the navigation completes later, from the queue";
        // The page's own events, among the progress noise.
        std::vector<SinkEvent> page;
        for (const SinkEvent& e : sink.events) {
            if (e.id == DISPID_NAVIGATECOMPLETE2 || e.id == DISPID_DOCUMENTCOMPLETE || e.id == DISPID_TITLECHANGE)
                page.push_back(e);
        }
        const DISPID order[] = {DISPID_NAVIGATECOMPLETE2, DISPID_NAVIGATECOMPLETE2, DISPID_TITLECHANGE,
                                DISPID_TITLECHANGE,       DISPID_DOCUMENTCOMPLETE,  DISPID_DOCUMENTCOMPLETE};
        ASSERT_EQ(std::size(order), page.size());
        for (size_t i = 0; i < std::size(order); ++i)
            EXPECT_EQ(order[i], page[i].id) << "event " << i;
        EXPECT_EQ(L"http://frame.example/", page[1].text);
        EXPECT_EQ(L"http://login.example/", page[2].text) << "the address first";
        EXPECT_EQ(L"Login", page[3].text) << "then the title";

        // The page from the file, with its input.
        ComPtr<IDispatch> document;
        ASSERT_EQ(S_OK, browser->get_Document(document.GetAddressOf()));
        ComPtr<IHTMLDocument3> document3;
        ASSERT_EQ(S_OK, document.As(&document3));
        ComPtr<IHTMLElementCollection> inputs;
        BSTR tag = SysAllocString(L"input");
        document3->getElementsByTagName(tag, inputs.GetAddressOf());
        SysFreeString(tag);
        ASSERT_TRUE(inputs);
        VARIANT name;
        name.vt = VT_BSTR;
        name.bstrVal = SysAllocString(L"loginurl");
        VARIANT index;
        index.vt = VT_I4;
        index.lVal = 0;
        ComPtr<IDispatch> input;
        inputs->item(name, index, input.GetAddressOf());
        VariantClear(&name);
        ComPtr<IHTMLElement> element;
        ASSERT_TRUE(input && SUCCEEDED(input.As(&element)));
        BSTR attribute = SysAllocString(L"value");
        VARIANT value;
        element->getAttribute(attribute, 0, &value);
        SysFreeString(attribute);
        ASSERT_EQ(VT_BSTR, value.vt);
        EXPECT_STREQ(L"http://game.example/", value.bstrVal);
        VariantClear(&value);

        // The channel, as another process would use it.
        sink.events.clear();
        sink.cancelNewWindow = true;
        PostMessageW(window, FakeChannelNewWindow(), 0, 0);
        PostMessageW(window, FakeChannelTitleChange(), GlobalAddAtomW(L"From outside"), 0);
        ASSERT_TRUE(PumpUntil([&] { return sink.events.size() >= 2; }, 2000));
        EXPECT_EQ(DISPID_NEWWINDOW2, sink.events[0].id);
        EXPECT_EQ(DISPID_TITLECHANGE, sink.events[1].id);
        EXPECT_EQ(L"From outside", sink.events[1].text);

        EXPECT_EQ(S_OK, point->Unadvise(cookie));
        inPlace->InPlaceDeactivate();
        ole->Close(OLECLOSE_NOSAVE);
        ole->SetClientSite(nullptr);
    }
    EXPECT_EQ(0, site.RefCount());
    EXPECT_EQ(0, sink.RefCount());
    DestroyWindow(host);
    DeleteFileW(pages.c_str());
    OleUninitialize();
}

}  // namespace
