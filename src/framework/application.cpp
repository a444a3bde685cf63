// The application object and the program's start.
#include "framework/application.h"

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

const std::wstring& ApplicationName() {
    // Taken from the wide path, so a caption never depends on what code page 932 can hold.
    static const std::wstring name = [] {
        const std::wstring path = GetModulePathWide();
        std::wstring file = path.substr(path.find_last_of(L'\\') + 1);
        const std::size_t dot = file.find_last_of(L'.');
        return dot == std::wstring::npos ? file : file.substr(0, dot);
    }();
    return name;
}

int RunApplication(HINSTANCE) {
    if (g_pApplication == nullptr) return 0;
    g_pApplication->InitInstance();
    return g_pApplication->m_nExitCode;
}
