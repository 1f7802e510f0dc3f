// The launcher's resources, read back from this executable's own module the
// way the launcher reads them: by numeric id, with no language asked for.
#include "GdiHandles.h"
#include "GdiplusScope.h"
#include "PngImage.h"
#include "Printers.h"
#include "ResourceReader.h"
#include "launcher_addresses.h"
#include "launcher_brand.h"
#include "resource.h"

#include <gtest/gtest.h>
#include <cstring>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

USE_GDIPLUS_IN_TESTS();

namespace {

std::wstring Widen(const char* ascii)
{
    return std::wstring(ascii, ascii + std::strlen(ascii));
}

struct IconDeleter {
    void operator()(HICON icon) const { ::DestroyIcon(icon); }
};
using IconPtr = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

}  // namespace

// ------------------------------------------------------------ catalogue
enum class Kind { String, Png, Template, IconGroup, Manifest };

TEST(Catalogue, EveryIdTheCodeLoadsExistsInItsLanguage)
{
    struct Row {
        Kind kind;
        WORD id;
    };
    const Row rows[] = {
        {Kind::String, IDS_LOGIN_URL},
        {Kind::String, IDS_SITE_URL},
        {Kind::String, IDS_TOPUP_URL},
        {Kind::String, IDS_FORUM_URL},
        {Kind::String, IDS_WINDOW_TITLE},
        {Kind::String, IDS_SERVICE_URL},
        {Kind::String, IDS_CONFIRM_EXIT_LOGIN},
        {Kind::String, IDS_PROMPT_CAPTION},
        {Kind::Png, IDB_LOADING_1},
        {Kind::Png, IDB_LOADING_2},
        {Kind::Png, IDB_LOADING_3},
        {Kind::Png, IDB_LOADING_4},
        {Kind::Png, IDB_SKIN},
        {Kind::Png, IDB_BTN_CLOSE},
        {Kind::Png, IDB_BTN_SERVICE},
        {Kind::Png, IDB_BTN_SITE},
        {Kind::Png, IDB_BTN_TOPUP},
        {Kind::Png, IDB_BTN_FORUM},
        {Kind::Png, IDB_BTN_MINIMIZE},
        {Kind::Template, IDD_MAIN},
        {Kind::Template, IDD_LOGIN_PANE},
        {Kind::Template, IDD_GAME_WINDOW},
        {Kind::Template, IDD_IMAGE_BUTTON},
        {Kind::IconGroup, IDR_MAIN_ICON},
        {Kind::Manifest, 1},
    };
    for (const Row& row : rows) {
        bool found = false;
        switch (row.kind) {
        case Kind::String:  // strings live in blocks of 16
            found = FindResourceBytes(RT_STRING, row.id / 16 + 1).data && !LoadText(row.id).empty();
            break;
        case Kind::Png: found = FindResourceBytes(L"PNG", row.id).data != nullptr; break;
        case Kind::Template: found = FindResourceBytes(RT_DIALOG, row.id).data != nullptr; break;
        case Kind::IconGroup: found = FindResourceBytes(RT_GROUP_ICON, row.id).data != nullptr; break;
        case Kind::Manifest: found = FindResourceBytes(RT_MANIFEST, row.id, kEnglish).data != nullptr; break;
        }
        EXPECT_TRUE(found) << "resource " << row.id << " of kind " << static_cast<int>(row.kind);
    }
    // The gaps among the button images stay gaps.
    HMODULE module = ::GetModuleHandleW(nullptr);
    EXPECT_EQ(::FindResourceW(module, MAKEINTRESOURCEW(144), L"PNG"), nullptr);
    EXPECT_EQ(::FindResourceW(module, MAKEINTRESOURCEW(149), L"PNG"), nullptr);
}

