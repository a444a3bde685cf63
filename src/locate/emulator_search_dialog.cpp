// The search dialog.
#include "locate/emulator_search_dialog.h"

#include <commdlg.h>

#include "common/cp932.h"
#include "common/paths.h"
#include "common/texts.h"
#include "framework/services.h"
#include "resource.h"

namespace {
// The folder shown is the worker's latest, about 30 times a second: as fast as the eye can read.
constexpr UINT_PTR kFolderTimer = 1;
constexpr UINT kFolderIntervalMs = 33;
}  // namespace

BEGIN_MESSAGE_MAP(EmulatorSearchDialog)
    ON_BN_CLICKED(IDC_SEARCH_SET, OnSet)
    ON_MESSAGE(WM_SEARCH_DONE, OnSearchDone)
    ON_MESSAGE(WM_TIMER, OnTimer)
    ON_MESSAGE(WM_CLOSE, OnClose)
END_MESSAGE_MAP()

EmulatorSearchDialog::EmulatorSearchDialog(HWND parent) : Dialog(IDD_SEARCH, parent) {}

EmulatorSearchDialog::~EmulatorSearchDialog() { StopWorker(); }

BOOL EmulatorSearchDialog::OnInitDialog() {
    if (m_strTarget.empty()) {
        EndDialog(IDCANCEL);
        return TRUE;
    }
    m_strResult.clear();
    m_pRequest = new SearchRequest(m_hWnd, m_strTarget);
    m_hThread = CreateThread(nullptr, 0, SearchThreadProc, m_pRequest, 0, &m_dwThreadId);
    if (m_hThread == nullptr) {
        delete m_pRequest;
        m_pRequest = nullptr;
        EndDialog(IDCANCEL);
        return TRUE;
    }
    SetTimer(m_hWnd, kFolderTimer, kFolderIntervalMs, nullptr);
    return TRUE;
}

void EmulatorSearchDialog::OnSet() {
    if (m_pRequest != nullptr) m_pRequest->stop = true;
    // Posting fails only before the worker's queue exists, for a moment after its start.
    while (m_hThread != nullptr && !PostThreadMessageW(m_dwThreadId, WM_QUIT, 0, 0) &&
           WaitForSingleObject(m_hThread, 0) == WAIT_TIMEOUT) {
        Sleep(1);
    }
}

LRESULT EmulatorSearchDialog::OnTimer(WPARAM, LPARAM) {
    if (m_pRequest == nullptr) return 0;
    std::wstring folder;
    {
        std::lock_guard<std::mutex> lock(m_pRequest->folderLock);
        folder = m_pRequest->folder;
    }
    if (folder != m_strShownFolder) {
        m_strShownFolder = folder;
        SetItemText(IDC_SEARCH_FOLDER, folder);
    }
    return 0;
}

LRESULT EmulatorSearchDialog::OnSearchDone(WPARAM code, LPARAM request) {
    // Only the answer to this dialog's own request, which the worker hands back once.
    SearchRequest* done = reinterpret_cast<SearchRequest*>(request);
    if (done == nullptr || done != m_pRequest) return 0;
    KillTimer(m_hWnd, kFolderTimer);
    WaitForSingleObject(m_hThread, INFINITE);
    CloseHandle(m_hThread);
    m_hThread = nullptr;
    m_pRequest = nullptr;
    switch (code) {
        case Found:
            m_strResult = done->found;
            break;
        case NotFound:
            m_strResult.clear();
            if (!done->unusable.cp932.empty()) ReportPathBeyondCp932(m_hWnd, done->unusable);
            break;
        case Cancelled:
            ChooseByHand();
            break;
    }
    delete done;
    PostMessageW(m_hWnd, WM_CLOSE, 0, 0);
    return 0;
}

void EmulatorSearchDialog::ChooseByHand() {
    FileDialogOptions options;
    options.open = true;
    options.fileName = m_strTarget;
    options.flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    std::string chosen;
    if (!ChooseFile(options, chosen)) return;
    if (cp932::EqualsIgnoreCase(FileNameOf(chosen), m_strTarget)) {
        m_strResult = chosen;
    } else {
        ShowMessage(m_hWnd, texts::kWrongFile, MB_OK);
    }
}

LRESULT EmulatorSearchDialog::OnClose(WPARAM, LPARAM) {
    StopWorker();
    EndDialog(m_strResult.empty() ? IDCANCEL : IDOK);
    return 0;
}

void EmulatorSearchDialog::OnCancel() {
    StopWorker();
    Dialog::OnCancel();
}

void EmulatorSearchDialog::StopWorker() {
    // Ended before the result arrived: stop the worker, wait for it, and take its request back
    // together with the result message it may already have posted.
    if (m_hThread == nullptr) return;
    if (m_hWnd != nullptr) KillTimer(m_hWnd, kFolderTimer);
    OnSet();
    WaitForSingleObject(m_hThread, INFINITE);  // the worker sends nothing, so it cannot wait on this thread
    CloseHandle(m_hThread);
    m_hThread = nullptr;
    MSG done;
    if (m_hWnd != nullptr) PeekMessageW(&done, m_hWnd, WM_SEARCH_DONE, WM_SEARCH_DONE, PM_REMOVE);
    delete m_pRequest;
    m_pRequest = nullptr;
}
