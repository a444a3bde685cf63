// The drive-search worker: walks the launcher's folder tree, then every fixed drive, for one file name.
#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>

// Worker to dialog, posted once as its last act: wParam a SearchResult, lParam the SearchRequest.
constexpr UINT WM_SEARCH_DONE = WM_USER + 1;

enum SearchResult { Found = 0, NotFound = 1, Cancelled = 2 };

// Handed to the worker at its start and back to the dialog with WM_SEARCH_DONE.
struct SearchRequest {
    HWND hwndDialog;
    char target[MAX_PATH];  // the file name looked for
    char found[MAX_PATH];   // the full path of the match; empty until then
    // The pattern of the folder being listed, published for the dialog to show at its own pace:
    // a message per folder would cost the walk more than the listing itself.
    std::mutex folderLock;
    char folder[MAX_PATH];
    // The stop request, looked at before every entry; a WM_QUIT is looked at between drives too.
    std::atomic<bool> stop{false};
};

// The worker thread's entry.
DWORD WINAPI SearchThreadProc(LPVOID request);

// Walks the folder of pattern ("folder\*.*") depth first; true when the target was found there
// or below. A path that would not fit its MAX_PATH buffer is passed over.
bool SearchDirectory(SearchRequest& request, const char* pattern);
