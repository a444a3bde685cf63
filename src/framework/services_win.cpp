// The Win32 services.
#include "framework/services.h"

#include <commdlg.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <vector>

#include "common/cp932.h"
#include "common/texts.h"
#include "common/wide.h"
#include "framework/application.h"

namespace {

HWND MainWindow() { return Application::Current() != nullptr ? Application::Current()->MainWindow() : nullptr; }

class Win32Services : public Services {
public:
    int ShowMessage(HWND owner, const ExactText& text, UINT type) override {
        if (owner == nullptr) owner = MainWindow();
        return MessageBoxW(owner, Wide(text).c_str(), ApplicationName().c_str(), type);
    }

    bool ChooseFile(const FileDialogOptions& options, ExactText& path) override {
        std::vector<wchar_t> file(MAX_PATH, L'\0');
        Wide(options.fileName).copy(file.data(), MAX_PATH - 1);
        const std::wstring filter = Wide(FilterForDialog(options.filter));
        const std::wstring defaultExtension = Wide(options.defaultExtension);
        OPENFILENAMEW dialog = {};
        dialog.lStructSize = sizeof dialog;
        dialog.hwndOwner = options.owner != nullptr ? options.owner : MainWindow();
        dialog.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
        dialog.lpstrFile = file.data();
        dialog.nMaxFile = MAX_PATH;
        dialog.lpstrDefExt = defaultExtension.empty() ? nullptr : defaultExtension.c_str();
        dialog.Flags = options.flags | OFN_EXPLORER | OFN_ENABLESIZING;
        const BOOL confirmed = options.open ? GetOpenFileNameW(&dialog) : GetSaveFileNameW(&dialog);
        if (!confirmed) return false;
        path = ExactTextOf(std::wstring_view(file.data()));
        return true;
    }

    bool ChooseScreenFont(HWND owner, ChosenFont& font) override {
        CHOOSEFONTW dialog = {};
        dialog.lStructSize = sizeof dialog;
        dialog.hwndOwner = owner;
        dialog.lpLogFont = &font.description;
        dialog.Flags = CF_SCREENFONTS | CF_EFFECTS;
        if (!ChooseFontW(&dialog)) return false;
        font.pointSize = dialog.iPointSize;
        return true;
    }

    void OpenWithShell(HWND owner, const ExactText& file, const ExactText& directory) override {
        ShellExecuteW(owner, L"Open", Wide(file).c_str(), L"", Wide(directory).c_str(), SW_SHOWNORMAL);
    }

    bool StartProcess(const std::string& program, const std::string& directory, HANDLE& process) override {
        // The program is named as the application, and quoted on the command line, so a
        // folder with a space in it is never taken for a shorter program path.
        const std::wstring application = Wide(program);
        std::wstring commandLine = L"\"" + application + L"\"";
        const std::wstring folder = Wide(directory);
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_SHOWNORMAL;
        PROCESS_INFORMATION info = {};
        if (!CreateProcessW(application.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            folder.empty() ? nullptr : folder.c_str(), &startup, &info)) {
            return false;
        }
        CloseHandle(info.hThread);
        process = info.hProcess;
        return true;
    }

    DWORD WaitForProcessEnd(HWND owner, HANDLE process) override {
        WaitKeepingWindowsAlive(owner, process);
        DWORD exitCode = 0;
        GetExitCodeProcess(process, &exitCode);
        CloseHandle(process);
        return exitCode;
    }

    bool RemoveFile(const std::string& path) override { return DeleteFileW(Wide(path).c_str()) != FALSE; }

    ExactText DesktopFolder() override {
        wchar_t folder[MAX_PATH] = L"";
        const bool named = SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT, folder));
        return named ? ExactTextOf(std::wstring_view(folder)) : ExactText();
    }

    bool SaveShortcut(const Shortcut& shortcut) override {
        // Saved beside its place and renamed over it, so an old link is never left half written.
        const std::wstring file = Wide(shortcut.file);
        const std::wstring target = Wide(shortcut.target);
        const std::wstring temporary = file + L".tmp";
        const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
        bool saved = false;
        IShellLinkW* link = nullptr;
        if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                       reinterpret_cast<void**>(&link)))) {
            link->SetPath(target.c_str());
            link->SetArguments(Wide(shortcut.arguments).c_str());
            link->SetWorkingDirectory(Wide(shortcut.folder).c_str());
            link->SetIconLocation(target.c_str(), 0);
            IPersistFile* persist = nullptr;
            if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist)))) {
                saved = SUCCEEDED(persist->Save(temporary.c_str(), TRUE));
                persist->Release();
            }
            link->Release();
        }
        if (SUCCEEDED(com)) CoUninitialize();
        if (saved && MoveFileExW(temporary.c_str(), file.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return true;
        }
        DeleteFileW(temporary.c_str());
        return false;
    }
};

Win32Services g_win32Services;
Services* g_pServices = &g_win32Services;

}  // namespace

Services& GetServices() { return *g_pServices; }

void SetServices(Services* services) { g_pServices = services != nullptr ? services : &g_win32Services; }

int ShowMessage(HWND owner, const ExactText& text, UINT type) { return GetServices().ShowMessage(owner, text, type); }

void ReportPathBeyondCp932(HWND owner, const ExactText& path) {
    ShowMessage(owner, path + texts::kPathBeyondCp932, MB_OK | MB_ICONSTOP);
}

bool ChooseFile(const FileDialogOptions& options, std::string& path) {
    ExactText chosen;
    if (!GetServices().ChooseFile(options, chosen)) return false;
    if (!chosen.exact.empty()) {
        ReportPathBeyondCp932(options.owner, chosen);
        return false;
    }
    path = chosen.cp932;
    return true;
}

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
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                quit = true;
                exitCode = static_cast<int>(message.wParam);
            } else if (!IsInputTo(owner, message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
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
