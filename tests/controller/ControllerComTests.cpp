// The web UI controller as a COM object on its own: its two views and their
// one count, its event entry point and its answers to a document.
#include "CWebUIController.h"
#include "ComStub.h"
#include <gtest/gtest.h>
#include <cstring>
#include <vector>

namespace {

// Which pointer a QueryInterface is expected to give.
enum class View { Events, Handler, None };

void* ViewPointer(CWebUIController& c, View v)
{
    switch (v) {
    case View::Events: return static_cast<DWebBrowserEvents2*>(&c);
    case View::Handler: return static_cast<IDocHostUIHandler*>(&c);
    case View::None: break;
    }
    return nullptr;
}

const char* ViewName(View v)
{
    return v == View::Events ? "events view" : v == View::Handler ? "handler view" : "none";
}

TEST(ControllerIdentity, QueryInterfaceFromEitherView)
{
    struct Case {
        const char* name;
        REFIID iid;
        View expected;
    };
    const Case cases[] = {
        {"IUnknown", IID_IUnknown, View::Handler},
        {"IDocHostUIHandler", IID_IDocHostUIHandler, View::Handler},
        {"IDispatch", IID_IDispatch, View::Events},
        {"DWebBrowserEvents2", DIID_DWebBrowserEvents2, View::Events},
        // Interfaces a document or the control may well ask a handler for.
        {"IDocHostUIHandler2", __uuidof(IDocHostUIHandler2), View::None},
        {"IOleCommandTarget", IID_IOleCommandTarget, View::None},
        {"DWebBrowserEvents", DIID_DWebBrowserEvents, View::None},
        {"IWebBrowser2", IID_IWebBrowser2, View::None},
        {"IConnectionPointContainer", IID_IConnectionPointContainer, View::None},
    };
    CWebUIController c;
    IUnknown* fromView[] = {static_cast<DWebBrowserEvents2*>(&c), static_cast<IDocHostUIHandler*>(&c)};
    for (IUnknown* self : fromView) {
        for (const Case& k : cases) {
            SCOPED_TRACE(std::string(k.name) + " asked of the "
                         + (self == fromView[0] ? "events view" : "handler view"));
            void* out = reinterpret_cast<void*>(0x1234);
            HRESULT hr = self->QueryInterface(k.iid, &out);
            if (k.expected == View::None) {
                EXPECT_EQ(hr, E_NOINTERFACE);
                EXPECT_EQ(out, nullptr);
                EXPECT_EQ(c.AddRef(), 1u) << "a refused interface adds no reference";
                c.Release();
                continue;
            }
            ASSERT_EQ(hr, S_OK);
            EXPECT_EQ(out, ViewPointer(c, k.expected)) << "expected the " << ViewName(k.expected);
            // One count behind both views: the answer added one, and
            // either view gives it back.
            EXPECT_EQ(static_cast<IUnknown*>(out)->AddRef(), 2u);
            EXPECT_EQ(fromView[0]->Release(), 1u);
            EXPECT_EQ(fromView[1]->Release(), 0u);
        }
    }
}

TEST(ControllerIdentity, ReleaseAtZeroKeepsTheObjectUsable)
{
    // As the windows hold it: a member between other members.
    struct Owner {
        DWORD before = 0xA1A1A1A1;
        CWebUIController controller;
        DWORD after = 0xB2B2B2B2;
    } owner;
    CWebUIController& c = owner.controller;
    EXPECT_TRUE(c.m_b3DBorder);
    EXPECT_TRUE(c.m_bScrollBars);

    EXPECT_EQ(c.AddRef(), 1u) << "a new controller holds no reference";
    EXPECT_EQ(c.Release(), 0u);
    EXPECT_EQ(c.SetWebBrowser(nullptr), S_OK) << "detaching a detached controller";

    // Nothing was freed: the object answers and counts as before.
    IUnknown* unk = nullptr;
    ASSERT_EQ(c.QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unk)), S_OK);
    EXPECT_EQ(unk->AddRef(), 2u);
    EXPECT_EQ(unk->Release(), 1u);
    EXPECT_EQ(unk->Release(), 0u);
    EXPECT_TRUE(c.m_b3DBorder);
    EXPECT_TRUE(c.m_bScrollBars);
    EXPECT_EQ(owner.before, 0xA1A1A1A1u);
    EXPECT_EQ(owner.after, 0xB2B2B2B2u);
}

// A page or frame object that only records what it is asked for.  It offers
// no IWebBrowser2, so a controller that tries to install its handler asks
// for that and stops there.
class CProbeObject : public ComStub<StubLife::Test, DispatchStubs<IDispatch>> {
public:
    std::vector<IID> asked;

