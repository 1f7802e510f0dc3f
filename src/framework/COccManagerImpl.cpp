#include "OccManager.h"

// Hosting is not built yet: dialogs keep their templates unchanged.
COccManager* AfxGetDefaultOccManager()
{
    return nullptr;
}
