// The launcher's one application object.
#include "CkelvorApp.h"

static CkelvorApp theApp;
