// Self-test of the stand-in WebBrowser control: registration, the dispatch
// members, and the events with their argument layout.
#include "FakeBrowserTestFixture.h"
#include <exdispid.h>

namespace {

TEST_F(FakeBrowserTest, RegistrationServesTheStandInUntilRevoked)
{
    ComPtr<IWebBrowser2> browser = NewBrowser();
    ASSERT_TRUE(browser);
    ASSERT_EQ(1u, CFakeWebBrowser::Instances().size());
    EXPECT_EQ(static_cast<IWebBrowser2*>(CFakeWebBrowser::Last()), browser.Get());
    EXPECT_EQ(0, CFakeWebBrowser::Last()->Index());
    EXPECT_EQ(1, CFakeWebBrowser::Last()->RefCount());
    browser.Reset();
    EXPECT_TRUE(CFakeWebBrowser::RecordOf(0)->destroyed);
    EXPECT_FALSE(CFakeWebBrowser::RecordOf(0)->licensed);

    // A container holding a saved licence key creates through IClassFactory2.
    ComPtr<IClassFactory2> factory;
    ASSERT_EQ(S_OK, CoGetClassObject(CLSID_WebBrowser, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory2,
                                     reinterpret_cast<void**>(factory.GetAddressOf())));
    BSTR key = SysAllocStringLen(L"k\0y", 3);
    ComPtr<IUnknown> licensed;
    EXPECT_EQ(S_OK, factory->CreateInstanceLic(nullptr, nullptr, IID_IUnknown, key,
                                               reinterpret_cast<void**>(licensed.GetAddressOf())));
    SysFreeString(key);
    licensed.Reset();
    factory.Reset();
    ASSERT_EQ(2, CFakeWebBrowser::CreatedCount());
    EXPECT_TRUE(CFakeWebBrowser::RecordOf(1)->licensed);
    EXPECT_EQ(std::wstring(L"k\0y", 3), CFakeWebBrowser::RecordOf(1)->licenseKey);

    m_registration.reset();
    ComPtr<IUnknown> other;
    CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                     reinterpret_cast<void**>(other.GetAddressOf()));
    EXPECT_EQ(2, CFakeWebBrowser::CreatedCount()) << "a stand-in was made after the registration ended";
}

