// File helpers for tests: code page 932 paths through the wide file functions.
#include "support/win_files.h"

#include <windows.h>

#include <stdexcept>

#include "support/cp932_literal.h"

void MakeFolder(const std::wstring& path) {
    if (path.size() <= 3 || GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) return;
    MakeFolder(path.substr(0, path.find_last_of(L'\\')));
    CreateDirectoryW(path.c_str(), nullptr);
}

void MakeFolder(const std::string& path) { MakeFolder(WideOfSjis(path)); }

void MakeFile(const std::wstring& path, const std::string& contents) {
    MakeFolder(path.substr(0, path.find_last_of(L'\\')));
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot create " + SjisOfWide(path));
    DWORD written = 0;
    WriteFile(file, contents.data(), static_cast<DWORD>(contents.size()), &written, nullptr);
    CloseHandle(file);
}

void MakeFile(const std::string& path, const std::string& contents) { MakeFile(WideOfSjis(path), contents); }

void RemoveTree(const std::string& path) { RemoveTree(WideOfSjis(path)); }

void RemoveTree(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL | (attributes & FILE_ATTRIBUTE_DIRECTORY));
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        DeleteFileW(path.c_str());
        return;
    }
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW((path + L"\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = entry.cFileName;
            if (name != L"." && name != L"..") RemoveTree(path + L"\\" + name);
        } while (FindNextFileW(find, &entry));
        FindClose(find);
    }
    RemoveDirectoryW(path.c_str());
}

std::string ReadFileText(const std::string& path) {
    HANDLE file = CreateFileW(WideOfSjis(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot open " + path);
    std::string text;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
    CloseHandle(file);
    return text;
}