    bool AskedForBrowser() const
    {
        for (const IID& iid : asked)
            if (iid == IID_IWebBrowser2)
                return true;
        return false;
    }

private:
    void* Interface(REFIID riid) override
    {
        asked.push_back(riid);
        return IidIn(riid, {IID_IUnknown, IID_IDispatch}) ? static_cast<IDispatch*>(this) : nullptr;
    }
};

TEST(ControllerInvoke, ChecksItsArgumentsBeforeInstalling)
{
    // vtObject is the type of rgvarg[1], the navigated object; rgvarg[0]
    // is the address by reference, as the control sends it.
    struct Case {
        const char* name;
        DISPID dispid;
        bool withParams;
        UINT cArgs;
        VARTYPE vtObject;
        HRESULT expected;
        bool installs;
    };
    const VARTYPE VT_URLREF = VT_VARIANT | VT_BYREF;
    const Case cases[] = {
        {"no parameter block, NavigateComplete2", 252, false, 2, VT_DISPATCH, E_INVALIDARG, false},
        {"no parameter block, DocumentComplete", 259, false, 2, VT_DISPATCH, E_INVALIDARG, false},
        {"no parameter block, DISPID 0", 0, false, 2, VT_DISPATCH, E_INVALIDARG, false},
        {"DocumentComplete is ignored", 259, true, 2, VT_DISPATCH, S_OK, false},
        {"NewWindow2 is ignored", 251, true, 2, VT_DISPATCH, S_OK, false},
        {"NavigateComplete2 without arguments", 252, true, 0, VT_DISPATCH, E_INVALIDARG, false},
        {"NavigateComplete2 with one argument", 252, true, 1, VT_DISPATCH, E_INVALIDARG, false},
        {"object as VT_UNKNOWN", 252, true, 2, VT_UNKNOWN, E_INVALIDARG, false},
        {"object as VT_DISPATCH|VT_BYREF", 252, true, 2, VT_DISPATCH | VT_BYREF, E_INVALIDARG, false},
        {"object in the wrong place", 252, true, 2, VT_URLREF, E_INVALIDARG, false},
        {"well-formed NavigateComplete2", 252, true, 2, VT_DISPATCH, S_OK, true},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        CWebUIController c;
        CProbeObject object;
        IDispatch* pObject = &object;

        VARIANT url;
        url.vt = VT_BSTR;
        url.bstrVal = SysAllocString(L"http://example.com/");
        VARIANT args[2];
        args[0].vt = VT_URLREF;
        args[0].pvarVal = &url;
        args[1].vt = k.vtObject;
        if (k.vtObject == VT_URLREF) {
            // Swapped: the object first, the address last.
            args[0].vt = VT_DISPATCH;
            args[0].pdispVal = pObject;
            args[1].pvarVal = &url;
        } else if (k.vtObject & VT_BYREF) {
            args[1].ppdispVal = &pObject;
        } else {
            args[1].pdispVal = pObject;
        }
        if (k.cArgs == 1) {
            args[0].vt = VT_DISPATCH;
            args[0].pdispVal = pObject;
        }
        DISPPARAMS params = {args, nullptr, k.cArgs, 0};
        VARIANT result;
        result.vt = VT_I4;
        result.lVal = 0x5A5A;

        HRESULT hr = c.Invoke(k.dispid, IID_NULL, 0, DISPATCH_METHOD, k.withParams ? &params : nullptr, &result,
                              nullptr, nullptr);
        EXPECT_EQ(hr, k.expected);
        EXPECT_EQ(object.AskedForBrowser(), k.installs);
        EXPECT_EQ(object.RefCount(), 0) << "every reference taken on the object is given back";
        EXPECT_EQ(result.vt, VT_I4);
        EXPECT_EQ(result.lVal, 0x5A5A) << "no result is written";
        SysFreeString(url.bstrVal);
    }
}

TEST(ControllerInvoke, NullObjectIsAcceptedAndIgnored)
{
    CWebUIController c;
    VARIANT args[2];
    args[0].vt = VT_EMPTY;
    args[1].vt = VT_DISPATCH;
    args[1].pdispVal = nullptr;
    DISPPARAMS params = {args, nullptr, 2, 0};
    EXPECT_EQ(c.Invoke(252, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr), S_OK);
}

