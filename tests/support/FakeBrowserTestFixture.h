// The fixture of the stand-in browser's self-test: COM and the registration
// for each test, and the check that the test released everything the
// stand-in made.
#pragma once
#include "FakeBrowser.h"
#include "FakeBrowserSelfTestDoubles.h"
#include "Printers.h"
#include <gtest/gtest.h>
#include <memory>

class FakeBrowserTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
        CFakeWebBrowser::ResetHistory();
        m_registration = std::make_unique<CFakeBrowserRegistration>();
        ASSERT_EQ(S_OK, m_registration->Result());
    }
    void TearDown() override
    {
        m_registration.reset();
        CFakePageTable::Clear();
        CFakeWebBrowser::Defaults() = CFakeWebBrowser::Settings();
        // Whatever a test made, it gave back.
        EXPECT_EQ(0, FakeLiveObjectCount());
        OleUninitialize();
    }

    static ComPtr<IWebBrowser2> NewBrowser()
    {
        ComPtr<IWebBrowser2> browser;
        EXPECT_EQ(S_OK, CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IWebBrowser2,
                                         reinterpret_cast<void**>(browser.GetAddressOf())));
        return browser;
    }

    static HRESULT Call(IDispatch* target, DISPID id, WORD flags, std::vector<VARIANT> argsLastFirst,
                        VARIANT* result = nullptr)
    {
        DISPID put = DISPID_PROPERTYPUT;
        DISPPARAMS params = {argsLastFirst.data(), nullptr, static_cast<UINT>(argsLastFirst.size()), 0};
        if (flags == DISPATCH_PROPERTYPUT) {
            params.rgdispidNamedArgs = &put;
            params.cNamedArgs = 1;
        }
        return target->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, nullptr, nullptr);
    }

    std::unique_ptr<CFakeBrowserRegistration> m_registration;
};

inline VARIANT Bool(bool b)
{
    VARIANT v;
    v.vt = VT_BOOL;
    v.boolVal = b ? VARIANT_TRUE : VARIANT_FALSE;
    return v;
}
inline VARIANT Missing()
{
    VARIANT v;
    v.vt = VT_ERROR;
    v.scode = DISP_E_PARAMNOTFOUND;
    return v;
}
inline VARIANT Ref(VARIANT* to)
{
    VARIANT v;
    v.vt = VT_VARIANT | VT_BYREF;
    v.pvarVal = to;
    return v;
}

inline std::wstring ValueText(IDispatch* element)
{
    ComPtr<IHTMLElement> html;
    if (!element || FAILED(element->QueryInterface(IID_IHTMLElement, reinterpret_cast<void**>(html.GetAddressOf()))))
        return L"<no element>";
    BSTR name = SysAllocString(L"value");
    VARIANT value;
    html->getAttribute(name, 0, &value);
    SysFreeString(name);
    std::wstring text = value.vt == VT_BSTR ? std::wstring(value.bstrVal, SysStringLen(value.bstrVal))
                        : value.vt == VT_I4 ? L"#" + std::to_wstring(value.lVal)
                                            : L"<other>";
    VariantClear(&value);
    return text;
}
