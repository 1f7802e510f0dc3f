#include "PaneFixture.h"

BEGIN_MESSAGE_MAP(CPhaseRecorder, CDialog)
ON_MESSAGE(WM_LAUNCHER_PHASE, &CPhaseRecorder::OnLauncherPhase)
ON_WM_CLOSE()
END_MESSAGE_MAP()
