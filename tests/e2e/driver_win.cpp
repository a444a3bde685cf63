// Drives the real orvane.exe from outside, as a user would, for the end-to-end tests and the demo:
//   driver wait TITLE SECONDS        waits for a top-level window whose title starts with TITLE; prints it
//   driver gone TITLE SECONDS        waits until no such window is left
//   driver text TITLE ID             prints the text of control ID
//   driver rows TITLE ID             prints the row count of list view ID
//   driver cell TITLE ID ROW COLUMN  prints the text of a list view cell
//   driver point TITLE ID ROW        prints the screen point "x y" of a row's value, for a mouse click
//   driver edit-text TITLE ID TEXT   types TEXT into the list view's open label editor and presses Enter
//   driver visible TITLE ID          prints 1 or 0
//   driver enabled TITLE             prints 1 when the window takes input (no modal dialog over it), else 0
//   driver click TITLE ID            clicks a button
//   driver fill TITLE ID TEXT        sets the text of control ID
//   driver font-dialog FACE POINTS SECONDS  picks a face and a size in the font dialog and confirms
//   driver file-dialog PATH SECONDS  confirms PATH in the file dialog that comes up
//   driver answer-box TITLE BUTTON SECONDS  prints a message box's text and presses one of its buttons
//   driver close TITLE SECONDS       sends Cancel (Escape) and waits for the window to go
//   driver quit TITLE SECONDS        closes a top-level window as its close box would and waits for it to go
//   driver rect TITLE                prints the window's screen rectangle "left top right bottom"
//   driver answers TITLE             prints 1 when the window's thread handles a message within 100 ms, else 0
//   driver acp                       prints the ANSI code page this run has
//   driver syscommand TITLE ID       sends a system-menu command, as choosing the menu entry does
//   driver desktop                   prints the user's desktop folder
//   driver shortcut FILE             prints a shell link's target, arguments and working folder, a line each
//   driver run-shortcut FILE         runs a shell link's command line in its working folder; prints its exit code
//   driver strip-matches BMP FACE PIXELS  compares a font bitmap's one-byte strip with the face's own
//                                    drawing of the printable ASCII codes; prints the pixels that differ
//   driver fits TITLE                measures every text of the dialog inside its process (text_fit_probe.dll
//                                    beside the driver) and prints the report; fails on a cut text or an overlap
// A TITLE of the form #ID names the window that has a control ID, for a dialog without a caption.
// A command that confirms a dialog fails unless the dialog goes away.
// Arguments are read wide, as they were given; output is UTF-8. Windows of other processes are
// read and written in their wide form, so neither depends on the system's ANSI code page.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

