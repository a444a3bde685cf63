// Starting and ending the holder process beside the test executable.
#include "support/held_file.h"

#include <atomic>

#include "common/paths.h"

HeldFile::HeldFile(const std::string& path, DWORD share) {
    static std::atomic<int> count{0};
    const std::string event = "orvane-held-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++count);
    HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, event.c_str());
    std::string command =
        "\"" + GetModuleDirectory() + "\\file_holder.exe\" \"" + path + "\" " + std::to_string(share) + " " + event;
    STARTUPINFOA startup = {sizeof startup};
    if (CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                       &m_process)) {
        const HANDLE either[] = {ready, m_process.hProcess};
        m_bHeld = WaitForMultipleObjects(2, either, FALSE, 10000) == WAIT_OBJECT_0;
    }
    CloseHandle(ready);
}

HeldFile::~HeldFile() {
    if (m_process.hProcess == nullptr) return;
    TerminateProcess(m_process.hProcess, 0);
    WaitForSingleObject(m_process.hProcess, 10000);
    CloseHandle(m_process.hProcess);
    CloseHandle(m_process.hThread);
}
