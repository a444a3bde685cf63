// The application object: one per program, started from WinMain, with the name that captions every message box.
#pragma once

#include <windows.h>

#include <string>

class Dialog;

class Application {
public:
    Application();
    virtual ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Runs the program; the framework ends it when this returns false.
    virtual bool InitInstance() = 0;

    static Application* Current();
    Dialog* m_pMainWnd = nullptr;  // owns the message boxes and file dialogs that name no owner
    int m_nExitCode = 0;           // the program's exit code
    HWND MainWindow() const;
};

// The executable's file name without its extension: the caption of every message box.
const std::wstring& ApplicationName();

// WinMain's body: InitInstance of the one application object; answers its exit code.
int RunApplication(HINSTANCE instance);