namespace {

struct Search {
    std::wstring prefix;
    HWND found = nullptr;
};

BOOL CALLBACK Match(HWND window, LPARAM parameter) {
    Search* search = reinterpret_cast<Search*>(parameter);
    wchar_t title[512] = L"";
    GetWindowTextW(window, title, 512);
    const bool matches = search->prefix.rfind(L"#", 0) == 0
                             ? GetDlgItem(window, std::wcstol(search->prefix.c_str() + 1, nullptr, 10)) != nullptr
                             : std::wstring(title).rfind(search->prefix, 0) == 0;
    if (IsWindowVisible(window) && matches) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindByTitle(const std::wstring& prefix) {
    Search search{prefix};
    EnumWindows(Match, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

template <typename Condition>
bool WaitUntil(int seconds, Condition condition) {
    for (int waited = 0; waited <= seconds * 10; ++waited) {
        if (condition()) return true;
        Sleep(100);
    }
    return false;
}

// Prints a line of text as UTF-8.
void Print(const std::wstring& text) {
    std::string utf8(text.size() * 4 + 1, '\0');
    utf8.resize(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                                             utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr)));
    std::printf("%s\n", utf8.c_str());
}

// Memory in the process that owns a window, for list view messages that carry pointers.
class RemoteBuffer {
public:
    RemoteBuffer(HWND window, std::size_t size) : m_size(size) {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        m_hProcess = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
        m_pAddress = VirtualAllocEx(m_hProcess, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    }
    ~RemoteBuffer() {
        VirtualFreeEx(m_hProcess, m_pAddress, 0, MEM_RELEASE);
        CloseHandle(m_hProcess);
    }
    void Write(const void* data, std::size_t size, std::size_t offset = 0) {
        WriteProcessMemory(m_hProcess, static_cast<char*>(m_pAddress) + offset, data, size, nullptr);
    }
    void Read(void* data, std::size_t size, std::size_t offset = 0) {
        ReadProcessMemory(m_hProcess, static_cast<char*>(m_pAddress) + offset, data, size, nullptr);
    }
    LPARAM Address(std::size_t offset = 0) const { return reinterpret_cast<LPARAM>(static_cast<char*>(m_pAddress) + offset); }

private:
    HANDLE m_hProcess;
    void* m_pAddress;
    std::size_t m_size;
};

std::wstring CellText(HWND list, int row, int column) {
    RemoteBuffer remote(list, sizeof(LVITEMW) + 2048);
    wchar_t text[1024] = L"";
    LVITEMW item = {};
    item.iSubItem = column;
    item.cchTextMax = 1024;
    item.pszText = reinterpret_cast<wchar_t*>(remote.Address(sizeof item));
    remote.Write(&item, sizeof item);
    SendMessageW(list, LVM_GETITEMTEXTW, row, remote.Address());
    remote.Read(text, sizeof text, sizeof item);
    return text;
}

POINT RowPoint(HWND list, int row) {
    RemoteBuffer remote(list, sizeof(RECT));
    RECT rect = {};
    rect.left = LVIR_LABEL;
    remote.Write(&rect, sizeof rect);
    SendMessageW(list, LVM_GETITEMRECT, row, remote.Address());
    remote.Read(&rect, sizeof rect);
    POINT point = {rect.left + 6, (rect.top + rect.bottom) / 2};
    ClientToScreen(list, &point);
    return point;
}

struct FileDialogSearch {
    HWND found = nullptr;
};

BOOL CALLBACK MatchFileDialog(HWND window, LPARAM parameter) {
    char className[64] = "";
    GetClassNameA(window, className, sizeof className);
    if (IsWindowVisible(window) && std::string(className) == "#32770" && GetDlgItem(window, 1148) != nullptr) {
        reinterpret_cast<FileDialogSearch*>(parameter)->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindFileDialog() {
    FileDialogSearch search;
    EnumWindows(MatchFileDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The font dialog: a dialog with the face name combo box (cmb1) and the size one (cmb3).
constexpr int kFaceCombo = 0x470;
constexpr int kSizeCombo = 0x472;

BOOL CALLBACK MatchFontDialog(HWND window, LPARAM parameter) {
    if (IsWindowVisible(window) && GetDlgItem(window, kFaceCombo) != nullptr && GetDlgItem(window, kSizeCombo) != nullptr) {
        *reinterpret_cast<HWND*>(parameter) = window;
        return FALSE;
    }
    return TRUE;
}

// Selects the entry of a combo box and tells the dialog, as a click on it would.
bool SelectEntry(HWND dialog, int id, const std::wstring& text) {
    HWND combo = GetDlgItem(dialog, id);
    const LRESULT index = SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(text.c_str()));
    if (index == CB_ERR) return false;
    SendMessageW(combo, CB_SETCURSEL, index, 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    return true;
}

// Waits until the process owning a window has finished its start and waits for input, instead of
// guessing a time: a field filled before a dialog's own start is done may be overwritten by it.
void WaitUntilIdle(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, processId);
    if (process == nullptr) return;
    WaitForInputIdle(process, 10000);
    CloseHandle(process);
}

bool Confirm(HWND dialog, int seconds) {
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    return WaitUntil(seconds, [&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); });
}

int Usage() {
    std::fprintf(stderr, "usage: see the comment at the top of driver_win.cpp\n");
    return 2;
}

// A command's arguments after its name.
using Arguments = std::vector<std::wstring>;

int Number(const std::wstring& text) { return static_cast<int>(std::wcstol(text.c_str(), nullptr, 10)); }

HWND RequireWindow(const std::wstring& title) {
    HWND window = FindByTitle(title);
    if (window == nullptr) std::fwprintf(stderr, L"no window titled %ls\n", title.c_str());
    return window;
}

// A command on control ID of the window TITLE (the first two arguments).
template <typename Action>
int OnControl(const Arguments& a, Action action) {
    HWND window = RequireWindow(a[0]);
    if (window == nullptr) return 1;
    return action(GetDlgItem(window, Number(a[1])));
}

int Acp(const Arguments&) {
    std::printf("%u\n", GetACP());
    return 0;
}

int Wait(const Arguments& a) {
    HWND window = nullptr;
    if (!WaitUntil(Number(a[1]), [&] { return (window = FindByTitle(a[0])) != nullptr; })) return 1;
    wchar_t text[512] = L"";
    GetWindowTextW(window, text, 512);
    Print(text);
    return 0;
}

int Gone(const Arguments& a) { return WaitUntil(Number(a[1]), [&] { return FindByTitle(a[0]) == nullptr; }) ? 0 : 1; }

int FileDialog(const Arguments& a) {
    HWND dialog = nullptr;
    if (!WaitUntil(Number(a[1]), [&] { return (dialog = FindFileDialog()) != nullptr; })) return 1;
    WaitUntilIdle(dialog);
    SendMessageW(GetDlgItem(dialog, 1148), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(a[0].c_str()));
    return Confirm(dialog, Number(a[1])) ? 0 : 1;
}

int FontDialog(const Arguments& a) {
    HWND dialog = nullptr;
    if (!WaitUntil(Number(a[2]), [&] {
            EnumWindows(MatchFontDialog, reinterpret_cast<LPARAM>(&dialog));
            return dialog != nullptr;
        })) {
        return 1;
    }
    WaitUntilIdle(dialog);
    if (!SelectEntry(dialog, kFaceCombo, a[0]) || !SelectEntry(dialog, kSizeCombo, a[1])) {
        std::fprintf(stderr, "no such face or size in the font dialog; it offers:");
        for (int id : {kFaceCombo, kSizeCombo}) {
            HWND combo = GetDlgItem(dialog, id);
            const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
            for (int i = 0; i < count && i < 40; ++i) {
                wchar_t entry[256] = L"";
                SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry));
                std::fwprintf(stderr, L" [%ls]", entry);
            }
            std::fprintf(stderr, "\n");
        }
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        return 1;
    }
    return Confirm(dialog, Number(a[2])) ? 0 : 1;
}

int AnswerBox(const Arguments& a) {
    HWND box = nullptr;
    if (!WaitUntil(Number(a[2]), [&] { return (box = FindByTitle(a[0])) != nullptr; })) return 1;
    wchar_t text[1024] = L"";
    SendMessageW(GetDlgItem(box, 0xFFFF), WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
    Print(text);
    PostMessageW(box, WM_COMMAND, Number(a[1]), 0);
    return 0;
}

// Ends a window with message and waits for it to go.
int EndWindow(const Arguments& a, UINT message, WPARAM wParam) {
    HWND window = RequireWindow(a[0]);
    if (window == nullptr) return 1;
    PostMessageW(window, message, wParam, 0);
    return WaitUntil(Number(a[1]), [&] { return !IsWindow(window); }) ? 0 : 1;
}

int Quit(const Arguments& a) { return EndWindow(a, WM_CLOSE, 0); }

int Close(const Arguments& a) { return EndWindow(a, WM_COMMAND, IDCANCEL); }

int Rect(const Arguments& a) {
    HWND window = RequireWindow(a[0]);
    if (window == nullptr) return 1;
    RECT rect = {};
    GetWindowRect(window, &rect);
    std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right, rect.bottom);
    return 0;
}

int Answers(const Arguments& a) {
    HWND window = RequireWindow(a[0]);
    if (window == nullptr) return 1;
    DWORD_PTR result = 0;
    std::printf("%d\n", SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 100, &result) ? 1 : 0);
    return 0;
}

int SysCommand(const Arguments& a) {
    HWND window = RequireWindow(a[0]);
    if (window == nullptr) return 1;
    PostMessageW(window, WM_SYSCOMMAND, Number(a[1]), 0);
    return 0;
}

int Text(const Arguments& a) {
    return OnControl(a, [](HWND control) {
        // GetWindowText does not ask a control of another process; WM_GETTEXT does.
        wchar_t text[1024] = L"";
        SendMessageW(control, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
        Print(text);
        return 0;
    });
}

int Rows(const Arguments& a) {
    return OnControl(a, [](HWND control) {
        std::printf("%d\n", static_cast<int>(SendMessageW(control, LVM_GETITEMCOUNT, 0, 0)));
        return 0;
    });
}

int Cell(const Arguments& a) {
    return OnControl(a, [&](HWND control) {
        Print(CellText(control, Number(a[2]), Number(a[3])));
        return 0;
    });
}

int Point(const Arguments& a) {
    return OnControl(a, [&](HWND control) {
        const POINT point = RowPoint(control, Number(a[2]));
        std::printf("%ld %ld\n", point.x, point.y);
        return 0;
    });
}

int EditText(const Arguments& a) {
    return OnControl(a, [&](HWND control) {
        HWND editor = reinterpret_cast<HWND>(SendMessageW(control, LVM_GETEDITCONTROL, 0, 0));
        if (editor == nullptr) return 1;
        SendMessageW(editor, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(a[2].c_str()));
        PostMessageW(editor, WM_KEYDOWN, VK_RETURN, 0);
        return 0;
    });
}

int Visible(const Arguments& a) {
    return OnControl(a, [](HWND control) {
        std::printf("%d\n", IsWindowVisible(control) ? 1 : 0);
        return 0;
    });
}

int Enabled(const Arguments& a) {
    HWND window = RequireWindow(a[0]);
    if (window == nullptr) return 1;
    std::printf("%d\n", IsWindowEnabled(window) ? 1 : 0);
    return 0;
}

int Click(const Arguments& a) {
    return OnControl(a, [](HWND control) {
        PostMessageW(control, BM_CLICK, 0, 0);
        return 0;
    });
}

int Fill(const Arguments& a) {
    return OnControl(a, [&](HWND control) {
        SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(a[2].c_str()));
        return 0;
    });
}

int Desktop(const Arguments&) {
    wchar_t folder[MAX_PATH] = L"";
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT, folder))) return 1;
    Print(folder);
    return 0;
}

