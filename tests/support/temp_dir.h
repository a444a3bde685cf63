// Test helpers: a fresh folder removed with its contents at the end of a test, and whole-file I/O.
#pragma once

#include <string>

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return m_strPath; }
    // The path of a file name inside the folder.
    std::string File(const std::string& name) const;

private:
    std::string m_strPath;
};

void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);
// How many entries a folder holds.
int CountEntries(const std::string& folder);
