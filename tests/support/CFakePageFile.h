// CFakePageFile: fills the page table from a text file, for a stand-in that
// runs without a test to set pages up (the in-process server DLL, loaded by
// the launcher itself in the demo and end-to-end runs).
//
// UTF-8, one statement per line: a keyword, a space, then the rest; the
// fields of an input line are separated by tabs.  '#' starts a comment line:
//   page <url>                      a new top-level page
//   frame <url>                     a frame of the current top-level page
//   title <text>                    of the page or frame last started
//   input <name> <id> <value>       a string input (id and value may be empty)
//   flags <flag> ...                noDocument noDocument3 noCustomDoc
//                                   itemFails itemWrongInterface
// and what the control's window draws of the page (FakePageLook):
//   heading <text>                  a login form under this title
//   field <label> <value>           a text field of the form
//   password <label> <value>        a password field (drawn as dots)
//   choice <label> <value>          a drop-down choice showing value
//   button <label>                  the form's button: a click fires NewWindow2
//   link <text>                     a link of the form (the first under the fields)
//   scene <line>                    a game scene under the page's title
#pragma once
#include "FakePage.h"

class CFakePageFile {
public:
    // Adds every page of the file to CFakePageTable.  Returns the number of
    // top-level pages read, or -1 when the file cannot be read.
    static int Load(const std::wstring& path);
    // The same for text already in memory.
    static int Parse(const std::wstring& text);
};
