// The new hard-disk image dialog.
#include "tools/new_hard_disk_dialog.h"

#include <commdlg.h>

#include <cstdio>

#include "common/file_io.h"
#include "common/paths.h"
#include "common/texts.h"
#include "framework/services.h"
#include "resource.h"
#include "tools/hard_disk_image.h"

namespace {

constexpr int kLargeDiskMegabytes = 128;
// The writer's result, posted once as its last act: wParam the FileError.
constexpr UINT WM_HDD_WRITTEN = WM_APP + 1;
// Progress is shown about 30 times a second, whatever the disk's speed.
constexpr UINT_PTR kProgressTimer = 1;
constexpr UINT kProgressIntervalMs = 33;

const char* ErrorTextFor(fileio::FileError error) {
    switch (error) {
        case fileio::FileError::BadPath: return texts::kPathInvalid;
        case fileio::FileError::AccessDenied: return texts::kAccessDenied;
        case fileio::FileError::DiskFull: return texts::kDiskFull;
        default: return texts::kFileAccessError;
    }
}

}  // namespace

BEGIN_MESSAGE_MAP(NewHardDiskDialog)
    ON_MESSAGE(WM_HDD_WRITTEN, OnWritten)
    ON_MESSAGE(WM_TIMER, OnTimer)
    ON_MESSAGE(WM_SETCURSOR, OnSetCursor)
END_MESSAGE_MAP()

NewHardDiskDialog::NewHardDiskDialog(HWND parent) : Dialog(IDD_NEW_HDD, parent) {}

NewHardDiskDialog::~NewHardDiskDialog() {
    if (IsWriting()) {
        m_bStop = true;
        m_writer.join();
    }
}

BOOL NewHardDiskDialog::OnInitDialog() {
    m_fileNameEdit.Attach(m_hWnd, IDC_HDD_FILE_NAME);
    m_fileNameEdit.m_bOpen = FALSE;
    m_fileNameEdit.m_dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    m_fileNameEdit.m_strDefExt = "khd";
    m_fileNameEdit.m_strFilter = "KMX HD(*.khd)|*.khd|All Files(*.*)|*.*||";
    return TRUE;
}

