// Self-test of the stand-in's scripted documents: input lookup, hostile
// pages, and the UI handler a document holds.
#include "FakeBrowserTestFixture.h"

namespace {

// Navigates a fresh control to page and hands back its document's inputs.
struct LoadedPage {
    ComPtr<IWebBrowser2> browser;
    ComPtr<IDispatch> document;
    ComPtr<IHTMLElementCollection> inputs;
};

LoadedPage Load(const FakePage& page)
{
    LoadedPage loaded;
    CFakePageTable::Set(page);
    CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IWebBrowser2,
                     reinterpret_cast<void**>(loaded.browser.GetAddressOf()));
    BSTR url = SysAllocString(page.url.c_str());
    loaded.browser->Navigate(url, nullptr, nullptr, nullptr, nullptr);
    SysFreeString(url);
    CFakeWebBrowser::Last()->CompleteNavigation();
    loaded.browser->get_Document(loaded.document.GetAddressOf());
    ComPtr<IHTMLDocument3> document3;
    if (loaded.document && SUCCEEDED(loaded.document.As(&document3))) {
        BSTR tag = SysAllocString(L"input");
        document3->getElementsByTagName(tag, loaded.inputs.GetAddressOf());
        SysFreeString(tag);
    }
    return loaded;
}

HRESULT Item(IHTMLElementCollection* inputs, const wchar_t* name, LONG index, ComPtr<IDispatch>& found)
{
    VARIANT key;
    key.vt = VT_BSTR;
    key.bstrVal = SysAllocString(name);
    VARIANT at;
    at.vt = VT_I4;
    at.lVal = index;
    HRESULT hr = inputs->item(key, at, found.ReleaseAndGetAddressOf());
    VariantClear(&key);
    return hr;
}

TEST_F(FakeBrowserTest, ItemFindsTheFirstInputByNameOrIdExactly)
{
    FakePage page;
    page.url = L"http://form.example/";
    page.Input(L"user", L"loginurl", CFakeVariant::Bstr(L"first"))
        .Input(L"loginurl", L"", CFakeVariant::Bstr(L"second"))
        .Input(L"count", L"", CFakeVariant::I4(5))
        .Input(L"nul", L"", CFakeVariant::Bstr(std::wstring(L"a\0b", 3)));
    page.inputs.push_back(FakeInput{L"plain", L"", CFakeVariant::Bstr(L"x"), true});
    LoadedPage loaded = Load(page);
    ASSERT_TRUE(loaded.inputs);

    struct Case {
        const wchar_t* name;
        LONG index;
        std::wstring value;
    };
    const Case cases[] = {
        {L"loginurl", 0, L"first"},     {L"loginurl", 1, L"second"}, {L"user", 0, L"first"},
        {L"LOGINURL", 0, L"<none>"},    {L"login", 0, L"<none>"},    {L"count", 0, L"#5"},
        {L"plain", 0, L"<no element>"}, {L"", 0, L"<none>"},
    };
    for (const Case& c : cases) {
        ComPtr<IDispatch> found;
        EXPECT_EQ(S_OK, Item(loaded.inputs.Get(), c.name, c.index, found)) << c.name;
        EXPECT_EQ(c.value, found ? ValueText(found.Get()) : L"<none>") << c.name << " " << c.index;
    }
    ComPtr<IDispatch> nul;
    Item(loaded.inputs.Get(), L"nul", 0, nul);
    EXPECT_EQ(std::wstring(L"a\0b", 3), ValueText(nul.Get())) << "a BSTR keeps its embedded NUL";
}