// A shell link's target, arguments and working folder, read back through the shell's own reader.
bool ReadShortcut(const std::wstring& file, std::wstring& target, std::wstring& arguments, std::wstring& folder) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IShellLinkW* link = nullptr;
    IPersistFile* persist = nullptr;
    bool read = false;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist))) &&
        SUCCEEDED(persist->Load(file.c_str(), STGM_READ))) {
        wchar_t text[3][1024] = {};
        read = SUCCEEDED(link->GetPath(text[0], 1024, nullptr, SLGP_RAWPATH)) &&
               SUCCEEDED(link->GetArguments(text[1], 1024)) && SUCCEEDED(link->GetWorkingDirectory(text[2], 1024));
        target = text[0];
        arguments = text[1];
        folder = text[2];
    }
    if (persist != nullptr) persist->Release();
    if (link != nullptr) link->Release();
    return read;
}

int PrintShortcut(const Arguments& a) {
    std::wstring target, arguments, folder;
    if (!ReadShortcut(a[0], target, arguments, folder)) return 1;
    Print(target);
    Print(arguments);
    Print(folder);
    return 0;
}

int RunShortcut(const Arguments& a) {
    std::wstring target, arguments, folder;
    if (!ReadShortcut(a[0], target, arguments, folder)) return 1;
    std::wstring commandLine = L"\"" + target + L"\" " + arguments;
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(target.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &info)) {
        return 1;
    }
    WaitForSingleObject(info.hProcess, INFINITE);
    DWORD exitCode = 0;
    GetExitCodeProcess(info.hProcess, &exitCode);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    std::printf("%lu\n", exitCode);
    return 0;
}

