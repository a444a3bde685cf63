// Under Wine: the drive search on a generated tree on drive D:, against a bare walk of the same
// folders in the same order (the launcher's folder, then every fixed drive, depth first, stopping
// at the same file) by the plainest functions, FindFirstFileA and FindNextFileA, taking turns,
// each round printed, medians of the rounds. In
// one more round, a 20 ms timer on the dialog's thread measures how long the dialog ever goes
// without handling a message.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "common/paths.h"
#include "locate/emulator_search_dialog.h"
#include "resource.h"

namespace {

constexpr int kRounds = 7;
const char kTarget[] = "KMX.EXE";

LARGE_INTEGER g_lastTick;
double g_longestGapMs = 0;
int g_ticks = 0;
std::set<std::wstring> g_foldersSeen;
HWND g_dialog = nullptr;

double MsSince(LARGE_INTEGER from) {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart - from.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD) {
    const double gap = MsSince(g_lastTick);
    if (g_ticks > 0 && gap > g_longestGapMs) g_longestGapMs = gap;
    QueryPerformanceCounter(&g_lastTick);
    ++g_ticks;
    wchar_t folder[MAX_PATH] = L"";
    GetDlgItemTextW(g_dialog, IDC_SEARCH_FOLDER, folder, MAX_PATH);
    g_foldersSeen.insert(folder);
}

// The walk with nothing around it: no progress, no stop requests.
bool BareWalk(const std::string& folder, std::string& found) {
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((folder + "\\*.*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return false;
    bool hit = false;
    do {
        if (entry.dwFileAttributes == FILE_ATTRIBUTE_DIRECTORY && entry.cFileName[0] != '.') {
            hit = BareWalk(folder + "\\" + entry.cFileName, found);
        } else if (lstrcmpiA(entry.cFileName, kTarget) == 0) {
            found = folder + "\\" + entry.cFileName;
            hit = true;
        }
    } while (!hit && FindNextFileA(find, &entry));
    FindClose(find);
    return hit;
}

std::string BareSearch() {
    std::string found;
    if (BareWalk(GetModuleDirectory(), found)) return found;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const char drive[] = {letter, ':', '\\', '\0'};
        if (GetDriveTypeA(drive) == DRIVE_FIXED && BareWalk(std::string(1, letter) + ":", found)) return found;
    }
    return "";
}

// With probe, the 20 ms timer watches the dialog; it is left out of the timed rounds, whose
// baseline has no such load.
std::string DialogSearch(bool probe) {
    EmulatorSearchDialog dialog;
    dialog.m_strTarget = "KMX.EXE";
    g_dialog = dialog.Create();
    QueryPerformanceCounter(&g_lastTick);
    g_ticks = 0;
    const UINT_PTR timer = probe ? SetTimer(nullptr, 0, 20, OnTick) : 0;
    MSG message;
    while (!dialog.IsEnded() && GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    if (probe) KillTimer(nullptr, timer);
    return dialog.m_strResult;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main() {
    std::vector<double> bare, search;
    std::string bareFound, searchFound;
    for (int round = 0; round < kRounds; ++round) {
        for (int turn = 0; turn < 2; ++turn) {
            LARGE_INTEGER start;
            QueryPerformanceCounter(&start);
            if ((round + turn) % 2 == 0) {
                bareFound = BareSearch();
                bare.push_back(MsSince(start));
            } else {
                searchFound = DialogSearch(false);
                search.push_back(MsSince(start));
            }
        }
        std::printf("round %d: bare walk %.0f ms, search dialog %.0f ms, ratio %.2f\n", round + 1, bare.back(),
                    search.back(), search.back() / bare.back());
    }
    std::printf("bare FindFirstFileA walk (baseline): %.0f ms, search dialog: %.0f ms, ratio %.2f (medians of %d "
                "rounds, sides alternating)\n", Median(bare), Median(search), Median(search) / Median(bare), kRounds);
    std::printf("found %s\n", searchFound.c_str());
    DialogSearch(true);
    std::printf("dialog thread: longest gap %.0f ms, %zu different folders shown\n", g_longestGapMs,
                g_foldersSeen.size());
    if (searchFound.empty() || searchFound != bareFound) {
        std::printf("FAILED: the search found '%s', the bare walk '%s'\n", searchFound.c_str(), bareFound.c_str());
        return 1;
    }
    return 0;
}