TEST_F(FakeBrowserTest, HostilePagesFailWhereTheyAreMeantTo)
{
    struct Case {
        const char* what;
        void (*spoil)(FakePage&);
        bool document, inputs, customDoc;
        HRESULT item;
        bool element;
    };
    const Case cases[] = {
        {"plain", [](FakePage&) {}, true, true, true, S_OK, true},
        {"noDocument", [](FakePage& p) { p.noDocument = true; }, false, false, false, S_OK, false},
        {"noDocument3", [](FakePage& p) { p.noDocument3 = true; }, true, false, true, S_OK, false},
        {"noCustomDoc", [](FakePage& p) { p.noCustomDoc = true; }, true, true, false, S_OK, true},
        {"itemFails", [](FakePage& p) { p.itemFails = true; }, true, true, true, E_FAIL, false},
        {"itemWrongInterface", [](FakePage& p) { p.itemWrongInterface = true; }, true, true, true, S_OK, false},
    };
    for (const Case& c : cases) {
        FakePage page;
        page.url = L"http://hostile.example/";
        page.Input(L"loginurl", L"", CFakeVariant::Bstr(L"v"));
        c.spoil(page);
        LoadedPage loaded = Load(page);
        EXPECT_EQ(c.document, loaded.document != nullptr) << c.what;
        EXPECT_EQ(c.inputs, loaded.inputs != nullptr) << c.what;
        ComPtr<ICustomDoc> custom;
        if (loaded.document)
            loaded.document->QueryInterface(__uuidof(ICustomDoc), reinterpret_cast<void**>(custom.GetAddressOf()));
        EXPECT_EQ(c.customDoc, custom != nullptr) << c.what;
        if (loaded.inputs) {
            ComPtr<IDispatch> found;
            EXPECT_EQ(c.item, Item(loaded.inputs.Get(), L"loginurl", 0, found)) << c.what;
            EXPECT_EQ(c.element ? L"v" : (found ? L"<no element>" : L"<none>"),
                      found ? ValueText(found.Get()) : L"<none>")
                << c.what;
        }
    }
}

TEST_F(FakeBrowserTest, DocumentHoldsItsUIHandlerUntilReleased)
{
    FakePage page;
    page.url = L"http://ui.example/";
    LoadedPage loaded = Load(page);
    CFakeDocument* document = CFakeWebBrowser::Last()->FakeDocument();
    ComPtr<ICustomDoc> custom;
    ASSERT_EQ(S_OK,
              loaded.document->QueryInterface(__uuidof(ICustomDoc), reinterpret_cast<void**>(custom.GetAddressOf())));
    CTestUIHandler handler;
    DOCHOSTUIINFO info;
    EXPECT_EQ(E_FAIL, document->AskHostInfo(0, &info)) << "no handler yet";
    EXPECT_EQ(S_OK, custom->SetUIHandler(&handler));
    EXPECT_EQ(1, handler.RefCount());
    EXPECT_EQ(S_OK, document->AskHostInfo(0x1, &info));
    EXPECT_EQ(0x1u | DOCHOSTUIFLAG_NO3DBORDER | DOCHOSTUIFLAG_SCROLL_NO, info.dwFlags);
    custom->SetUIHandler(&handler);
    EXPECT_EQ(1, handler.RefCount()) << "a second install replaces, not adds";
    EXPECT_EQ(2, document->SetUIHandlerCalls());

    // A new page replaces the document; the old one goes once nobody holds it.
    custom.Reset();
    loaded.inputs.Reset();
    loaded.document.Reset();
    BSTR next = SysAllocString(L"http://next.example/");
    loaded.browser->Navigate(next, nullptr, nullptr, nullptr, nullptr);
    SysFreeString(next);
    CFakeWebBrowser::Last()->CompleteNavigation();
    EXPECT_EQ(0, handler.RefCount());
}

TEST_F(FakeBrowserTest, PageFileFillsThePageTable)
{
    EXPECT_EQ(2, CFakePageFile::Parse(L"# two pages\r\n"
                                      L"page http://one.example/\r\n"
                                      L"title One\r\n"
                                      L"input a\tb\tc d\r\n"
                                      L"flags noCustomDoc itemFails\r\n"
                                      L"frame http://inner.example/\r\n"
                                      L"flags noDocument\r\n"
                                      L"page http://two.example/\r\n"));
    FakePage one = CFakePageTable::Find(L"http://one.example/");
    EXPECT_EQ(L"One", one.title);
    ASSERT_EQ(1u, one.inputs.size());
    EXPECT_EQ(L"a", one.inputs[0].name);
    EXPECT_EQ(L"b", one.inputs[0].id);
    EXPECT_STREQ(L"c d", one.inputs[0].value.Get().bstrVal);
    EXPECT_TRUE(one.noCustomDoc);
    EXPECT_TRUE(one.itemFails);
    EXPECT_FALSE(one.noDocument);
    ASSERT_EQ(1u, one.frames.size());
    EXPECT_TRUE(one.frames[0].noDocument);
    EXPECT_EQ(0u, CFakePageTable::Find(L"http://two.example/").inputs.size());
    EXPECT_EQ(-1, CFakePageFile::Load(L"C:\\no\\such\\file.txt"));
}

}  // namespace
