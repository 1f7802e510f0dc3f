// The one step both browser windows take in OnInitDialog to join their web
// UI controller to their hosted WebBrowser control.
#pragma once
#include "CWebUIController.h"
#include "CWnd.h"

// When the control behind wndBrowser offers IWebBrowser2: the controller
// will take the documents' 3-D border and scroll bars away, and is attached
// to it.  Otherwise the controller stays detached with its defaults.
void AttachUIController(CWnd& wndBrowser, CWebUIController& controller);
