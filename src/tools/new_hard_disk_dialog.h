// The new hard-disk image dialog: a file name and a size in megabytes; OK writes the image.
#pragma once

#include <string>

#include "controls/image_path_edit.h"
#include "framework/dialog.h"

class NewHardDiskDialog : public Dialog {
public:
    explicit NewHardDiskDialog(HWND parent = nullptr);

    std::string m_strFileName;  // the name as the field held it when OK was pressed
    ImagePathEdit m_fileNameEdit;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    bool Confirm(int size);
    void ShowProgress(int block, int total);
};
