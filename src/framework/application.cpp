// The application object and the program's start.
#include "framework/application.h"

#include "common/cp932.h"
#include "common/paths.h"
#include "framework/dialog.h"

namespace {
Application* g_pApplication = nullptr;
}

Application::Application() { g_pApplication = this; }

Application::~Application() {
    if (g_pApplication == this) g_pApplication = nullptr;
}

Application* Application::Current() { return g_pApplication; }

HWND Application::MainWindow() const { return m_pMainWnd != nullptr ? m_pMainWnd->GetSafeHwnd() : nullptr; }

const std::string& ApplicationName() {
    static const std::string name = [] {
        const std::string file = FileNameOf(GetModulePath());
        const std::size_t dot = cp932::FindLastChar(file, '.');
        return dot == std::string::npos ? file : file.substr(0, dot);
    }();
    return name;
}

int RunApplication(HINSTANCE) {
    if (g_pApplication != nullptr) g_pApplication->InitInstance();
    return 0;
}
