// The stand-in WebBrowser control for browser tests.
//
// Usage (COM initialised apartment-threaded on the test's thread):
//
//   CFakeBrowserRegistration reg;          // CoCreateInstance(CLSID_WebBrowser)
//                                          // now makes a CFakeWebBrowser
//   FakePage login;                        // what a page holds
//   login.url = L"http://login.example/";
//   login.title = L"Login";
//   login.Input(L"loginurl", L"", CFakeVariant::Bstr(L"http://game.example/"));
//   login.frames.push_back(FakePage{...}); // each frame: own browser object
//   CFakePageTable::Set(login);            // unknown URLs give empty pages
//
//   ... the container creates and activates the control ...
//   CFakeWebBrowser* b = CFakeWebBrowser::Last();  // or Instances()[i]
//   b->Record().navigations                // URLs passed to Navigate
//   b->CompleteNavigation();               // NavigateComplete2 page, frames;
//                                          // DocumentComplete frames, page;
//                                          // TitleChange
//   bool cancelled = b->FireNewWindow2();  // Cancel as the sinks left it
//   b->FakeDocument()->AskHostInfo(0, &info);  // ask the installed UI handler
//
//   // after teardown:
//   CFakeWebBrowser::RecordOf(0)->siteCalls / containerCalls / destroyed
//   FakeLiveObjectCount() == 0             // every object released
//
// Without a test to set pages up (the launcher run from outside), the DLL
// target fakebrowser.dll serves the same control: regsvr32 it in a
// throw-away prefix, name a page file in FAKEBROWSER_PAGES (format in
// CFakePageFile.h); navigations then complete by themselves (after
// FAKEBROWSER_DELAY ms when set; only on command with FAKEBROWSER_MANUAL),
// and another process posts the registered messages of FakeBrowserChannel.h
// to the control's window (class kFakeBrowserWindowClass) for NewWindow2
// and TitleChange.
//
// What the control's window shows (CFakePageView): the page's look
// (login.look: a form or a game scene; else title and address on white),
// and in its corner what reached it.  A click on a form's button fires
// NewWindow2 before the click returns, as the page's script would.
//
// Between tests: CFakePageTable::Clear(), CFakeWebBrowser::ResetHistory(),
// and reset CFakeWebBrowser::Defaults() if a test changed it.
//
// Conventions the product can rely on, as with the real control:
// - DISPPARAMS arguments arrive last first: NavigateComplete2 and
//   DocumentComplete carry rgvarg[1] = VT_DISPATCH (the page's browser: the
//   control itself, or a frame's CFakeFrameBrowser) and rgvarg[0] =
//   VT_VARIANT|VT_BYREF to the address; NewWindow2 carries rgvarg[1] =
//   VT_DISPATCH|VT_BYREF and rgvarg[0] = VT_BOOL|VT_BYREF (Cancel).
// - Document (203) with no document gives S_OK and a VT_DISPATCH null.
// - RefCount() of any object counts every reference, the stand-in's own
//   included (the control holds its document once, a document its inputs).
// - Switches: CFakeWebBrowser::Defaults().loadFails (Load reads, then
//   E_FAIL) and .asynchronous (navigations complete from the message queue)
//   apply to controls made afterwards; SetLoadFails / SetAsynchronous to one.
// - A control made through IClassFactory2::CreateInstanceLic records
//   licensed = true and the key it got.
// - A freed control's record stays readable through RecordOf(index); to read
//   its counts after the container's teardown, hold a reference of your own.
// - The control's window (class kFakeBrowserWindowClass) also takes the
//   control channel's registered messages (FakeBrowserChannel.h), and
//   asynchronous mode completes navigations through it.
#pragma once
#include "CFakeBrowserRegistration.h"
#include "CFakePageFile.h"
#include "CFakePageTable.h"
#include "CFakeWebBrowser.h"
#include "FakeBrowserChannel.h"
