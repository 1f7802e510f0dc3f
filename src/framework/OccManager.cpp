#include "OccManager.h"

COccManager* afxOccManager = nullptr;
