#include "OccCallLog.h"
#include "OccTrace.h"
#include <cstdio>
#include <objbase.h>
#include <oleidl.h>

namespace {

std::vector<std::wstring> g_lines;

struct Named {
    const wchar_t* guid;
    const wchar_t* name;
};

// By their registered text, so no import library has to define them.
const Named kInterfaces[] = {
    {L"{00000000-0000-0000-C000-000000000046}", L"IUnknown"},
    {L"{00020400-0000-0000-C000-000000000046}", L"IDispatch"},
    {L"{00000118-0000-0000-C000-000000000046}", L"IOleClientSite"},
    {L"{00000119-0000-0000-C000-000000000046}", L"IOleInPlaceSite"},
    {L"{00000114-0000-0000-C000-000000000046}", L"IOleWindow"},
    {L"{00000115-0000-0000-C000-000000000046}", L"IOleInPlaceUIWindow"},
    {L"{00000116-0000-0000-C000-000000000046}", L"IOleInPlaceFrame"},
    {L"{0000011B-0000-0000-C000-000000000046}", L"IOleContainer"},
    {L"{0000010F-0000-0000-C000-000000000046}", L"IAdviseSink"},
    {L"{00000003-0000-0000-C000-000000000046}", L"IMarshal"},
    {L"{00000018-0000-0000-C000-000000000046}", L"IStdMarshalInfo"},
    {L"{00000019-0000-0000-C000-000000000046}", L"IExternalConnection"},
    {L"{B196B289-BAB4-101A-B69C-00AA00341D07}", L"IOleControlSite"},
    {L"{9C2CAD80-3424-11CF-B670-00AA004CD6D8}", L"IOleInPlaceSiteEx"},
    {L"{922EADA0-3424-11CF-B670-00AA004CD6D8}", L"IOleInPlaceSiteWindowless"},
    {L"{BD3F23C0-D43E-11CF-893B-00AA00BDCE1A}", L"IDocHostUIHandler"},
    {L"{3050F6D0-98B5-11CF-BB82-00AA00BDCE0B}", L"IDocHostUIHandler2"},
    {L"{C4D244B0-D43E-11CF-893B-00AA00BDCE1A}", L"IDocHostShowUI"},
    {L"{B722BCCB-4E68-101B-A2BC-00AA00404770}", L"IOleCommandTarget"},
    {L"{6D5140C1-7436-11CE-8034-00AA006009FA}", L"IServiceProvider"},
    {L"{9BFBBC02-EFF1-101A-84ED-00AA00341D07}", L"IPropertyNotifySink"},
    {L"{A6EF9860-C720-11D0-9337-00A0C90DCAA9}", L"IDispatchEx"},
    {L"{FC4801A3-2BA9-11CF-A229-00AA003D7352}", L"IObjectWithSite"},
};

std::wstring ResultName(HRESULT hr)
{
    switch (hr) {
    case S_OK: return L"S_OK";
    case S_FALSE: return L"S_FALSE";
    case E_NOINTERFACE: return L"E_NOINTERFACE";
    case E_NOTIMPL: return L"E_NOTIMPL";
    case E_FAIL: return L"E_FAIL";
    case E_POINTER: return L"E_POINTER";
    case DISP_E_MEMBERNOTFOUND: return L"DISP_E_MEMBERNOTFOUND";
    case INPLACE_E_NOTOOLSPACE: return L"INPLACE_E_NOTOOLSPACE";
    default: {
        wchar_t text[16];
        std::swprintf(text, 16, L"0x%08lX", static_cast<unsigned long>(hr));
        return text;
    }
    }
}

void Collect(LPCWSTR call, const IID* piid, HRESULT hr)
{
    std::wstring line = call;
    if (piid)
        line += L"(" + InterfaceName(*piid) + L")";
    g_lines.push_back(line + L" -> " + ResultName(hr));
}

}  // namespace

std::wstring InterfaceName(REFIID riid)
{
    wchar_t text[40] = {};
    ::StringFromGUID2(riid, text, 40);
    for (const Named& n : kInterfaces) {
        if (_wcsicmp(n.guid, text) == 0)
            return n.name;
    }
    return text;
}

OccCallLog::OccCallLog()
{
    g_lines.clear();
    AfxSetOccTrace(&Collect);
}

OccCallLog::~OccCallLog()
{
    AfxSetOccTrace(nullptr);
    g_lines.clear();
}

int OccCallLog::Find(const std::wstring& prefix, int from) const
{
    for (size_t i = from < 0 ? 0 : static_cast<size_t>(from); i < g_lines.size(); ++i) {
        if (g_lines[i].compare(0, prefix.size(), prefix) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

std::string OccCallLog::Text() const
{
    std::string text;
    for (const std::wstring& line : g_lines) {
        for (wchar_t c : line)
            text += c < 128 ? static_cast<char>(c) : '?';
        text += '\n';
    }
    return text;
}
