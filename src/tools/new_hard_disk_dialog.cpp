// The new hard-disk image dialog.
#include "tools/new_hard_disk_dialog.h"

#include <commdlg.h>

#include <cstdio>

#include "common/file_io.h"
#include "common/texts.h"
#include "framework/services.h"
#include "resource.h"
#include "tools/hard_disk_image.h"

namespace {

constexpr int kLargeDiskMegabytes = 128;

const char* ErrorTextFor(fileio::FileError error) {
    switch (error) {
        case fileio::FileError::InvalidPath: return texts::kPathInvalid;
        case fileio::FileError::AccessDenied: return texts::kAccessDenied;
        case fileio::FileError::DiskFull: return texts::kDiskFull;
        default: return texts::kFileAccessError;
    }
}

bool IsExistingFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

NewHardDiskDialog::NewHardDiskDialog(HWND parent) : Dialog(IDD_NEW_HDD, parent) {}

BOOL NewHardDiskDialog::OnInitDialog() {
    m_fileNameEdit.Attach(m_hWnd, IDC_HDD_FILE_NAME);
    m_fileNameEdit.m_bOpen = FALSE;
    m_fileNameEdit.m_dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    m_fileNameEdit.m_strDefExt = "khd";
    m_fileNameEdit.m_strFilter = "KMX HD(*.khd)|*.khd|All Files(*.*)|*.*||";
    return TRUE;
}

bool NewHardDiskDialog::Confirm(int size) {
    Services& services = GetServices();
    if (m_strFileName.empty()) {
        services.ShowMessage(m_hWnd, texts::kEnterFileName, MB_OK | MB_ICONINFORMATION);
        return false;
    }
    // A negative size would make an image of the header alone: refused like 0.
    if (size <= 0) {
        services.ShowMessage(m_hWnd, texts::kEnterFileSize, MB_OK | MB_ICONINFORMATION);
        return false;
    }
    if (size > kLargeDiskMegabytes &&
        services.ShowMessage(m_hWnd, texts::kLargeDiskQuestion, MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return false;
    }
    // A typed name of an existing file may be a disk with the user's data; one chosen in the
    // field's save-as dialog was asked about there already.
    if (IsExistingFile(m_strFileName) && m_strFileName != m_fileNameEdit.ChosenPath() &&
        services.ShowMessage(m_hWnd, m_strFileName + texts::kReplaceQuestion, MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return false;
    }
    return true;
}

void NewHardDiskDialog::ShowProgress(int block, int total) {
    char progress[32];
    std::snprintf(progress, sizeof progress, "%d/%d", block, total);
    SetItemText(IDC_HDD_SIZE, progress);
    UpdateWindow(Item(IDC_HDD_SIZE));
}

void NewHardDiskDialog::OnOK() {
    m_strFileName = ItemText(IDC_HDD_FILE_NAME);
    const int size = static_cast<int>(GetDlgItemInt(m_hWnd, IDC_HDD_SIZE, nullptr, TRUE));
    if (!Confirm(size)) return;

    SetCursor(LoadCursor(nullptr, IDC_WAIT));
    // Written beside the target and renamed over it only when complete: a failure leaves the
    // earlier file as it was and nothing half written.
    fileio::AtomicFile file;
    fileio::FileError error = file.Open(m_strFileName);
    if (error == fileio::FileError::None) {
        error = WriteHardDiskImage(file, size, [this](int block, int total) { ShowProgress(block, total); });
    }
    if (error == fileio::FileError::None) {
        SetDlgItemInt(m_hWnd, IDC_HDD_SIZE, static_cast<UINT>(size), TRUE);
        error = file.Commit();
    }
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    if (error != fileio::FileError::None) {
        GetServices().ShowMessage(m_hWnd, m_strFileName + ErrorTextFor(error), MB_OK | MB_ICONSTOP);
        return;
    }
    Dialog::OnOK();
}