TEST_F(FakeBrowserTest, DispatchMembersRoundTrip)
{
    ComPtr<IWebBrowser2> browser = NewBrowser();
    CFakeWebBrowser* fake = CFakeWebBrowser::Last();

    // Navigate in the forms containers pass: BSTR and four VT_ERROR; a
    // reference to the address and four references to empty VARIANTs; the
    // address alone.
    VARIANT empty[5] = {};
    VARIANT url2;
    url2.vt = VT_BSTR;
    url2.bstrVal = SysAllocString(L"http://b.example/");
    VARIANT url1;
    url1.vt = VT_BSTR;
    url1.bstrVal = SysAllocString(L"http://a.example/");
    EXPECT_EQ(S_OK, Call(browser.Get(), 104, DISPATCH_METHOD, {Missing(), Missing(), Missing(), Missing(), url1}));
    EXPECT_EQ(S_OK, Call(browser.Get(), 104, DISPATCH_METHOD,
                         {Ref(&empty[0]), Ref(&empty[1]), Ref(&empty[2]), Ref(&empty[3]), Ref(&url2)}));
    EXPECT_EQ(S_OK, Call(browser.Get(), 104, DISPATCH_METHOD, {url1}));
    VariantClear(&url1);
    VariantClear(&url2);
    EXPECT_EQ((std::vector<std::wstring>{L"http://a.example/", L"http://b.example/", L"http://a.example/"}),
              fake->Record().navigations);

    VARIANT result;
    EXPECT_EQ(S_OK, Call(browser.Get(), 203, DISPATCH_PROPERTYGET, {}, &result));
    EXPECT_EQ(VT_DISPATCH, result.vt);
    EXPECT_EQ(nullptr, result.pdispVal) << "no document before a navigation completes";

    ASSERT_EQ(S_OK, fake->CompleteNavigation());
    EXPECT_EQ(S_OK, Call(browser.Get(), 211, DISPATCH_PROPERTYGET, {}, &result));
    ASSERT_EQ(VT_BSTR, result.vt);
    EXPECT_STREQ(L"http://a.example/", result.bstrVal);
    VariantClear(&result);

    CFakeDocument* document = fake->FakeDocument();
    ASSERT_NE(nullptr, document);
    EXPECT_EQ(1, document->RefCount());
    EXPECT_EQ(S_OK, Call(browser.Get(), 203, DISPATCH_PROPERTYGET, {}, &result));
    ASSERT_EQ(VT_DISPATCH, result.vt);
    EXPECT_EQ(static_cast<IDispatch*>(static_cast<IHTMLDocument3*>(document)), result.pdispVal);
    EXPECT_EQ(2, document->RefCount()) << "the caller owns one reference";
    VariantClear(&result);
    EXPECT_EQ(1, document->RefCount());

    EXPECT_EQ(S_OK, Call(browser.Get(), -550, DISPATCH_METHOD, {}));
    EXPECT_EQ(1, fake->Record().refreshCalls);
    EXPECT_EQ(L"http://a.example/", fake->PendingUrl()) << "Refresh reloads the current page";

    VARIANT off;
    off.vt = VT_I4;
    off.lVal = 0;
    EXPECT_EQ(S_OK, Call(browser.Get(), 551, DISPATCH_PROPERTYPUT, {Bool(true)}));
    EXPECT_EQ(S_OK, Call(browser.Get(), 403, DISPATCH_PROPERTYPUT, {off}));
    EXPECT_EQ(S_OK, browser->put_Silent(VARIANT_FALSE));
    EXPECT_EQ((std::vector<bool>{true, false}), fake->Record().silentPuts);
    EXPECT_EQ((std::vector<bool>{false}), fake->Record().statusBarPuts);
    EXPECT_EQ(S_OK, Call(browser.Get(), 403, DISPATCH_PROPERTYGET, {}, &result));
    EXPECT_EQ(VT_BOOL, result.vt);
    EXPECT_EQ(VARIANT_FALSE, result.boolVal);
    VARIANT_BOOL silent = VARIANT_TRUE;
    EXPECT_EQ(S_OK, browser->get_Silent(&silent));
    EXPECT_EQ(VARIANT_FALSE, silent);

    EXPECT_EQ(DISP_E_MEMBERNOTFOUND, Call(browser.Get(), 999, DISPATCH_METHOD, {}));
    EXPECT_EQ(DISP_E_BADPARAMCOUNT, Call(browser.Get(), 104, DISPATCH_METHOD, {}));
    BSTR location = nullptr;
    EXPECT_EQ(S_OK, browser->get_LocationURL(&location));
    EXPECT_STREQ(L"http://a.example/", location);
    SysFreeString(location);
}

