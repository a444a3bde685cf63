// The drive-search worker: walks the launcher's folder tree, then every fixed drive, for one file name.
// It walks by the wide file functions, so every folder is reached whatever its name; a match is
// taken only when code page 932 can name its path, since the launcher and the emulator use it so.
#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>

#include "common/exact_text.h"

// Worker to dialog, posted once as its last act: wParam a SearchResult, lParam the SearchRequest.
constexpr UINT WM_SEARCH_DONE = WM_APP + 1;

enum SearchResult { Found = 0, NotFound = 1, Cancelled = 2 };

// Handed to the worker at its start and back to the dialog with WM_SEARCH_DONE.
struct SearchRequest {
    SearchRequest() = default;
    // The dialog's request for the file name target.
    SearchRequest(HWND dialog, const std::string& target);

    HWND hwndDialog = nullptr;
    wchar_t target[MAX_PATH] = L"";  // the file name looked for, as the walk compares it
    std::string found;               // the full path of the match; empty until then
    ExactText unusable;              // the first match that code page 932 cannot name; empty while none
    // The pattern of the folder being listed, published for the dialog to show at its own pace:
    // a message per folder would cost the walk more than the listing itself.
    std::mutex folderLock;
    wchar_t folder[MAX_PATH] = L"";
    // The stop request, looked at before every entry; a WM_QUIT is looked at between drives too.
    std::atomic<bool> stop{false};
    // How folders are listed: without the short names the platform would make up for every entry
    // and in large batches, until the system refuses those flags (before Windows 7); then the
    // plain way. The function is replaceable for a test of that refusal.
    decltype(&FindFirstFileExW) findFirstEx = FindFirstFileExW;
    bool plainListing = false;
};

// The worker thread's entry.
DWORD WINAPI SearchThreadProc(LPVOID request);

// Walks the folder path[0, length) depth first, the path buffer growing in place; true when the
// target was found there or below. A path that would not fit the buffer is passed over.
bool SearchDirectory(SearchRequest& request, wchar_t (&path)[MAX_PATH], std::size_t length);
