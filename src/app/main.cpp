// The program's entry point and its one application object.
#include <windows.h>

#include "app/launcher_app.h"

namespace {
LauncherApp theApp;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) { return RunApplication(instance); }
