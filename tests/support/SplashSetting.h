#pragma once

#include "app/CQELWinAppEx.h"

// Stores "SplashScreen" in the settings under `registryFolder` before the program starts on them. A test that
// drives the program stores 0: the start picture would swallow the test's first key or click.
inline void storeSplashScreen(const QString& registryFolder, int seconds = 0)
{
    CQELWinAppEx settings(registryFolder);
    settings.InitInstance();
    settings.WriteProfileInt(settings::kSplashScreenAtStart, seconds);
}
