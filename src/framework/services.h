// Everything modal or external that a handler asks for: message boxes, file and font dialogs,
// the shell, process start and wait, file deletion. The real one calls Win32; tests plug in a script.
#pragma once

#include <windows.h>

#include <string>

#include "common/exact_text.h"

struct FileDialogOptions {
    bool open = true;               // open-file dialog, else save-as
    HWND owner = nullptr;
    ExactText fileName;             // initial file name
    std::string defaultExtension;   // without the dot
    std::string filter;             // "description|pattern|...||"; empty for none
    DWORD flags = 0;                // OFN_ flags
};

// A font as the font dialog gives it: the description it measured for the screen it showed on,
// and the chosen size in tenths of a point, which does not depend on that screen.
struct ChosenFont {
    LOGFONTW description = {};
    int pointSize = 0;
};

// A shell link that starts target with arguments in folder, shown with target's first icon.
struct Shortcut {
    ExactText file;  // the .lnk file to write
    ExactText target;
    ExactText arguments;
    ExactText folder;
};

// Texts and paths are the program's: code page 932 strings, or exact texts where a path may hold
// more; they are converted here alone. What the user chooses comes back with every character, to
// be checked.
class Services {
public:
    virtual ~Services() = default;
    // A message box captioned with the application name; answers the button pressed.
    virtual int ShowMessage(HWND owner, const ExactText& text, UINT type) = 0;
    // A file dialog; true and the chosen full path when the user confirms.
    virtual bool ChooseFile(const FileDialogOptions& options, ExactText& path) = 0;
    // The font dialog (screen fonts, effects); true and the font when the user confirms.
    virtual bool ChooseScreenFont(HWND owner, ChosenFont& font) = 0;
    // The shell's "Open" verb on a file, named with every character; the result is not looked at.
    virtual void OpenWithShell(HWND owner, const ExactText& file, const ExactText& directory) = 0;
    // Starts a program in a folder; false when it could not be started.
    virtual bool StartProcess(const std::string& program, const std::string& directory, HANDLE& process) = 0;
    // Waits until the process ends, then releases its handle; answers its exit code. The owner
    // stays painted and answers the system meanwhile, but takes no input.
    virtual DWORD WaitForProcessEnd(HWND owner, HANDLE process) = 0;
    virtual bool RemoveFile(const std::string& path) = 0;
    // The user's desktop folder, every character of it; empty when the system names none.
    virtual ExactText DesktopFolder() = 0;
    // Writes the shell link, replacing a file of its name; false when it could not be written.
    virtual bool SaveShortcut(const Shortcut& shortcut) = 0;
};

// The services in use: the Win32 ones unless a test has set its own.
Services& GetServices();
// Replaces the services (nullptr restores the Win32 ones).
void SetServices(Services* services);

// A message box of the program's text.
int ShowMessage(HWND owner, const ExactText& text, UINT type);
// Tells the user that a path holds characters code page 932 cannot, so it is not taken: the
// emulator could not open it, and no file may name it with "?" in their place.
void ReportPathBeyondCp932(HWND owner, const ExactText& path);
// A file dialog whose choice must be a path code page 932 holds: another is refused with that report.
bool ChooseFile(const FileDialogOptions& options, std::string& path);

// Waits for handle with owner disabled, dispatching what keeps this thread's windows alive (paint,
// timers, sent messages) and dropping what would be input to owner: keys, mouse, commands, close.
void WaitKeepingWindowsAlive(HWND owner, HANDLE handle);

// A filter "a|b|c|d||" in the NUL-separated form the file dialogs take.
std::string FilterForDialog(const std::string& filter);
