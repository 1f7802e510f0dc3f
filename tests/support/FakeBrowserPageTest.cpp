// The stand-in's pages as a person meets them: the page file's look lines,
// the login form's button, which asks for a new window within the click,
// and the corner of the page that shows what reached it.
#include "FakeBrowserTestFixture.h"
#include "FakeFormLayout.h"
#include "ScreenPixels.h"
#include <exdispid.h>
#include <functional>
#include <memory>
#include <string>

namespace {

const wchar_t kForm[] = L"http://login.example/";
const wchar_t kScene[] = L"http://game.example/";

// A control hosted in a visible window of its own, showing a page, with a
// sink on its events.
class HostedPage {
public:
    explicit HostedPage(const wchar_t* url)
    {
        host = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 700, 420, nullptr, nullptr,
                               nullptr, nullptr);
        site = std::make_unique<CTestSite>(host, RECT{0, 0, 700, 420});
        EXPECT_EQ(S_OK, CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                         reinterpret_cast<void**>(ole.GetAddressOf())));
        ole->SetClientSite(site.get());
        ole->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site.get(), 0, host, nullptr);
        ole.As(&browser);
        ComPtr<IConnectionPointContainer> container;
        ole.As(&container);
        container->FindConnectionPoint(DIID_DWebBrowserEvents2, point.GetAddressOf());
        point->Advise(&sink, &cookie);
        Show(url);
    }
    ~HostedPage()
    {
        point->Unadvise(cookie);
        ole->Close(OLECLOSE_NOSAVE);
        ole->SetClientSite(nullptr);
        point.Reset();
        browser.Reset();
        ole.Reset();
        DestroyWindow(host);
    }

    void Show(const wchar_t* url)
    {
        BSTR address = SysAllocString(url);
        browser->Navigate(address, nullptr, nullptr, nullptr, nullptr);
        SysFreeString(address);
        CFakeWebBrowser::Last()->CompleteNavigation();
        sink.events.clear();
    }
    HWND Window() const { return CFakeWebBrowser::Last()->Window(); }
    FakeFormLayout Layout() const
    {
        RECT client = {};
        GetClientRect(Window(), &client);
        return FakeFormLayout::For(client);
    }
    size_t NewWindows() const
    {
        size_t n = 0;
        for (const SinkEvent& e : sink.events)
            n += e.id == DISPID_NEWWINDOW2;
        return n;
    }
    // What the screen shows of the page once it shows what the page drew.
    std::vector<DWORD> OnScreen() const
    {
        RECT r = {};
        GetWindowRect(Window(), &r);
        return SettledScreenArea(Window(), r);
    }

    HWND host = nullptr;
    std::unique_ptr<CTestSite> site;
    CTestSink sink{true};
    ComPtr<IOleObject> ole;
    ComPtr<IWebBrowser2> browser;
    ComPtr<IConnectionPoint> point;
    DWORD cookie = 0;
};

void SetUpPages()
{
    CFakePageFile::Parse(std::wstring(L"page ") + kForm
                         + L"\n"
                           L"heading 用户登录\n"
                           L"field 账号\tplayer\n"
                           L"password 密码\tsecret\n"
                           L"choice 服务器\t一区\n"
                           L"button 进入游戏\n"
                           L"link 忘记密码？\n"
                           L"link 注册账号\n"
                           L"input loginurl\t\thttp://game.example/\n"
                           L"page "
                         + kScene
                         + L"\n"
                           L"title 一区\n"
                           L"scene 角色 player\n");
}

TEST_F(FakeBrowserTest, PageFileDescribesHowThePageLooks)
{
    SetUpPages();
    FakePageLook form = CFakePageTable::Find(kForm).look;
    EXPECT_TRUE(form.IsForm());
    EXPECT_FALSE(form.scene);
    EXPECT_EQ(L"用户登录", form.heading);
    ASSERT_EQ(3u, form.fields.size());
    const FakeField expected[] = {{FakeField::Text, L"账号", L"player"},
                                  {FakeField::Password, L"密码", L"secret"},
                                  {FakeField::Choice, L"服务器", L"一区"}};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(expected[i].kind, form.fields[i].kind) << i;
        EXPECT_EQ(expected[i].label, form.fields[i].label) << i;
        EXPECT_EQ(expected[i].value, form.fields[i].value) << i;
    }
    EXPECT_EQ(L"进入游戏", form.button);
    EXPECT_EQ((std::vector<std::wstring>{L"忘记密码？", L"注册账号"}), form.links);

    FakePageLook scene = CFakePageTable::Find(kScene).look;
    EXPECT_TRUE(scene.scene);
    EXPECT_FALSE(scene.IsForm());
    EXPECT_EQ(L"角色 player", scene.sceneLine);
    EXPECT_FALSE(CFakePageTable::Find(L"http://plain.example/").look.scene);
}

TEST_F(FakeBrowserTest, FormButtonAsksForANewWindowWithinTheClick)
{
    SetUpPages();
    HostedPage page(kForm);
    FakeFormLayout layout = page.Layout();
    POINT button = CentreOf(layout.button), field = CentreOf(layout.fields[0]);
    struct Case {
        const char* what;
        POINT down, up;
        size_t newWindows;
    };
    const Case cases[] = {
        {"a click on the button", button, button, 1},
        {"a click on a field", field, field, 0},
        {"pressed on the button, let go beside it", button, field, 0},
        {"pressed beside the button, let go on it", field, button, 0},
    };
    for (const Case& c : cases) {
        page.sink.events.clear();
        SendMessageW(page.Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(c.down.x, c.down.y));
        SendMessageW(page.Window(), WM_LBUTTONUP, 0, MAKELPARAM(c.up.x, c.up.y));
        EXPECT_EQ(c.newWindows, page.NewWindows()) << c.what;
        EXPECT_EQ(page.Window(), GetFocus()) << c.what << ": a clicked page takes the keyboard";
    }
    page.Show(kScene);
    SendMessageW(page.Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(button.x, button.y));
    SendMessageW(page.Window(), WM_LBUTTONUP, 0, MAKELPARAM(button.x, button.y));
    EXPECT_EQ(0u, page.NewWindows()) << "a game scene has no button";
}

TEST_F(FakeBrowserTest, PageShowsWhatReachesIt)
{
    SetUpPages();
    for (const wchar_t* url : {kForm, kScene}) {
        HostedPage page(url);
        struct Case {
            const char* what;
            std::function<void()> reach;
            bool shown;
        };
        const Case cases[] = {
            {"a right click", [&] { SendMessageW(page.Window(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5)); },
             true},
            {"Enter", [&] { SendMessageW(page.Window(), WM_KEYDOWN, VK_RETURN, 0); }, true},
            {"a reload", [&] { page.browser->Refresh(); CFakeWebBrowser::Last()->CompleteNavigation(); }, true},
            {"another key", [&] { SendMessageW(page.Window(), WM_KEYDOWN, 'A', 0); }, false},
        };
        for (const Case& c : cases) {
            std::vector<DWORD> before = page.OnScreen();
            c.reach();
            EXPECT_EQ(c.shown, before != page.OnScreen()) << c.what << " on " << std::string(url, url + wcslen(url));
        }
    }
}

}  // namespace