// The probe library's hook, put into the dialog's thread for one probe message, which names the
// report file by a global atom.
int Fits(const Arguments& a) {
    HWND dialog = RequireWindow(a[0]);
    if (dialog == nullptr) return 1;
    wchar_t folder[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, folder, MAX_PATH);
    *std::wcsrchr(folder, L'\\') = L'\0';
    HMODULE probe = LoadLibraryW((std::wstring(folder) + L"\\text_fit_probe.dll").c_str());
    auto hook = probe != nullptr ? reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(probe, "TextFitProbeHook"))) : nullptr;
    if (hook == nullptr) {
        std::fprintf(stderr, "no text_fit_probe.dll beside the driver\n");
        return 1;
    }
    HHOOK installed = SetWindowsHookExW(WH_CALLWNDPROC, hook, probe, GetWindowThreadProcessId(dialog, nullptr));
    wchar_t report[MAX_PATH] = L"";
    GetTempPathW(MAX_PATH, folder);
    GetTempFileNameW(folder, L"fit", 0, report);
    const ATOM atom = GlobalAddAtomW(report);
    DWORD_PTR result = 0;
    const bool answered = installed != nullptr && SendMessageTimeoutW(dialog, RegisterWindowMessageW(L"ORVANE.TextFitProbe"),
                                                                      atom, 0, SMTO_ABORTIFHUNG, 10000, &result);
    if (installed != nullptr) UnhookWindowsHookEx(installed);
    GlobalDeleteAtom(atom);
    FILE* in = answered ? _wfopen(report, L"r") : nullptr;
    bool faultless = in != nullptr;
    char line[1024];
    while (in != nullptr && std::fgets(line, sizeof line, in)) {
        std::fputs(line, stdout);
        for (const char* fault : {"CUT", "OVERLAP", "OUTSIDE"}) {
            if (std::strncmp(line, fault, std::strlen(fault)) == 0) faultless = false;
        }
    }
    if (in != nullptr) std::fclose(in);
    DeleteFileW(report);
    if (!answered) std::fprintf(stderr, "the dialog's thread did not run the probe\n");
    return faultless ? 0 : 1;
}

