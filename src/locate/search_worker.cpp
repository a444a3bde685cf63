// The drive-search worker thread.
#include "locate/search_worker.h"

#include <string>

#include "common/paths.h"
#include "common/wide.h"

namespace {

bool StopRequested(bool remove) {
    MSG message;
    return PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, remove ? PM_REMOVE : PM_NOREMOVE) != FALSE;
}

// Joins folder, "\", name and suffix into a MAX_PATH buffer; false when it would not fit.
bool BuildPath(wchar_t (&buffer)[MAX_PATH], const std::wstring& folder, const wchar_t* name, const wchar_t* suffix) {
    const std::wstring path = folder + L"\\" + name + suffix;
    if (path.size() >= MAX_PATH) return false;
    path.copy(buffer, path.size());
    buffer[path.size()] = L'\0';
    return true;
}

// File names compare as the launcher compares code page 932 names: ASCII letters without regard
// to case, every other character as itself.
bool EqualsIgnoreCase(const wchar_t* a, const wchar_t* b) {
    const auto fold = [](wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; };
    for (; *a != L'\0' && fold(*a) == fold(*b); ++a, ++b) {
    }
    return *a == L'\0' && *b == L'\0';
}

DWORD Finish(SearchRequest* request, SearchResult result) {
    PostMessageW(request->hwndDialog, WM_SEARCH_DONE, result, reinterpret_cast<LPARAM>(request));
    return 0;
}

}  // namespace

bool SearchDirectory(SearchRequest& request, const wchar_t* pattern) {
    {
        std::lock_guard<std::mutex> lock(request.folderLock);
        lstrcpynW(request.folder, pattern, MAX_PATH);
    }
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW(pattern, &entry);
    if (find == INVALID_HANDLE_VALUE) return false;
    const std::wstring listed = pattern;
    const std::wstring folder = listed.substr(0, listed.find_last_of(L'\\'));
    bool found = false;
    while (!request.stop.load(std::memory_order_relaxed)) {
        // Only plain folders are walked: the attribute word must be exactly "directory".
        if (entry.dwFileAttributes == FILE_ATTRIBUTE_DIRECTORY && entry.cFileName[0] != L'.') {
            wchar_t subPattern[MAX_PATH];
            if (BuildPath(subPattern, folder, entry.cFileName, L"\\*.*") && SearchDirectory(request, subPattern)) {
                found = true;
                break;
            }
        } else if (EqualsIgnoreCase(entry.cFileName, request.target)) {
            wchar_t path[MAX_PATH];
            std::string named;
            if (BuildPath(path, folder, entry.cFileName, L"")) {
                if (Narrow(path, named)) {
                    lstrcpynW(request.found, path, MAX_PATH);
                    found = true;
                    break;
                }
                // Of no use to the launcher; kept to tell the user, and the walk goes on.
                if (request.unusable[0] == L'\0') lstrcpynW(request.unusable, path, MAX_PATH);
            }
        }
        if (!FindNextFileW(find, &entry)) break;
    }
    FindClose(find);
    return found;
}

DWORD WINAPI SearchThreadProc(LPVOID parameter) {
    SearchRequest* request = static_cast<SearchRequest*>(parameter);
    // Give the thread its message queue at once, so a stop request can always be posted.
    StopRequested(false);
    // A launcher folder that code page 932 cannot name holds nothing the launcher could use.
    const std::string launcherFolder = GetModuleDirectory();
    const std::wstring launcherPattern = Wide(launcherFolder) + L"\\*.*";
    if (!launcherFolder.empty() && launcherPattern.size() < MAX_PATH && SearchDirectory(*request, launcherPattern.c_str())) {
        return Finish(request, Found);
    }
    wchar_t root[] = L"A:\\*.*";
    for (wchar_t letter = L'A'; letter <= L'Z'; ++letter) {
        if (StopRequested(true) || request->stop) return Finish(request, Cancelled);
        root[0] = letter;
        const wchar_t drive[] = {letter, L':', L'\\', L'\0'};
        if (GetDriveTypeW(drive) == DRIVE_FIXED && SearchDirectory(*request, root)) return Finish(request, Found);
    }
    return Finish(request, NotFound);
}
