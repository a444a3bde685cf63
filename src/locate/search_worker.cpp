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

// Puts "\" and name after the folder path[0, length) when the whole fits the buffer.
bool Join(wchar_t (&path)[MAX_PATH], std::size_t length, const wchar_t* name) {
    const std::size_t nameLength = wcslen(name);
    if (length + 1 + nameLength >= MAX_PATH) return false;
    path[length] = L'\\';
    wmemcpy(path + length + 1, name, nameLength + 1);
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

// Starts listing a folder, pattern "folder\*.*", as the request says it is listed.
HANDLE FindFirstEntry(SearchRequest& request, const wchar_t* pattern, WIN32_FIND_DATAW& entry) {
    if (!request.plainListing) {
        const HANDLE find = request.findFirstEx(pattern, FindExInfoBasic, &entry, FindExSearchNameMatch, nullptr,
                                                FIND_FIRST_EX_LARGE_FETCH);
        if (find != INVALID_HANDLE_VALUE || GetLastError() != ERROR_INVALID_PARAMETER) return find;
        request.plainListing = true;
    }
    return FindFirstFileW(pattern, &entry);
}

DWORD Finish(SearchRequest* request, SearchResult result) {
    PostMessageW(request->hwndDialog, WM_SEARCH_DONE, result, reinterpret_cast<LPARAM>(request));
    return 0;
}

}  // namespace

// The walk compares the wide names the file functions list with a wide target.
SearchRequest::SearchRequest(HWND dialog, const std::string& target) : hwndDialog(dialog) {
    Wide(target).copy(this->target, MAX_PATH - 1);
}

bool SearchDirectory(SearchRequest& request, wchar_t (&path)[MAX_PATH], std::size_t length) {
    if (!Join(path, length, L"*.*")) return false;
    {
        std::lock_guard<std::mutex> lock(request.folderLock);
        wmemcpy(request.folder, path, length + 5);
    }
    WIN32_FIND_DATAW entry;
    const HANDLE find = FindFirstEntry(request, path, entry);
    if (find == INVALID_HANDLE_VALUE) return false;
    bool found = false;
    while (!request.stop.load(std::memory_order_relaxed)) {
        // Only plain folders are walked: the attribute word must be exactly "directory".
        if (entry.dwFileAttributes == FILE_ATTRIBUTE_DIRECTORY && entry.cFileName[0] != L'.') {
            if (Join(path, length, entry.cFileName) &&
                SearchDirectory(request, path, length + 1 + wcslen(entry.cFileName))) {
                found = true;
                break;
            }
        } else if (EqualsIgnoreCase(entry.cFileName, request.target) && Join(path, length, entry.cFileName)) {
            ExactText named = ExactTextOf(std::wstring_view(path));
            if (named.exact.empty()) {
                request.found = std::move(named.cp932);
                found = true;
                break;
            }
            // Of no use to the launcher; kept to tell the user, and the walk goes on.
            if (request.unusable.cp932.empty()) request.unusable = std::move(named);
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
    const std::wstring launcherFolder = Wide(GetModuleDirectory());
    wchar_t path[MAX_PATH];
    if (!launcherFolder.empty() && launcherFolder.size() < MAX_PATH) {
        launcherFolder.copy(path, launcherFolder.size());
        if (SearchDirectory(*request, path, launcherFolder.size())) return Finish(request, Found);
    }
    for (wchar_t letter = L'A'; letter <= L'Z'; ++letter) {
        if (StopRequested(true) || request->stop) return Finish(request, Cancelled);
        const wchar_t drive[] = {letter, L':', L'\\', L'\0'};
        path[0] = letter;
        path[1] = L':';
        if (GetDriveTypeW(drive) == DRIVE_FIXED && SearchDirectory(*request, path, 2)) return Finish(request, Found);
    }
    return Finish(request, NotFound);
}
