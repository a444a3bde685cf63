// The application object: runs the main dialog once and ends, or serves the command line without it.
#pragma once

#include "framework/application.h"

class LauncherApp : public Application {
public:
    bool InitInstance() override;
};
