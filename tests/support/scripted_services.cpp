// Scripted services for dialog tests.
#include "support/scripted_services.h"

#include <gtest/gtest.h>

#include "common/wide.h"
#include "support/cp932_literal.h"

ScriptedServices::ScriptedServices() { SetServices(this); }

ScriptedServices::~ScriptedServices() {
    SetServices(nullptr);
    EXPECT_TRUE(m_messageAnswers.empty()) << m_messageAnswers.size() << " message box answers unused";
    EXPECT_TRUE(m_fileAnswers.empty()) << m_fileAnswers.size() << " file dialog answers unused";
    EXPECT_TRUE(m_fontAnswers.empty()) << m_fontAnswers.size() << " font dialog answers unused";
    EXPECT_TRUE(m_startAnswers.empty()) << m_startAnswers.size() << " process start answers unused";
}

void ScriptedServices::AnswerFile(std::optional<std::string> path) {
    m_fileAnswers.push_back(path ? std::optional<std::wstring>(WideOfSjis(*path)) : std::nullopt);
}

int ScriptedServices::ShowMessage(HWND, const ExactText& text, UINT type) {
    m_messages.push_back(text.cp932);
    m_wideMessages.push_back(Wide(text));
    m_messageTypes.push_back(type);
    if (m_messageAnswers.empty()) {
        ADD_FAILURE() << "unexpected message box: " << m_messages.back();
        return IDCANCEL;
    }
    const int answer = m_messageAnswers.front();
    m_messageAnswers.pop_front();
    return answer;
}

bool ScriptedServices::ChooseFile(const FileDialogOptions& options, ExactText& path) {
    m_fileDialogs.push_back(options);
    if (m_fileAnswers.empty()) {
        ADD_FAILURE() << "unexpected file dialog for " << options.fileName.cp932;
        return false;
    }
    const std::optional<std::wstring> answer = m_fileAnswers.front();
    m_fileAnswers.pop_front();
    if (!answer) return false;
    path = ExactTextOf(*answer);
    return true;
}

bool ScriptedServices::ChooseScreenFont(HWND, ChosenFont& font) {
    if (m_fontAnswers.empty()) {
        ADD_FAILURE() << "unexpected font dialog";
        return false;
    }
    const std::optional<ChosenFont> answer = m_fontAnswers.front();
    m_fontAnswers.pop_front();
    if (!answer) return false;
    font = *answer;
    return true;
}

void ScriptedServices::OpenWithShell(HWND, const ExactText& file, const ExactText& directory) {
    m_shellOpened.push_back(file.cp932 + "|" + directory.cp932);
    m_wideShellOpened.push_back(Wide(file) + L"|" + Wide(directory));
}

ExactText ScriptedServices::DesktopFolder() { return ExactTextOf(m_desktop); }

bool ScriptedServices::StartProcess(const std::string& program, const std::string& directory, HANDLE& process) {
    m_started.push_back(program + "|" + directory);
    if (m_startAnswers.empty()) {
        ADD_FAILURE() << "unexpected process start: " << program;
        return false;
    }
    const bool started = m_startAnswers.front();
    m_startAnswers.pop_front();
    if (started) DuplicateHandle(GetCurrentProcess(), GetCurrentProcess(), GetCurrentProcess(), &process, 0, FALSE,
                                 DUPLICATE_SAME_ACCESS);
    return started;
}

DWORD ScriptedServices::WaitForProcessEnd(HWND, HANDLE process) {
    ++m_waits;
    CloseHandle(process);
    return m_exitCode;
}

bool ScriptedServices::SaveShortcut(const Shortcut& shortcut) {
    m_shortcuts.push_back(shortcut);
    HANDLE file = CreateFileW(Wide(shortcut.file).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

bool ScriptedServices::RemoveFile(const std::string& path) {
    m_removed.push_back(path);
    return DeleteFileW(WideOfSjis(path).c_str()) != FALSE;
}

void ExpectFileDialog(const FileDialogOptions& asked, bool open, const std::string& fileName,
                      const std::string& defaultExtension, const std::string& filter, DWORD flags) {
    EXPECT_EQ(asked.open, open);
    EXPECT_EQ(asked.fileName, fileName);
    EXPECT_EQ(asked.defaultExtension, defaultExtension);
    EXPECT_EQ(asked.filter, filter);
    EXPECT_EQ(asked.flags, flags);
}
