// Chinese on the screen: the game window's caption, its exit question and
// the page in it are drawn as glyphs, not as the empty boxes of a font that
// lacks them (the test prefix links a CJK font behind the faces Wine draws
// captions, boxes and dialogs in).
//
// A font without a character draws the same box for every one, so a text
// and the same text with its Chinese characters in another order draw the
// same pixels exactly when the glyphs are missing.  Each case draws the
// product's text, then the reordered text in the same place, and compares
// what the screen shows.
#include "GameWindowFixture.h"
#include "MessageBoxes.h"
#include "ScreenPixels.h"
#include <algorithm>

namespace {

using Pixels = std::vector<DWORD>;

// The text with its CJK characters (ideographs, their punctuation and full
// width forms) in reverse order, everything else in place.
std::wstring Reordered(const std::wstring& text)
{
    auto isCjk = [](wchar_t c) { return c >= 0x2E80; };
    std::wstring cjk;
    std::copy_if(text.begin(), text.end(), std::back_inserter(cjk), isCjk);
    std::wstring out = text;
    auto next = cjk.rbegin();
    for (wchar_t& c : out)
        if (isCjk(c))
            c = *next++;
    return out;
}

size_t Differing(const Pixels& a, const Pixels& b)
{
    if (a.size() != b.size())
        return std::max(a.size(), b.size());
    size_t n = 0;
    for (size_t i = 0; i < a.size(); ++i)
        n += a[i] != b[i];
    return n;
}

// The caption bar of a window: from its top edge down to its client area.
RECT CaptionOf(HWND hwnd)
{
    RECT r = {};
    ::GetWindowRect(hwnd, &r);
    POINT client = {0, 0};
    ::ClientToScreen(hwnd, &client);
    r.bottom = client.y;
    return r;
}

RECT RectOf(HWND hwnd)
{
    RECT r = {};
    ::GetWindowRect(hwnd, &r);
    return r;
}

// What the screen shows of this thread's next message box (its caption bar
// and its message), read once both show on the screen what the box drew
// (or after two seconds); the box is then answered No.
struct BoxPicture {
    Pixels caption;
    Pixels text;
};

BoxPicture g_box;
int g_ticks = 0;

void CALLBACK ReadBox(HWND, UINT, UINT_PTR id, DWORD)
{
    HWND box = FindThreadMessageBox();
    if (!box)
        return;
    HWND text = ::GetDlgItem(box, 0xFFFF);
    bool shown = ScreenShowsWindow(box, CaptionOf(box)) && ScreenShowsWindow(text, RectOf(text));
    if (!shown && ++g_ticks < 40)
        return;
    ::KillTimer(nullptr, id);
    g_box.caption = ScreenArea(CaptionOf(box));
    g_box.text = ScreenArea(RectOf(text));
    ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(box, IDNO)));
}

template <class Open>
BoxPicture PictureOfBox(Open open)
{
    g_box = BoxPicture();
    g_ticks = 0;
    UINT_PTR timer = ::SetTimer(nullptr, 0, 50, ReadBox);
    open();
    ::KillTimer(nullptr, timer);
    return g_box;
}

class ChineseText : public GameWindow {
protected:
    void SetUp() override
    {
        GameWindow::SetUp();
        game.m_bRevealPending = TRUE;
        ShowGamePage(L"Vellmark 一区 · 演示服");
        ASSERT_TRUE(game.IsWindowVisible());
    }

    // A game scene under title, shown in the game window.
    void ShowGamePage(const std::wstring& title)
    {
        FakePage page;
        page.url = L"http://game.example/" + std::to_wstring(++m_pages);
        page.title = title;
        page.look.scene = true;
        CFakePageTable::Set(page);
        BSTR url = ::SysAllocString(page.url.c_str());
        browser->Navigate(url, nullptr, nullptr, nullptr, nullptr);
        ::SysFreeString(url);
        browser->CompleteNavigation();
        Settle();
    }
    // Repaints the game window, frame and children, at once.
    void Settle()
    {
        ::RedrawWindow(game.m_hWnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
    Pixels Caption(const std::wstring& text)
    {
        browser->FireTitleChange(text);
        Settle();
        return SettledScreenArea(game.m_hWnd, CaptionOf(game.m_hWnd));
    }
    Pixels Page(const std::wstring& title)
    {
        ShowGamePage(title);
        return SettledScreenArea(browser->Window(), RectOf(browser->Window()));
    }

    int m_pages = 0;
};

TEST_F(ChineseText, CaptionsBoxesAndPagesDrawGlyphs)
{
    const std::wstring title = L"Zentavo《Vellmark》登陆器 · 一区";
    const std::wstring question = L"游戏正在运行中，是否确定退出？";
    const std::wstring prompt = L"提示";
    ASSERT_NE(Reordered(question), question);

    BoxPicture product = PictureOfBox([&] { game.SendMessage(WM_CLOSE); });
    ASSERT_FALSE(product.text.empty()) << "the exit question did not show";
    BoxPicture reorderedText = PictureOfBox(
        [&] { ::MessageBoxW(game.m_hWnd, Reordered(question).c_str(), prompt.c_str(), MB_YESNO); });
    BoxPicture reorderedCaption = PictureOfBox(
        [&] { ::MessageBoxW(game.m_hWnd, question.c_str(), Reordered(prompt).c_str(), MB_YESNO); });
    EXPECT_EQ(main.closes, 0);

    struct Case {
        const char* what;
        Pixels text, reordered;
    };
    const Case cases[] = {
        {"the exit question's text", product.text, reorderedText.text},
        {"the exit question's caption", product.caption, reorderedCaption.caption},
        {"the game window's caption", Caption(title), Caption(Reordered(title))},
        {"the game page's title", Page(title), Page(Reordered(title))},
    };
    for (const Case& c : cases) {
        ASSERT_FALSE(c.text.empty()) << c.what;
        EXPECT_GT(Differing(c.text, c.reordered), 20u)
            << c.what << ": reordering its Chinese characters changed no pixels, so they are drawn as boxes";
    }
}

}  // namespace
