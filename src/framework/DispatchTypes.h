// Parameter-type strings for CWnd::InvokeHelper and the event sink maps:
// one byte per argument, the VARTYPE, with 0x40 marking "by reference".
//   InvokeHelper(104, DISPATCH_METHOD, VT_EMPTY, nullptr,
//                VTS_BSTR VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT, url, ...)
#pragma once
#include <windows.h>
#include <oleauto.h>

#define VT_AFXBYREF 0x40

#define VTS_NONE      ""
#define VTS_I2        "\x02"
#define VTS_I4        "\x03"
#define VTS_BSTR      "\x08"  // passed as LPCWSTR
#define VTS_DISPATCH  "\x09"  // IDispatch*
#define VTS_BOOL      "\x0B"  // BOOL
#define VTS_VARIANT   "\x0C"  // const VARIANT*
#define VTS_UNKNOWN   "\x0D"  // IUnknown*
#define VTS_PI4       "\x43"  // long*
#define VTS_PBSTR     "\x48"  // BSTR*
#define VTS_PDISPATCH "\x49"  // IDispatch**
#define VTS_PBOOL     "\x4B"  // BOOL*
#define VTS_PVARIANT  "\x4C"  // VARIANT*
