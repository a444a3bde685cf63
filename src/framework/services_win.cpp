// The Win32 services.
#include "framework/services.h"

#include <commdlg.h>
#include <shellapi.h>

#include <vector>

#include "common/cp932.h"
#include "framework/application.h"

namespace {

HWND MainWindow() { return Application::Current() != nullptr ? Application::Current()->MainWindow() : nullptr; }

class Win32Services : public Services {
public:
    int ShowMessage(HWND owner, const std::string& text, UINT type) override {
        if (owner == nullptr) owner = MainWindow();
        return MessageBoxA(owner, text.c_str(), ApplicationName().c_str(), type);
    }

    bool ChooseFile(const FileDialogOptions& options, std::string& path) override {
        std::vector<char> file(MAX_PATH, '\0');
        options.fileName.copy(file.data(), MAX_PATH - 1);
        const std::string filter = FilterForDialog(options.filter);
        OPENFILENAMEA dialog = {};
        dialog.lStructSize = sizeof dialog;
        dialog.hwndOwner = options.owner != nullptr ? options.owner : MainWindow();
        dialog.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
        dialog.lpstrFile = file.data();
        dialog.nMaxFile = MAX_PATH;
        dialog.lpstrDefExt = options.defaultExtension.empty() ? nullptr : options.defaultExtension.c_str();
        dialog.Flags = options.flags | OFN_EXPLORER | OFN_ENABLESIZING;
        const BOOL confirmed = options.open ? GetOpenFileNameA(&dialog) : GetSaveFileNameA(&dialog);
        if (!confirmed) return false;
        path = file.data();
        return true;
    }

    bool ChooseScreenFont(HWND owner, LOGFONTA& font) override {
        CHOOSEFONTA dialog = {};
        dialog.lStructSize = sizeof dialog;
        dialog.hwndOwner = owner;
        dialog.lpLogFont = &font;
        dialog.Flags = CF_SCREENFONTS | CF_EFFECTS;
        return ChooseFontA(&dialog) != FALSE;
    }

    void OpenWithShell(HWND owner, const std::string& file, const std::string& directory) override {
        ShellExecuteA(owner, "Open", file.c_str(), "", directory.c_str(), SW_SHOWNORMAL);
    }

    bool StartProcess(const std::string& program, const std::string& directory, HANDLE& process) override {
        // The program is named as the application, and quoted on the command line, so a
        // folder with a space in it is never taken for a shorter program path.
        std::string commandLine = "\"" + program + "\"";
        std::vector<char> buffer(commandLine.begin(), commandLine.end());
        buffer.push_back('\0');
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_SHOWNORMAL;
        PROCESS_INFORMATION info = {};
        if (!CreateProcessA(program.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            directory.empty() ? nullptr : directory.c_str(), &startup, &info)) {
            return false;
        }
        CloseHandle(info.hThread);
        process = info.hProcess;
        return true;
    }

    void WaitForProcessEnd(HWND owner, HANDLE process) override {
        WaitKeepingWindowsAlive(owner, process);
        CloseHandle(process);
    }

    bool RemoveFile(const std::string& path) override { return DeleteFileA(path.c_str()) != FALSE; }
};

Win32Services g_win32Services;
Services* g_pServices = &g_win32Services;

}  // namespace

Services& GetServices() { return *g_pServices; }

void SetServices(Services* services) { g_pServices = services != nullptr ? services : &g_win32Services; }

namespace {

bool IsInputTo(HWND owner, const MSG& message) {
    if (message.hwnd == nullptr || (message.hwnd != owner && !IsChild(owner, message.hwnd))) return false;
    const UINT m = message.message;
    return (m >= WM_KEYFIRST && m <= WM_KEYLAST) || (m >= WM_MOUSEFIRST && m <= WM_MOUSELAST) ||
           (m >= WM_NCMOUSEMOVE && m <= WM_NCXBUTTONDBLCLK) || m == WM_COMMAND || m == WM_SYSCOMMAND ||
           m == WM_CLOSE || m == BM_CLICK;
}

}  // namespace

void WaitKeepingWindowsAlive(HWND owner, HANDLE handle) {
    const bool wasEnabled = owner != nullptr && !EnableWindow(owner, FALSE);
    bool quit = false;
    int exitCode = 0;
    while (MsgWaitForMultipleObjects(1, &handle, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                quit = true;
                exitCode = static_cast<int>(message.wParam);
            } else if (!IsInputTo(owner, message)) {
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
        }
    }
    if (wasEnabled) EnableWindow(owner, TRUE);
    if (quit) PostQuitMessage(exitCode);  // for the loop that waits for it
}

std::string FilterForDialog(const std::string& filter) {
    std::string converted = filter;
    for (std::size_t pos = 0; pos < converted.size(); pos += cp932::CharLength(converted, pos)) {
        if (converted[pos] == '|') converted[pos] = '\0';
    }
    return converted;
}
