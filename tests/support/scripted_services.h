// Test services: every message box, file dialog, shell and process request is answered from a
// queued script and recorded; an unexpected or unused request fails the test.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "framework/services.h"

class ScriptedServices : public Services {
public:
    ScriptedServices();   // becomes the services in use
    ~ScriptedServices() override;  // restores the Win32 ones; fails on answers left unused

    void AnswerMessage(int button) { m_messageAnswers.push_back(button); }
    // The path the next file dialog confirms (code page 932, or any characters), or nothing for Cancel.
    void AnswerFile(std::optional<std::string> path);
    void AnswerFile(const std::wstring& path) { m_fileAnswers.push_back(path); }
    void AnswerFont(std::optional<ChosenFont> font) { m_fontAnswers.push_back(font); }
    // Whether the next process start succeeds (the process is the test's own handle).
    void AnswerStart(bool started) { m_startAnswers.push_back(started); }

    std::vector<std::string> m_messages;             // texts of the message boxes shown, in code page 932
    std::vector<std::wstring> m_wideMessages;        // the same, every character of them
    std::vector<UINT> m_messageTypes;
    std::vector<FileDialogOptions> m_fileDialogs;    // every file dialog asked for
    std::vector<std::string> m_shellOpened;          // "file|directory" per shell open, in code page 932
    std::vector<std::wstring> m_wideShellOpened;     // the same, every character of them
    std::vector<std::string> m_started;              // "program|directory" per start
    int m_waits = 0;
    DWORD m_exitCode = 0;                            // what every wait answers
    std::wstring m_desktop = L"D:\\orvane\\desktop";  // the desktop folder; the test makes it
    std::vector<Shortcut> m_shortcuts;               // every shortcut saved; each is also written as a file
    std::vector<std::string> m_removed;

    int ShowMessage(HWND owner, const ExactText& text, UINT type) override;
    bool ChooseFile(const FileDialogOptions& options, ExactText& path) override;
    bool ChooseScreenFont(HWND owner, ChosenFont& font) override;
    void OpenWithShell(HWND owner, const ExactText& file, const ExactText& directory) override;
    bool StartProcess(const std::string& program, const std::string& directory, HANDLE& process) override;
    DWORD WaitForProcessEnd(HWND owner, HANDLE process) override;
    bool RemoveFile(const std::string& path) override;
    ExactText DesktopFolder() override;
    bool SaveShortcut(const Shortcut& shortcut) override;

private:
    std::deque<int> m_messageAnswers;
    std::deque<std::optional<std::wstring>> m_fileAnswers;
    std::deque<std::optional<ChosenFont>> m_fontAnswers;
    std::deque<bool> m_startAnswers;
};

// Checks what a file dialog was asked to show: its kind, initial name, extension, filter and flags.
void ExpectFileDialog(const FileDialogOptions& asked, bool open, const std::string& fileName,
                      const std::string& defaultExtension, const std::string& filter, DWORD flags);
