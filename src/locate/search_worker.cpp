// The drive-search worker thread.
#include "locate/search_worker.h"

#include <string>

#include "common/cp932.h"
#include "common/paths.h"

namespace {

bool StopRequested(bool remove) {
    MSG message;
    return PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, remove ? PM_REMOVE : PM_NOREMOVE) != FALSE;
}

// Joins folder, "\", name and suffix into a MAX_PATH buffer; false when it would not fit.
bool BuildPath(char (&buffer)[MAX_PATH], const std::string& folder, const char* name, const char* suffix) {
    const std::string path = folder + "\\" + name + suffix;
    if (path.size() >= MAX_PATH) return false;
    path.copy(buffer, path.size());
    buffer[path.size()] = '\0';
    return true;
}

DWORD Finish(SearchRequest* request, SearchResult result) {
    PostMessageA(request->hwndDialog, WM_SEARCH_DONE, result, reinterpret_cast<LPARAM>(request));
    return 0;
}

}  // namespace

bool SearchDirectory(SearchRequest& request, const char* pattern) {
    {
        std::lock_guard<std::mutex> lock(request.folderLock);
        lstrcpynA(request.folder, pattern, MAX_PATH);
    }
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA(pattern, &entry);
    if (find == INVALID_HANDLE_VALUE) return false;
    const std::string folder = DirectoryOf(pattern);
    bool found = false;
    while (!request.stop.load(std::memory_order_relaxed)) {
        // Only plain folders are walked: the attribute word must be exactly "directory".
        if (entry.dwFileAttributes == FILE_ATTRIBUTE_DIRECTORY && entry.cFileName[0] != '.') {
            char subPattern[MAX_PATH];
            if (BuildPath(subPattern, folder, entry.cFileName, "\\*.*") && SearchDirectory(request, subPattern)) {
                found = true;
                break;
            }
        } else if (cp932::EqualsIgnoreCase(entry.cFileName, request.target)) {
            if (BuildPath(request.found, folder, entry.cFileName, "")) {
                found = true;
                break;
            }
        }
        if (!FindNextFileA(find, &entry)) break;
    }
    FindClose(find);
    return found;
}

DWORD WINAPI SearchThreadProc(LPVOID parameter) {
    SearchRequest* request = static_cast<SearchRequest*>(parameter);
    // Give the thread its message queue at once, so a stop request can always be posted.
    StopRequested(false);
    const std::string launcherPattern = GetModuleDirectory() + "\\*.*";
    if (launcherPattern.size() < MAX_PATH && SearchDirectory(*request, launcherPattern.c_str())) {
        return Finish(request, Found);
    }
    char root[] = "A:\\*.*";
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        if (StopRequested(true) || request->stop) return Finish(request, Cancelled);
        root[0] = letter;
        const char drive[] = {letter, ':', '\\', '\0'};
        if (GetDriveTypeA(drive) == DRIVE_FIXED && SearchDirectory(*request, root)) return Finish(request, Found);
    }
    return Finish(request, NotFound);
}