// The cells of the codes 0x21 to 0x7D of the strip, top 32 rows, against the face drawn by itself
// at the same places: only those codes and their printable neighbours reach there.
int StripMatches(const Arguments& a) {
    constexpr int kBitmapSize = 2048;
    constexpr int kRowBytes = kBitmapSize / 8;
    constexpr int kRows = 32;
    std::string file;
    if (FILE* in = _wfopen(a[0].c_str(), L"rb")) {
        char chunk[65536];
        for (std::size_t got; (got = std::fread(chunk, 1, sizeof chunk, in)) > 0;) file.append(chunk, got);
        std::fclose(in);
    }
    if (file.size() != 62 + kRowBytes * kBitmapSize) {
        std::fprintf(stderr, "not a font bitmap: %zu bytes\n", file.size());
        return 1;
    }
    HBITMAP bitmap = CreateBitmap(kBitmapSize, kRows, 1, 1, nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    LOGFONTW description = {};
    description.lfHeight = -Number(a[2]);
    description.lfWeight = FW_NORMAL;
    description.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(description.lfFaceName, a[1].c_str(), LF_FACESIZE);
    HFONT font = CreateFontIndirectW(&description);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    HGDIOBJ oldFont = SelectObject(dc, font);
    PatBlt(dc, 0, 0, kBitmapSize, kRows, WHITENESS);
    SetBkMode(dc, TRANSPARENT);
    for (wchar_t code = 0x20; code <= 0x7E; ++code) TextOutW(dc, 8 * code, 0, &code, 1);
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    std::vector<unsigned char> drawn(kRowBytes * kRows);
    GetBitmapBits(bitmap, static_cast<LONG>(drawn.size()), drawn.data());
    DeleteObject(font);
    DeleteDC(dc);
    DeleteObject(bitmap);
    int differing = 0, black = 0;
    for (int y = 0; y < kRows; ++y) {
        // The file's rows run from the bottom up; a 0 bit is black.
        const auto* row = reinterpret_cast<const unsigned char*>(file.data()) + 62 + (kBitmapSize - 1 - y) * kRowBytes;
        for (int x = 8 * 0x21; x < 8 * 0x7E; ++x) {
            const bool inFile = !((row[x / 8] >> (7 - x % 8)) & 1);
            const bool inFace = !((drawn[y * kRowBytes + x / 8] >> (7 - x % 8)) & 1);
            differing += inFile != inFace;
            black += inFile;
        }
    }
    std::printf("%d\n", differing);
    return differing == 0 && black > 0 ? 0 : 1;
}

struct Command {
    const wchar_t* name;
    std::size_t arguments;  // how many it needs after its name
    int (*run)(const Arguments&);
};

const Command kCommands[] = {
    {L"acp", 0, Acp},
    {L"wait", 2, Wait},
    {L"gone", 2, Gone},
    {L"text", 2, Text},
    {L"rows", 2, Rows},
    {L"cell", 4, Cell},
    {L"point", 3, Point},
    {L"edit-text", 3, EditText},
    {L"visible", 2, Visible},
    {L"enabled", 1, Enabled},
    {L"click", 2, Click},
    {L"fill", 3, Fill},
    {L"font-dialog", 3, FontDialog},
    {L"file-dialog", 2, FileDialog},
    {L"answer-box", 3, AnswerBox},
    {L"close", 2, Close},
    {L"quit", 2, Quit},
    {L"rect", 1, Rect},
    {L"answers", 1, Answers},
    {L"syscommand", 2, SysCommand},
    {L"desktop", 0, Desktop},
    {L"shortcut", 1, PrintShortcut},
    {L"run-shortcut", 1, RunShortcut},
    {L"fits", 1, Fits},
    {L"strip-matches", 3, StripMatches},
};

}  // namespace

int main() {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argc < 2) return Usage();
    const Arguments arguments(argv + 2, argv + argc);
    for (const Command& command : kCommands) {
        if (argv[1] != std::wstring(command.name)) continue;
        return arguments.size() < command.arguments ? Usage() : command.run(arguments);
    }
    return Usage();
}
