// Drives the real orvane.exe from outside, as a user would, for the end-to-end tests:
//   driver wait TITLE SECONDS        waits for a top-level window whose title starts with TITLE
//   driver text TITLE ID             prints the text of control ID
//   driver rows TITLE ID             prints the row count of list view ID
//   driver close TITLE SECONDS       sends Cancel (Escape) and waits for the window to go
// Titles arrive in code page 932, as Wine hands over command-line arguments.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

struct Search {
    std::string prefix;
    HWND found = nullptr;
};

BOOL CALLBACK Match(HWND window, LPARAM parameter) {
    Search* search = reinterpret_cast<Search*>(parameter);
    char title[512] = "";
    GetWindowTextA(window, title, sizeof title);
    if (IsWindowVisible(window) && std::string(title).rfind(search->prefix, 0) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindByTitle(const std::string& prefix) {
    Search search{prefix};
    EnumWindows(Match, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitFor(const std::string& prefix, int seconds) {
    for (int waited = 0; waited < seconds * 10; ++waited) {
        if (HWND window = FindByTitle(prefix)) return window;
        Sleep(100);
    }
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: driver wait|text|rows|close TITLE ARG\n");
        return 2;
    }
    const std::string command = argv[1];
    const std::string title = argv[2];
    if (command == "wait") {
        HWND window = WaitFor(title, std::atoi(argv[3]));
        if (window == nullptr) return 1;
        char text[512] = "";
        GetWindowTextA(window, text, sizeof text);
        std::printf("%s\n", text);
        return 0;
    }
    HWND window = FindByTitle(title);
    if (window == nullptr) {
        std::fprintf(stderr, "no window titled %s\n", title.c_str());
        return 1;
    }
    if (command == "text") {
        // GetWindowText does not ask a control of another process, WM_GETTEXT does; the wide
        // form crosses processes whole under Wine. The output is code page 932.
        wchar_t wide[1024] = L"";
        SendMessageW(GetDlgItem(window, std::atoi(argv[3])), WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(wide));
        char text[2048] = "";
        WideCharToMultiByte(932, 0, wide, -1, text, sizeof text, nullptr, nullptr);
        std::printf("%s\n", text);
        return 0;
    }
    if (command == "rows") {
        std::printf("%d\n", static_cast<int>(SendMessageA(GetDlgItem(window, std::atoi(argv[3])), LVM_GETITEMCOUNT, 0, 0)));
        return 0;
    }
    if (command == "close") {
        PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
        for (int waited = 0; waited < std::atoi(argv[3]) * 10; ++waited) {
            if (!IsWindow(window)) return 0;
            Sleep(100);
        }
        return 1;
    }
    return 2;
}
