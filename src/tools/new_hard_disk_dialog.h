// The new hard-disk image dialog: a file name and a size in megabytes; OK writes the image.
#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <thread>

#include "common/file_io.h"
#include "controls/image_path_edit.h"
#include "framework/dialog.h"

class NewHardDiskDialog : public Dialog {
public:
    explicit NewHardDiskDialog(HWND parent = nullptr);
    ~NewHardDiskDialog() override;

    std::string m_strFileName;  // the name as the field held it when OK was pressed
    ImagePathEdit m_fileNameEdit;

    // True while an image is being written; the dialog ends when the write is done.
    bool IsWriting() const { return m_writer.joinable(); }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

private:
    // The checks of name and size, then the question about a large image.
    bool Confirm(int size);
    // The question about replacing an existing file of a typed name.
    bool ConfirmReplace();
    void ShowProgress(int block);
    void StartWriting(int size);
    fileio::FileError StopWriting();
    void FinishWriting(fileio::FileError error);
    LRESULT OnWritten(WPARAM error, LPARAM);
    LRESULT OnTimer(WPARAM, LPARAM);
    LRESULT OnSetCursor(WPARAM, LPARAM);

    // The image is written on a thread of its own, so the dialog keeps painting and its Cancel
    // button stays live; the thread touches only these and the file.
    std::unique_ptr<fileio::AtomicFile> m_pFile;
    std::thread m_writer;
    std::atomic<int> m_nBlock{0};
    std::atomic<bool> m_bStop{false};
    int m_nSize = 0;
    int m_nShownBlock = 0;
    DECLARE_MESSAGE_MAP()
};