TEST(Catalogue, StringsReadExactly)
{
    // The operator's names, as configured (by default 《Vellmark》 and
    // Zentavo《Vellmark》登陆器).
    EXPECT_EQ(LoadText(IDS_GAME_NAME), L"" LAUNCHER_GAME_NAME);
    EXPECT_EQ(LoadText(IDS_WINDOW_TITLE), L"" LAUNCHER_WINDOW_TITLE);
    EXPECT_EQ(LoadText(IDS_CONFIRM_EXIT_LOGIN), L"游戏正在登陆\uFF0C是否确定退出\uFF1F");
    EXPECT_EQ(LoadText(IDS_PROMPT_CAPTION), L"提示");

    // Addresses: the configured scheme and host, then the operator's fixed path.
    const std::wstring scheme = Widen(LAUNCHER_URL_SCHEME) + L"://";
    struct Row {
        UINT id;
        const char* host;
        const wchar_t* rest;
    };
    const Row rows[] = {
        {IDS_LOGIN_URL, LAUNCHER_MAIN_HOST, L"/vlmk/khd/login.html?v=44"},
        {IDS_SITE_URL, LAUNCHER_MAIN_HOST, L"/vlmk/"},
        {IDS_TOPUP_URL, LAUNCHER_PAY_HOST, L"/?game_id=144"},
        {IDS_FORUM_URL, LAUNCHER_FORUM_HOST, L"/forum-992-1.html"},
        {IDS_SERVICE_URL, LAUNCHER_MEMBER_HOST, L"/help.php"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(LoadText(row.id), scheme + Widen(row.host) + row.rest) << "string " << row.id;
}

// -------------------------------------------------------- version block
TEST(VersionBlock, CarriesTheConfiguredNamesAndNumbers)
{
    EXPECT_NE(FindResourceBytes(RT_VERSION, 1).data, nullptr) << "no version block in Chinese (PRC)";
    wchar_t path[MAX_PATH] = {};
    ASSERT_TRUE(::GetModuleFileNameW(nullptr, path, MAX_PATH));
    DWORD size = ::GetFileVersionInfoSizeW(path, nullptr);
    ASSERT_GT(size, 0u);
    std::vector<BYTE> block(size);
    ASSERT_TRUE(::GetFileVersionInfoW(path, 0, size, block.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(::VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    const WORD numbers[] = {LAUNCHER_VERSION_NUMBERS};
    const DWORD high = MAKELONG(numbers[1], numbers[0]), low = MAKELONG(numbers[3], numbers[2]);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, high);
    EXPECT_EQ(fixed->dwFileVersionLS, low);
    EXPECT_EQ(fixed->dwProductVersionMS, high);
    EXPECT_EQ(fixed->dwProductVersionLS, low);
    EXPECT_EQ(fixed->dwFileFlagsMask, 0x3Fu);
    EXPECT_EQ(fixed->dwFileFlags, 0u);
    EXPECT_EQ(fixed->dwFileOS, DWORD(VOS__WINDOWS32));
    EXPECT_EQ(fixed->dwFileType, DWORD(VFT_APP));

    WORD* translation = nullptr;
    ASSERT_TRUE(
        ::VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length));
    ASSERT_EQ(length, 4u);
    EXPECT_EQ(translation[0], 0x0804);
    EXPECT_EQ(translation[1], 0x03A8);

    struct Row {
        const wchar_t* key;
        const wchar_t* value;
    };
    const Row rows[] = {
        {L"CompanyName", L"" LAUNCHER_COMPANY},      {L"FileDescription", L"" LAUNCHER_WINDOW_TITLE},
        {L"FileVersion", L"" LAUNCHER_VERSION},      {L"InternalName", L"" LAUNCHER_EXE_FILE},
        {L"LegalCopyright", L"" LAUNCHER_COPYRIGHT}, {L"OriginalFilename", L"" LAUNCHER_EXE_FILE},
        {L"ProductName", L"" LAUNCHER_WINDOW_TITLE}, {L"ProductVersion", L"" LAUNCHER_VERSION},
    };
    for (const Row& row : rows) {
        std::wstring query = std::wstring(L"\\StringFileInfo\\080403a8\\") + row.key;
        wchar_t* value = nullptr;
        ASSERT_TRUE(::VerQueryValueW(block.data(), query.c_str(), reinterpret_cast<void**>(&value), &length))
            << "no " << query;
        EXPECT_EQ(std::wstring(value), row.value) << query;
    }
}

// --------------------------------------------------------------- images
TEST(Images, DecodeToTheirSizeAndChannels)
{
    struct Row {
        WORD id;
        UINT width, height;
        bool alpha;
    };
    const Row rows[] = {
        {IDB_LOADING_1, 174, 44, true},
        {IDB_LOADING_2, 174, 44, true},
        {IDB_LOADING_3, 174, 44, true},
        {IDB_LOADING_4, 174, 44, true},
        {IDB_SKIN, 1170, 750, true},
        {IDB_BTN_CLOSE, 35, 35, false},
        {IDB_BTN_CLOSE_HOVER, 35, 35, false},
        {IDB_BTN_SERVICE, 90, 40, false},
        {IDB_BTN_SERVICE_HOVER, 90, 40, false},
        {IDB_BTN_SITE, 90, 40, false},
        {IDB_BTN_SITE_HOVER, 90, 40, false},
        {IDB_BTN_TOPUP, 90, 40, false},
        {IDB_BTN_TOPUP_HOVER, 90, 40, false},
        {IDB_BTN_FORUM, 90, 40, false},
        {IDB_BTN_FORUM_HOVER, 90, 40, false},
        {IDB_BTN_MINIMIZE, 30, 30, false},
        {IDB_BTN_MINIMIZE_HOVER, 30, 30, false},
    };
    for (const Row& row : rows) {
        BitmapPtr bitmap = DecodePng(row.id);
        ASSERT_TRUE(bitmap) << "PNG " << row.id;
        EXPECT_EQ(bitmap->GetWidth(), row.width) << "PNG " << row.id;
        EXPECT_EQ(bitmap->GetHeight(), row.height) << "PNG " << row.id;
        // An RGB file with a transparency chunk would decode with alpha too.
        bool alpha = (bitmap->GetPixelFormat() & PixelFormatAlpha) != 0;
        EXPECT_EQ(alpha, row.alpha) << "PNG " << row.id << " pixel format " << bitmap->GetPixelFormat();
    }
}

TEST(Images, HoverCopiesDecodeToTheSamePixels)
{
    const WORD pairs[][2] = {
        {IDB_BTN_CLOSE, IDB_BTN_CLOSE_HOVER}, {IDB_BTN_SERVICE, IDB_BTN_SERVICE_HOVER},
        {IDB_BTN_SITE, IDB_BTN_SITE_HOVER},   {IDB_BTN_TOPUP, IDB_BTN_TOPUP_HOVER},
        {IDB_BTN_FORUM, IDB_BTN_FORUM_HOVER}, {IDB_BTN_MINIMIZE, IDB_BTN_MINIMIZE_HOVER},
    };
    for (const auto& pair : pairs) {
        BitmapPtr original = DecodePng(pair[0]), hover = DecodePng(pair[1]);
        ASSERT_TRUE(original && hover) << "PNG " << pair[0] << " or " << pair[1];
        std::vector<UINT32> a = ArgbPixels(*original), b = ArgbPixels(*hover);
        EXPECT_FALSE(a.empty()) << "PNG " << pair[0];
        EXPECT_TRUE(SameElements(a, b)) << "PNG " << pair[1] << " does not decode to the pixels of " << pair[0];
    }
}

TEST(Images, SkinOutlineAndOpaqueUnderEveryChild)
{
    BitmapPtr skin = DecodePng(IDB_SKIN);
    ASSERT_TRUE(skin);
    const int width = skin->GetWidth();
    std::vector<UINT32> pixels = ArgbPixels(*skin);
    ASSERT_EQ(pixels.size(), size_t(width) * skin->GetHeight());

    size_t clear = 0, partial = 0;
    for (UINT32 p : pixels) {
        UINT32 alpha = p >> 24;
        clear += alpha == 0;
        partial += alpha != 0 && alpha != 255;
    }
    EXPECT_NEAR(100.0 * clear / pixels.size(), 27.5, 2.0);
    EXPECT_NEAR(100.0 * partial / pixels.size(), 13.9, 2.0);

    // Where the main window places its pop-ups: pane, four link buttons,
    // close, minimize, the loading frames centred on the window.
    const RECT children[] = {
        {382, 225, 382 + 669, 225 + 394}, {424, 154, 424 + 132, 154 + 38}, {533, 154, 533 + 132, 154 + 38},
        {833, 154, 833 + 132, 154 + 38},  {942, 154, 942 + 132, 154 + 38}, {1066, 100, 1066 + 35, 100 + 35},
        {1034, 103, 1034 + 30, 103 + 30}, {498, 353, 498 + 174, 353 + 44},
    };
    for (const RECT& r : children) {
        size_t seeThrough = 0;
        for (LONG y = r.top; y < r.bottom; ++y)
            for (LONG x = r.left; x < r.right; ++x)
                seeThrough += (pixels[size_t(y) * width + x] >> 24) != 255;
        EXPECT_EQ(seeThrough, 0u) << "under the child at (" << r.left << ", " << r.top << ")";
    }
}

// ----------------------------------------------------------------- icon
TEST(Icon, HoldsFourLargeBitmapImagesAndLoadsAtEachEnd)
{
    // The group directory: 32-bit images of 128, 96, 64 and 48 pixels, each
    // stored as a bitmap, which every icon loader reads.
    ResourceBytes group = FindResourceBytes(RT_GROUP_ICON, IDR_MAIN_ICON);
    ASSERT_TRUE(group.data);
    ResourceReader r(group);
    r.Get<WORD>();
    EXPECT_EQ(r.Get<WORD>(), 1);
    WORD count = r.Get<WORD>();
    std::vector<int> sizes;
    for (WORD i = 0; i < count && r.Ok(); ++i) {
        BYTE w = r.Get<BYTE>(), h = r.Get<BYTE>();
        r.Skip(4);  // colours, reserved, planes
        WORD bits = r.Get<WORD>();
        r.Get<DWORD>();
        WORD image = r.Get<WORD>();
        EXPECT_EQ(w, h) << "entry " << i;
        EXPECT_EQ(bits, 32) << "entry " << i;
        ResourceBytes b = FindResourceBytes(RT_ICON, image);
        BITMAPINFOHEADER header{};
        ASSERT_TRUE(b.data) << "icon image " << image;
        ASSERT_GE(b.size, sizeof header) << "icon image " << image;
        std::memcpy(&header, b.data, sizeof header);
        EXPECT_EQ(header.biSize, sizeof header) << "image " << image << " is not stored as a bitmap";
        EXPECT_EQ(header.biWidth, w) << "image " << image;
        EXPECT_EQ(header.biBitCount, 32) << "image " << image;
        sizes.push_back(w);
    }
    EXPECT_EQ(sizes, (std::vector<int>{128, 96, 64, 48}));

    for (int size : {48, 128}) {
        IconPtr icon(static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAIN_ICON),
                                                     IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
        ASSERT_TRUE(icon) << "size " << size;
        ICONINFO info{};
        ASSERT_TRUE(::GetIconInfo(icon.get(), &info));
        CGdiHandle<HBITMAP> colour(info.hbmColor), andMask(info.hbmMask);
        BITMAP bm{};
        ASSERT_TRUE(::GetObjectW(colour, sizeof bm, &bm));
        EXPECT_EQ(bm.bmWidth, size);
        EXPECT_EQ(bm.bmHeight, size);
    }
    // The windows load it as LoadIcon does: the shared icon of the system size.
    EXPECT_NE(::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAIN_ICON)), nullptr);
}
