// A file held open by a second process with a chosen share mode for as long as the object lives:
// the platform enforces share modes across processes.
#pragma once

#include <windows.h>

#include <string>

class HeldFile {
public:
    HeldFile(const std::string& path, DWORD share);
    ~HeldFile();
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;

    // True once the other process holds the file.
    bool IsHeld() const { return m_bHeld; }

private:
    PROCESS_INFORMATION m_process = {};
    bool m_bHeld = false;
};
