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
    CFakeVariant value;      // what getAttribute("value", 0) hands back
    bool noElement = false;  // the object offers IDispatch but not IHTMLElement
};

// How the stand-in draws a page: a login form, a game scene, or (neither
// given) a plain page with its title and address.  The page file's look
// lines fill it (see CFakePageFile.h).
struct FakeField {
    enum Kind { Text, Password, Choice };
    Kind kind = Text;
    std::wstring label;
    std::wstring value;  // a password shows as dots, a choice with its arrow
};

struct FakePageLook {
    std::wstring heading;             // the operator's title over the form
    std::vector<FakeField> fields;    // in order, top to bottom
    std::wstring button;              // its click asks for a new window, as a page's script does
    std::vector<std::wstring> links;  // the form's links: the first under the fields, the rest below
    bool scene = false;               // a full-page game scene under the page's title
    std::wstring sceneLine;           // the line under the title in the scene

    bool IsForm() const { return !heading.empty() || !fields.empty() || !button.empty() || !links.empty(); }
};

struct FakePage {
    std::wstring url;
    std::wstring title;             // TitleChange text; the address when empty
    std::vector<FakeInput> inputs;  // in document order
    std::vector<FakePage> frames;   // each gets its own frame browser object
    FakePageLook look;              // what the control's window draws

    // Hostile documents, for the product's failure paths.
    bool noDocument = false;          // Document reads back null
    bool noDocument3 = false;         // document refuses IHTMLDocument3
    bool noCustomDoc = false;         // document refuses ICustomDoc
    bool itemFails = false;           // collection item() returns E_FAIL, null
    bool itemWrongInterface = false;  // item() returns an object without IHTMLElement

    FakePage& Input(const std::wstring& inputName, const std::wstring& inputId, const CFakeVariant& v)
    {
        inputs.push_back(FakeInput{inputName, inputId, v, false});
        return *this;
    }
};
