// KMX DEMO: a stand-in for the real KMX emulator, which is a separate program. Started as
// KMX.EXE in a demo emulator folder, it shows what it received in KMX.INI (the image slots,
// Resume and every setting of section KMX), writes SAVEA.CPU when it closes if Resume is 1,
// and closes by itself after the milliseconds written in autoclose.txt beside it, if present,
// ending with the exit code written after them there (0 when none is).
// Its texts are shown through the wide functions, so it reads right on every system locale.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "common/paths.h"
#include "common/wide.h"
#include "settings/ini_file.h"

namespace {

constexpr wchar_t kWindowClass[] = L"KmxDemoWindow";
// "KMX デモ (本物のエミュレータの代役)": the demo, standing in for the real emulator.
constexpr char kTitle[] = "KMX \x83\x66\x83\x82 (\x96\x7B\x95\xA8\x82\xCC\x83\x47\x83\x7E\x83\x85\x83\x8C\x81\x5B\x83\x5E"
                          "\x82\xCC\x91\xE3\x96\xF0)";

std::string g_strFolder;
bool g_bResume = false;
HWND g_hText = nullptr;
int g_nExitCode = 0;

std::string Describe() {
    const std::string iniPath = g_strFolder + "\\KMX.INI";
    const ini::IniDocument kmxIni = ini::LoadIniFile(iniPath);
    std::string text = "KMX DEMO - a stand-in for the KMX emulator\r\n\r\n" + iniPath + "\r\n\r\n";
    g_bResume = kmxIni.GetInt("KMX", "Resume", 0) == 1;
    for (const std::string& entry : kmxIni.GetSectionEntries("KMX")) text += "  " + entry + "\r\n";
    text += std::string("\r\nResume: ") + (g_bResume ? "1 (SAVEA.CPU is written on exit)" : "0") + "\r\n";
    return text;
}

void WriteResumeFile() {
    if (!g_bResume) return;
    HANDLE file = CreateFileW(Wide(g_strFolder + "\\SAVEA.CPU").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    const char state[] = "KMX DEMO resume state\r\n";
    DWORD written = 0;
    WriteFile(file, state, sizeof state - 1, &written, nullptr);
    CloseHandle(file);
}

// The milliseconds of autoclose.txt (0: stay open), and the exit code after them into g_nExitCode.
UINT ReadAutoClose() {
    HANDLE file = CreateFileW(Wide(g_strFolder + "\\autoclose.txt").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 0;
    char text[32] = "";
    DWORD got = 0;
    ReadFile(file, text, sizeof text - 1, &got, nullptr);
    CloseHandle(file);
    char* rest = nullptr;
    const UINT milliseconds = static_cast<UINT>(std::strtoul(text, &rest, 10));
    g_nExitCode = static_cast<int>(std::strtol(rest, nullptr, 10));
    return milliseconds;
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            g_hText = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", Wide(Describe()).c_str(),
                                      WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY, 0, 0, 0, 0,
                                      window, nullptr, nullptr, nullptr);
            SendMessageW(g_hText, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
            if (const UINT milliseconds = ReadAutoClose()) SetTimer(window, 1, milliseconds, nullptr);
            return 0;
        case WM_SIZE:
            MoveWindow(g_hText, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
            return 0;
        case WM_TIMER:
            DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            WriteResumeFile();
            PostQuitMessage(g_nExitCode);
            return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    g_strFolder = GetModuleDirectory();
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kWindowClass;
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, kWindowClass, Wide(kTitle).c_str(), WS_OVERLAPPEDWINDOW, 40, 40, 520, 420, nullptr, nullptr,
                                  instance, nullptr);
    ShowWindow(window, show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
