#include "CFakeFrameBrowser.h"

ComPtr<CFakeFrameBrowser> CFakeFrameBrowser::Create(const FakePage& page)
{
    return ComPtr<CFakeFrameBrowser>(new CFakeFrameBrowser(page));
}

CFakeFrameBrowser::CFakeFrameBrowser(const FakePage& page) : ComStub(nullptr)
{
    ComPtr<CFakeDocument> document;
    if (!page.noDocument)
        document = CFakeDocument::Create(page);
    m_fakeDocument = document.Get();
    ShowPage(page.url, page.title, static_cast<IHTMLDocument3*>(document.Get()));
    for (const FakePage& frame : page.frames)
        m_frames.push_back(Create(frame));
}

void* CFakeFrameBrowser::Interface(REFIID riid)
{
    if (IidIn(riid, {IID_IUnknown, IID_IDispatch, IID_IWebBrowser, IID_IWebBrowserApp, IID_IWebBrowser2}))
        return static_cast<IWebBrowser2*>(this);
    return nullptr;
}
