// What a failed check prints.  GoogleTest shows a value it has no printer
// for as raw bytes; these give the Windows and framework types the tests
// compare a readable form, and RectEq / IsEmpty / SameElements are
// comparisons that print both sides (or the first difference) on failure.
// Include this before the checks that use it: GoogleTest finds PrintTo by
// argument-dependent lookup.
#pragma once
#include "CString.h"
#include <windows.h>
#include <gtest/gtest.h>
#include <cstdio>
#include <ostream>
#include <string>
#include <type_traits>
#include <vector>

inline void PrintTo(const RECT& r, std::ostream* os)
{
    *os << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}

inline void PrintTo(const POINT& p, std::ostream* os)
{
    *os << "(" << p.x << "," << p.y << ")";
}

inline void PrintTo(const SIZE& s, std::ostream* os)
{
    *os << s.cx << " x " << s.cy;
}

// In the registry's form, {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}.
inline void PrintTo(const GUID& g, std::ostream* os)
{
    char text[40];
    std::snprintf(text, sizeof text, "{%08lX-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                  static_cast<unsigned long>(g.Data1), g.Data2, g.Data3, g.Data4[0], g.Data4[1], g.Data4[2], g.Data4[3],
                  g.Data4[4], g.Data4[5], g.Data4[6], g.Data4[7]);
    *os << text;
}

inline void PrintTo(const CString& s, std::ostream* os)
{
    *os << ::testing::PrintToString(std::wstring(s.GetString()));
}

// A wide C string compared with a CString prints as text.  GoogleTest does
// that only when the other side is a std::wstring and prints the address
// otherwise, since it cannot know a bare pointer is text; next to a CString
// it always is.  (FormatForComparison is GoogleTest's own point for this.)
namespace testing::internal {
template <>
class FormatForComparison<const wchar_t*, CString> {
public:
    static std::string Format(const wchar_t* value) { return ::testing::PrintToString(value); }
};
template <>
class FormatForComparison<wchar_t*, CString> {
public:
    static std::string Format(const wchar_t* value) { return ::testing::PrintToString(value); }
};
}  // namespace testing::internal

// The two rectangles are the same; on failure both are printed.
inline ::testing::AssertionResult RectEq(const RECT& expected, const RECT& actual)
{
    if (::EqualRect(&expected, &actual))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "expected " << ::testing::PrintToString(expected) << ", got "
                                         << ::testing::PrintToString(actual);
}

// The container is empty; on failure what it holds is printed.
template <class Container>
::testing::AssertionResult IsEmpty(const Container& c)
{
    if (c.empty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "expected nothing, got " << c.size() << ": " << ::testing::PrintToString(c);
}

// One element for SameElements: 32-bit words (pixels, flags) in hex.
template <class T>
std::string ElementText(const T& value)
{
    if constexpr (std::is_integral_v<T> && std::is_unsigned_v<T> && sizeof(T) == 4) {
        char text[16];
        std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(value));
        return text;
    } else {
        return ::testing::PrintToString(value);
    }
}

// The two sequences (vectors, strings) hold the same elements; on failure
// the sizes and the first position where they differ, with both values
// there, are printed: for long sequences such as pixels or megabytes of
// text, where printing everything helps nobody.
template <class Sequence>
::testing::AssertionResult SameElements(const Sequence& expected, const Sequence& actual)
{
    size_t common = expected.size() < actual.size() ? expected.size() : actual.size();
    size_t i = 0;
    while (i < common && expected[i] == actual[i])
        ++i;
    if (i == common && expected.size() == actual.size())
        return ::testing::AssertionSuccess();
    ::testing::AssertionResult failure = ::testing::AssertionFailure();
    failure << "expected " << expected.size() << " elements, got " << actual.size();
    if (i < common)
        failure << "; the first difference is element " << i << ": expected " << ElementText(expected[i]) << ", got "
                << ElementText(actual[i]);
    else
        failure << "; the first " << common << " agree";
    return failure;
}
