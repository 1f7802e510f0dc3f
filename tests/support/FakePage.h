// The page model a test sets up for the stand-in browser: what a document
// holds once a navigation to its address completes.
#pragma once
#include "CFakeVariant.h"
#include <string>
#include <vector>

// One <input> element of a page.
struct FakeInput {
    std::wstring name;
    std::wstring id;
    CFakeVariant value;          // what getAttribute("value", 0) hands back
    bool noElement = false;      // the object offers IDispatch but not IHTMLElement
};

struct FakePage {
    std::wstring url;
    std::wstring title;          // TitleChange text; the address when empty
    std::vector<FakeInput> inputs;   // in document order
    std::vector<FakePage> frames;    // each gets its own frame browser object

    // Hostile documents, for the product's failure paths.
    bool noDocument = false;         // Document reads back null
    bool noDocument3 = false;        // document refuses IHTMLDocument3
    bool noCustomDoc = false;        // document refuses ICustomDoc
    bool itemFails = false;          // collection item() returns E_FAIL, null
    bool itemWrongInterface = false; // item() returns an object without IHTMLElement

    FakePage& Input(const std::wstring& inputName, const std::wstring& inputId, const CFakeVariant& v)
    {
        inputs.push_back(FakeInput{inputName, inputId, v, false});
        return *this;
    }
};
