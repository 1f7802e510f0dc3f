// CFakeFrameBrowser: the browser object of one frame of a stand-in page.  It
// carries the frame's address and document (and its own frames), as the
// object that NavigateComplete2 and DocumentComplete name for that frame.
// Navigating a frame on its own is not modelled: Navigate and Refresh give
// E_NOTIMPL after being recorded nowhere.
#pragma once
#include "CFakeBrowserObject.h"
#include "CFakeDocument.h"
#include "ComStub.h"
#include <vector>

class CFakeFrameBrowser final : public ComStub<StubLife::Counted, CFakeBrowserObject> {
public:
    static ComPtr<CFakeFrameBrowser> Create(const FakePage& page);

    const std::vector<ComPtr<CFakeFrameBrowser>>& Frames() const { return m_frames; }
    CFakeDocument* FakeDocument() const { return m_fakeDocument; }  // null: none
protected:
    HRESULT StartNavigation(const std::wstring&) override { return E_NOTIMPL; }
    HRESULT Reload() override { return E_NOTIMPL; }

private:
    explicit CFakeFrameBrowser(const FakePage& page);
    ~CFakeFrameBrowser() override = default;
    void* Interface(REFIID riid) override;

    CFakeDocument* m_fakeDocument = nullptr;  // the reference is the base's Document()
    std::vector<ComPtr<CFakeFrameBrowser>> m_frames;
};