TEST(ControllerHostInfo, AddsOnlyTheTwoFlags)
{
    struct Case {
        BOOL border;
        BOOL scrollBars;
        DWORD flagsIn;
        DWORD flagsOut;
    };
    const Case cases[] = {
        {TRUE, TRUE, 0x00000000, 0x00000000},   {TRUE, TRUE, 0x40000011, 0x40000011},
        {FALSE, FALSE, 0x00000000, 0x0000000C}, {FALSE, FALSE, 0x00010004, 0x0001000C},
        {FALSE, TRUE, 0x00000010, 0x00000014},  {TRUE, FALSE, 0x00000010, 0x00000018},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << "border " << k.border << ", scroll bars " << k.scrollBars << ", flags in 0x"
                                        << std::hex << k.flagsIn);
        CWebUIController c;
        c.m_b3DBorder = k.border;
        c.m_bScrollBars = k.scrollBars;

        // The document's block, filled with a pattern: only dwFlags may
        // change.
        DOCHOSTUIINFO info;
        std::memset(&info, 0xA5, sizeof info);
        info.dwFlags = k.flagsIn;
        DOCHOSTUIINFO expected = info;
        expected.dwFlags = k.flagsOut;

        EXPECT_EQ(c.GetHostInfo(&info), S_OK);
        EXPECT_EQ(info.dwFlags, k.flagsOut);
        // Every other member as the document left it.
        EXPECT_EQ(info.cbSize, expected.cbSize);
        EXPECT_EQ(info.dwDoubleClick, expected.dwDoubleClick);
        // As addresses: the pattern is no text to print.
        EXPECT_EQ(static_cast<const void*>(info.pchHostCss), static_cast<const void*>(expected.pchHostCss));
        EXPECT_EQ(static_cast<const void*>(info.pchHostNS), static_cast<const void*>(expected.pchHostNS));
    }
    CWebUIController c;
    c.m_b3DBorder = FALSE;
    c.m_bScrollBars = FALSE;
    EXPECT_EQ(c.GetHostInfo(nullptr), S_OK);
}

TEST(ControllerHostInfo, DeclinesEveryOtherRequestWritingNothing)
{
    CWebUIController c;
    IDocHostUIHandler* h = &c;
    IDispatch* d = static_cast<DWebBrowserEvents2*>(&c);
    // Sentinels in every output: a declined request leaves them as they were.
    void* const mark = reinterpret_cast<void*>(0x7E57);
    LPOLESTR key = static_cast<LPOLESTR>(mark);
    IDropTarget* drop = static_cast<IDropTarget*>(mark);
    IDispatch* external = static_cast<IDispatch*>(mark);
    LPWSTR urlOut = static_cast<LPWSTR>(mark);
    IDataObject* data = static_cast<IDataObject*>(mark);
    UINT typeInfoCount = 77;
    ITypeInfo* typeInfo = static_cast<ITypeInfo*>(mark);
    DISPID dispid = 4242;
    WCHAR name[] = L"Navigate";
    LPOLESTR names[] = {name};
    POINT pt = {1, 2};
    RECT border = {1, 2, 3, 4};
    MSG msg = {};
    WCHAR urlIn[] = L"http://example.com/";

    const HRESULT results[] = {
        h->ShowContextMenu(0, &pt, nullptr, nullptr),
        h->ShowUI(0, nullptr, nullptr, nullptr, nullptr),
        h->HideUI(),
        h->UpdateUI(),
        h->EnableModeless(TRUE),
        h->OnDocWindowActivate(TRUE),
        h->OnFrameWindowActivate(TRUE),
        h->ResizeBorder(&border, nullptr, TRUE),
        h->TranslateAccelerator(&msg, nullptr, 0),
        h->GetOptionKeyPath(&key, 0),
        h->GetDropTarget(nullptr, &drop),
        h->GetExternal(&external),
        h->TranslateUrl(0, urlIn, &urlOut),
        h->FilterDataObject(nullptr, &data),
        d->GetTypeInfoCount(&typeInfoCount),
        d->GetTypeInfo(0, 0, &typeInfo),
        d->GetIDsOfNames(IID_NULL, names, 1, 0, &dispid),
    };
    for (size_t i = 0; i < sizeof results / sizeof results[0]; ++i)
        EXPECT_EQ(results[i], E_NOTIMPL) << "request #" << i;
    EXPECT_EQ(key, mark);
    EXPECT_EQ(drop, mark);
    EXPECT_EQ(external, mark);
    EXPECT_EQ(urlOut, mark);
    EXPECT_EQ(data, mark);
    EXPECT_EQ(typeInfoCount, 77u);
    EXPECT_EQ(typeInfo, mark);
    EXPECT_EQ(dispid, 4242);
    EXPECT_EQ(c.AddRef(), 1u) << "declining takes no reference";
    c.Release();
}

}  // namespace