TEST_F(FakeBrowserTest, EventsReachEverySinkInTheRealOrderAndLayout)
{
    FakePage page;
    page.url = L"http://page.example/";
    page.title = L"Page";
    FakePage left, right;
    left.url = L"http://left.example/";
    right.url = L"http://right.example/";
    page.frames = {left, right};
    CFakePageTable::Set(page);

    ComPtr<IWebBrowser2> browser = NewBrowser();
    CFakeWebBrowser* fake = CFakeWebBrowser::Last();
    ComPtr<IProvideClassInfo2> classInfo;
    ASSERT_EQ(S_OK, browser.As(&classInfo));
    GUID source = GUID_NULL;
    EXPECT_EQ(S_OK, classInfo->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &source));
    EXPECT_EQ(DIID_DWebBrowserEvents2, source);

    ComPtr<IConnectionPointContainer> container;
    ASSERT_EQ(S_OK, browser.As(&container));
    ComPtr<IConnectionPoint> point;
    ASSERT_EQ(S_OK, container->FindConnectionPoint(DIID_DWebBrowserEvents2, point.GetAddressOf()));
    CTestSink events2(true), plain(false);
    DWORD cookie2 = 0, cookiePlain = 0;
    ASSERT_EQ(S_OK, point->Advise(&events2, &cookie2));
    ASSERT_EQ(S_OK, point->Advise(&plain, &cookiePlain));
    EXPECT_EQ(2u, fake->SinkCount());
    EXPECT_EQ(1, events2.RefCount());
    EXPECT_EQ(1, plain.RefCount());

    BSTR url = SysAllocString(page.url.c_str());
    browser->Navigate(url, nullptr, nullptr, nullptr, nullptr);
    SysFreeString(url);
    // BeforeNavigate2 came inside Navigate, before anything loaded.
    ASSERT_EQ(1u, events2.events.size());
    EXPECT_EQ(DISPID_BEFORENAVIGATE2, events2.events[0].id);
    const VARTYPE byRef = VT_VARIANT | VT_BYREF;
    EXPECT_EQ((std::vector<VARTYPE>{VT_BOOL | VT_BYREF, byRef, byRef, byRef, byRef, byRef, VT_DISPATCH}),
              events2.events[0].types);
    EXPECT_EQ(page.url, events2.events[0].text);
    EXPECT_TRUE(events2.events[0].cancelFalseOnEntry);
    events2.events.clear();
    plain.events.clear();
    ASSERT_EQ(S_OK, fake->CompleteNavigation());
    ASSERT_EQ(2u, fake->Frames().size());
    IDispatch* self = static_cast<IWebBrowser2*>(fake);
    IDispatch* leftFrame = static_cast<IWebBrowser2*>(fake->Frames()[0].Get());
    IDispatch* rightFrame = static_cast<IWebBrowser2*>(fake->Frames()[1].Get());
    const std::vector<VARTYPE> browserArgs = {VT_VARIANT | VT_BYREF, VT_DISPATCH};
    const std::vector<VARTYPE> twoI4 = {VT_I4, VT_I4};
    const std::vector<VARTYPE> text = {VT_BSTR};
    const std::vector<VARTYPE> none;
    struct Expected {
        DISPID id;
        IDispatch* browser;
        std::wstring text;
        std::vector<VARTYPE> types;
    };
    const Expected expected[] = {
        {DISPID_DOWNLOADBEGIN, nullptr, L"", none},
        {DISPID_PROGRESSCHANGE, nullptr, L"", twoI4},
        {DISPID_STATUSTEXTCHANGE, nullptr, L"正在打开网页 " + page.url + L"...", text},
        {DISPID_COMMANDSTATECHANGE, nullptr, L"", {VT_BOOL, VT_I4}},
        {DISPID_COMMANDSTATECHANGE, nullptr, L"", {VT_BOOL, VT_I4}},
        {DISPID_NAVIGATECOMPLETE2, self, page.url, browserArgs},
        {DISPID_NAVIGATECOMPLETE2, leftFrame, left.url, browserArgs},
        {DISPID_NAVIGATECOMPLETE2, rightFrame, right.url, browserArgs},
        {DISPID_TITLECHANGE, nullptr, page.url, text},
        {DISPID_PROGRESSCHANGE, nullptr, L"", twoI4},
        {DISPID_DOWNLOADCOMPLETE, nullptr, L"", none},
        {DISPID_TITLECHANGE, nullptr, L"Page", text},
        {DISPID_DOCUMENTCOMPLETE, leftFrame, left.url, browserArgs},
        {DISPID_DOCUMENTCOMPLETE, rightFrame, right.url, browserArgs},
        {DISPID_DOCUMENTCOMPLETE, self, page.url, browserArgs},
        {DISPID_PROGRESSCHANGE, nullptr, L"", twoI4},
        {DISPID_STATUSTEXTCHANGE, nullptr, L"完成", text},
    };
    for (CTestSink* sink : {&events2, &plain}) {
        ASSERT_EQ(std::size(expected), sink->events.size());
        for (size_t i = 0; i < std::size(expected); ++i) {
            const SinkEvent& got = sink->events[i];
            EXPECT_EQ(expected[i].id, got.id) << "event " << i;
            EXPECT_EQ(expected[i].browser, got.browser) << "event " << i;
            EXPECT_EQ(expected[i].text, got.text) << "event " << i;
            EXPECT_EQ(expected[i].types, got.types) << "event " << i;
        }
    }
    // Each frame's browser object carries its own document.
    ComPtr<IWebBrowser2> frameBrowser;
    ASSERT_EQ(S_OK, leftFrame->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(frameBrowser.GetAddressOf())));
    ComPtr<IDispatch> frameDocument;
    ASSERT_EQ(S_OK, frameBrowser->get_Document(frameDocument.GetAddressOf()));
    EXPECT_EQ(static_cast<IDispatch*>(static_cast<IHTMLDocument3*>(fake->Frames()[0]->FakeDocument())),
              frameDocument.Get());
    EXPECT_NE(frameDocument.Get(), fake->Document());
    EXPECT_EQ(3u, fake->AllDocuments().size());

    // Nobody cancels NewWindow2: NewWindow3 follows, naming the address.
    events2.events.clear();
    EXPECT_FALSE(fake->FireNewWindow2(L"http://game.example/"));
    ASSERT_EQ(2u, events2.events.size());
    EXPECT_EQ(DISPID_NEWWINDOW2, events2.events[0].id);
    EXPECT_EQ(DISPID_NEWWINDOW3, events2.events[1].id);
    EXPECT_EQ((std::vector<VARTYPE>{VT_BSTR, VT_BSTR, VT_I4, VT_BOOL | VT_BYREF, VT_DISPATCH | VT_BYREF}),
              events2.events[1].types);
    EXPECT_EQ(L"http://game.example/", events2.events[1].text);

    plain.cancelNewWindow = true;
    EXPECT_TRUE(fake->FireNewWindow2());
    const SinkEvent& newWindow = events2.events.back();
    EXPECT_EQ(DISPID_NEWWINDOW2, newWindow.id) << "a cancelled NewWindow2 has no NewWindow3";
    EXPECT_EQ((std::vector<VARTYPE>{VT_BOOL | VT_BYREF, VT_DISPATCH | VT_BYREF}), newWindow.types);
    EXPECT_TRUE(newWindow.newWindowNullOnEntry);
    EXPECT_TRUE(newWindow.cancelFalseOnEntry);

    EXPECT_EQ(S_OK, point->Unadvise(cookiePlain));
    EXPECT_EQ(CONNECT_E_NOCONNECTION, point->Unadvise(cookiePlain));
    EXPECT_EQ(1u, fake->SinkCount());
    EXPECT_EQ(0, plain.RefCount());
    EXPECT_FALSE(fake->FireNewWindow2()) << "only the sink that cancels is gone";
    size_t plainSeen = plain.events.size();
    fake->FireTitleChange(L"Other");
    EXPECT_EQ(L"Other", events2.events.back().text);
    EXPECT_EQ(plainSeen, plain.events.size());

    // A sink that cancels BeforeNavigate2 stops the load before it starts.
    events2.cancelNavigation = true;
    BSTR next = SysAllocString(L"http://next.example/");
    EXPECT_EQ(S_OK, browser->Navigate(next, nullptr, nullptr, nullptr, nullptr));
    SysFreeString(next);
    EXPECT_FALSE(fake->NavigationPending());
    EXPECT_EQ(1, fake->Record().cancelledNavigations);
    EXPECT_EQ(L"http://next.example/", events2.events.back().text);

    EXPECT_EQ(S_OK, point->Unadvise(cookie2));
    EXPECT_EQ(0, events2.RefCount());
}

}  // namespace
