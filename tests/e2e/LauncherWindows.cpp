#include "LauncherWindows.h"
#include "FakeBrowserChannel.h"
#include <cstdio>

namespace {

std::wstring ClassOf(HWND hwnd)
{
    wchar_t name[128] = {};
    GetClassNameW(hwnd, name, 128);
    return name;
}

std::wstring TextOf(HWND hwnd)
{
    int length = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    int copied = GetWindowTextW(hwnd, text.data(), length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

struct TopLevelSearch {
    DWORD processId;
    std::vector<WindowView>* found;
};

BOOL CALLBACK CollectTopLevel(HWND hwnd, LPARAM lParam)
{
    auto* search = reinterpret_cast<TopLevelSearch*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner == search->processId)
        search->found->push_back(ViewOf(hwnd));
    return TRUE;
}

BOOL CALLBACK FindBrowserControl(HWND hwnd, LPARAM lParam)
{
    if (ClassOf(hwnd) == kFakeBrowserWindowClass) {
        *reinterpret_cast<HWND*>(lParam) = hwnd;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK FindLongestStatic(HWND hwnd, LPARAM lParam)
{
    auto* longest = reinterpret_cast<std::wstring*>(lParam);
    if (_wcsicmp(ClassOf(hwnd).c_str(), L"Static") == 0) {
        std::wstring text = TextOf(hwnd);
        if (text.size() > longest->size())
            *longest = text;
    }
    return TRUE;
}

struct BoxSearch {
    DWORD threadId;
    HWND box;
};

BOOL CALLBACK FindQuestionBox(HWND hwnd, LPARAM lParam)
{
    auto* search = reinterpret_cast<BoxSearch*>(lParam);
    wchar_t name[16] = {};
    GetClassNameW(hwnd, name, 16);
    if (GetWindowThreadProcessId(hwnd, nullptr) == search->threadId && wcscmp(name, L"#32770") == 0
        && IsWindowVisible(hwnd) && GetDlgItem(hwnd, IDYES)) {
        search->box = hwnd;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

WindowView ViewOf(HWND hwnd)
{
    WindowView view;
    view.hwnd = hwnd;
    view.className = ClassOf(hwnd);
    view.caption = TextOf(hwnd);
    GetWindowRect(hwnd, &view.rect);
    view.style = GetWindowLongW(hwnd, GWL_STYLE);
    view.exStyle = GetWindowLongW(hwnd, GWL_EXSTYLE);
    view.visible = IsWindowVisible(hwnd) != FALSE;
    view.owner = GetWindow(hwnd, GW_OWNER);
    view.hostsBrowser = BrowserControlOf(hwnd) != nullptr;
    return view;
}

std::vector<WindowView> TopLevelWindows(DWORD processId)
{
    std::vector<WindowView> found;
    TopLevelSearch search = {processId, &found};
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&search));
    return found;
}

HWND BrowserControlOf(HWND hwnd)
{
    HWND control = nullptr;
    EnumChildWindows(hwnd, FindBrowserControl, reinterpret_cast<LPARAM>(&control));
    return control;
}

std::wstring MessageTextOf(HWND box)
{
    std::wstring longest;
    EnumChildWindows(box, FindLongestStatic, reinterpret_cast<LPARAM>(&longest));
    return longest;
}

std::wstring Describe(const std::vector<WindowView>& windows)
{
    std::wstring text;
    for (const WindowView& w : windows) {
        wchar_t line[512];
        swprintf(line, 512, L"  %p %ls \"%ls\" (%ld,%ld %dx%d) style %08lx ex %08lx %ls owner %p%ls\n",
                 static_cast<void*>(w.hwnd), w.className.c_str(), w.caption.c_str(), w.rect.left, w.rect.top, w.Width(),
                 w.Height(), static_cast<unsigned long>(w.style), static_cast<unsigned long>(w.exStyle),
                 w.visible ? L"visible" : L"hidden", static_cast<void*>(w.owner), w.hostsBrowser ? L" browser" : L"");
        text += line;
        if (HWND control = BrowserControlOf(w.hwnd)) {
            RECT r = {};
            GetWindowRect(control, &r);
            swprintf(line, 512, L"    browser control %p (%ld,%ld %ldx%ld) %ls \"%ls\"\n", static_cast<void*>(control),
                     r.left, r.top, r.right - r.left, r.bottom - r.top,
                     IsWindowVisible(control) ? L"visible" : L"hidden", TextOf(control).c_str());
            text += line;
        }
    }
    return text;
}

HWND QuestionBoxOf(DWORD threadId)
{
    BoxSearch search = {threadId, nullptr};
    EnumWindows(FindQuestionBox, reinterpret_cast<LPARAM>(&search));
    return search.box;
}

LauncherScreen Look(DWORD processId)
{
    LauncherScreen screen;
    screen.all = TopLevelWindows(processId);
    for (const WindowView& w : screen.all)
        if (!w.owner && w.className == L"#32770" && !w.hostsBrowser)
            screen.main = w;
    for (const WindowView& w : screen.all) {
        if (!screen.main.hwnd || w.owner != screen.main.hwnd || w.className != L"#32770")
            continue;
        if (!w.hostsBrowser)
            screen.images.push_back(w);
        else if ((w.style & WS_CAPTION) == WS_CAPTION)
            screen.gameWindow = w;
        else
            screen.loginPane = w;
    }
    return screen;
}