bool NewHardDiskDialog::Confirm(int size) {
    if (m_strFileName.empty()) {
        ShowMessage(m_hWnd, texts::kEnterFileName, MB_OK | MB_ICONINFORMATION);
        return false;
    }
    // A negative size would make an image of the header alone: refused like 0.
    if (size <= 0) {
        ShowMessage(m_hWnd, texts::kEnterFileSize, MB_OK | MB_ICONINFORMATION);
        return false;
    }
    return size <= kLargeDiskMegabytes || ShowMessage(m_hWnd, texts::kLargeDiskQuestion, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

bool NewHardDiskDialog::ConfirmReplace() {
    // A typed name of an existing file may be a disk with the user's data; one chosen in the
    // field's save-as dialog was asked about there already.
    return !IsExistingFile(m_strFileName) || m_strFileName == m_fileNameEdit.ChosenPath() ||
           ShowMessage(m_hWnd, m_strFileName + texts::kReplaceQuestion, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void NewHardDiskDialog::ShowProgress(int block) {
    char progress[32];
    std::snprintf(progress, sizeof progress, "%d/%d", block, m_nSize);
    SetItemText(IDC_HDD_SIZE, progress);
    UpdateWindow(Item(IDC_HDD_SIZE));
    m_nShownBlock = block;
}

void NewHardDiskDialog::OnOK() {
    if (IsWriting()) return;
    m_strFileName = m_fileNameEdit.GetText();
    const int size = static_cast<int>(GetDlgItemInt(m_hWnd, IDC_HDD_SIZE, nullptr, TRUE));
    if (!Confirm(size)) return;
    // Written beside the target and renamed over it only when complete: a failure leaves the
    // earlier file as it was and nothing half written. A target that cannot be created is
    // reported here, before any data is written and before asking about replacing it.
    m_pFile = std::make_unique<fileio::AtomicFile>();
    const fileio::FileError error = m_pFile->Open(m_strFileName);
    if (error != fileio::FileError::None) {
        FinishWriting(error);
        return;
    }
    if (!ConfirmReplace()) {
        m_pFile.reset();
        return;
    }
    StartWriting(size);
}

void NewHardDiskDialog::StartWriting(int size) {
    m_nSize = size;
    m_nBlock = 0;
    m_nShownBlock = 0;
    m_bStop = false;
    for (int id : {IDC_HDD_FILE_NAME, IDC_HDD_SIZE, IDOK}) EnableWindow(Item(id), FALSE);
    SetCursor(LoadCursor(nullptr, IDC_WAIT));
    SetTimer(m_hWnd, kProgressTimer, kProgressIntervalMs, nullptr);
    HWND window = m_hWnd;
    m_writer = std::thread([this, window, size] {
        fileio::FileError error = WriteHardDiskImage(*m_pFile, size, [this](int block, int) {
            m_nBlock = block;
            return !m_bStop;
        });
        if (error == fileio::FileError::None) error = m_bStop ? fileio::FileError::Cancelled : m_pFile->Commit();
        PostMessageW(window, WM_HDD_WRITTEN, static_cast<WPARAM>(error), 0);
    });
}

fileio::FileError NewHardDiskDialog::StopWriting() {
    m_bStop = true;
    m_writer.join();
    KillTimer(m_hWnd, kProgressTimer);
    // The thread's last act was to post its result.
    MSG written = {};
    PeekMessageW(&written, m_hWnd, WM_HDD_WRITTEN, WM_HDD_WRITTEN, PM_REMOVE);
    return written.message == WM_HDD_WRITTEN ? static_cast<fileio::FileError>(written.wParam) : fileio::FileError::Cancelled;
}

LRESULT NewHardDiskDialog::OnTimer(WPARAM, LPARAM) {
    const int block = m_nBlock;
    if (block != m_nShownBlock) ShowProgress(block);
    return 0;
}

LRESULT NewHardDiskDialog::OnWritten(WPARAM error, LPARAM) {
    if (!IsWriting()) return 0;
    m_writer.join();
    KillTimer(m_hWnd, kProgressTimer);
    FinishWriting(static_cast<fileio::FileError>(error));
    return 0;
}

void NewHardDiskDialog::FinishWriting(fileio::FileError error) {
    m_pFile.reset();  // removes the temporary file of a write that did not complete
    for (int id : {IDC_HDD_FILE_NAME, IDC_HDD_SIZE, IDOK}) EnableWindow(Item(id), TRUE);
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    if (m_nSize > 0 && m_nShownBlock != m_nSize && error == fileio::FileError::None) ShowProgress(m_nSize);
    if (m_nSize > 0) SetDlgItemInt(m_hWnd, IDC_HDD_SIZE, static_cast<UINT>(m_nSize), TRUE);
    m_nSize = 0;
    if (error != fileio::FileError::None) {
        ShowMessage(m_hWnd, m_strFileName + ErrorTextFor(error), MB_OK | MB_ICONSTOP);
        return;
    }
    Dialog::OnOK();
}

void NewHardDiskDialog::OnCancel() {
    // Stopped between two blocks: the temporary file goes and the earlier file stays. An image
    // that was already complete and in place stands, and the dialog ends as for OK.
    if (IsWriting() && StopWriting() == fileio::FileError::None) {
        FinishWriting(fileio::FileError::None);
        return;
    }
    m_pFile.reset();
    Dialog::OnCancel();
}

LRESULT NewHardDiskDialog::OnSetCursor(WPARAM, LPARAM) {
    if (!IsWriting()) return Default();
    SetCursor(LoadCursor(nullptr, IDC_WAIT));
    return TRUE;
}
