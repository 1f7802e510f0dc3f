#include "CFakeFrameBrowser.h"

ComPtr<CFakeFrameBrowser> CFakeFrameBrowser::Create(const FakePage& page)
{
    return ComPtr<CFakeFrameBrowser>(new CFakeFrameBrowser(page));
}

CFakeFrameBrowser::CFakeFrameBrowser(const FakePage& page) : CFakeBrowserObject(nullptr)
{
    ++g_fakeLiveObjects;
    ComPtr<CFakeDocument> document;
    if (!page.noDocument)
        document = CFakeDocument::Create(page);
    m_fakeDocument = document.Get();
    ShowPage(page.url, page.title, static_cast<IHTMLDocument3*>(document.Get()));
    for (const FakePage& frame : page.frames)
        m_frames.push_back(Create(frame));
}

CFakeFrameBrowser::~CFakeFrameBrowser()
{
    --g_fakeLiveObjects;
}

HRESULT CFakeFrameBrowser::QueryInterface(REFIID riid, void** ppv)
{
    if (!ppv)
        return E_POINTER;
    *ppv = nullptr;
    if (riid != IID_IUnknown && riid != IID_IDispatch && riid != IID_IWebBrowser && riid != IID_IWebBrowserApp
        && riid != IID_IWebBrowser2)
        return E_NOINTERFACE;
    *ppv = static_cast<IWebBrowser2*>(this);
    AddRef();
    return S_OK;
}

ULONG CFakeFrameBrowser::Release()
{
    LONG left = --m_refs;
    if (left == 0)
        delete this;
    return left;
}
