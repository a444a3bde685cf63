// The search dialog: runs the drive-search worker, shows the folder being listed, and offers
// to choose the file by hand. Ends with OK exactly when m_strResult holds a path.
#pragma once

#include <string>

#include "framework/dialog.h"
#include "locate/search_worker.h"

class EmulatorSearchDialog : public Dialog {
public:
    explicit EmulatorSearchDialog(HWND parent = nullptr);
    ~EmulatorSearchDialog() override;

    std::string m_strResult;  // full path found or chosen; empty when none
    std::string m_strTarget;  // the file name looked for, set before the dialog is shown
    DWORD m_dwThreadId = 0;
    HANDLE m_hThread = nullptr;

protected:
    BOOL OnInitDialog() override;
    // Enter: the search ends only with its result, Set or Cancel.
    void OnOK() override {}
    void OnCancel() override;

private:
    void OnSet();
    LRESULT OnSearchDone(WPARAM code, LPARAM request);
    LRESULT OnTimer(WPARAM, LPARAM);
    LRESULT OnClose(WPARAM, LPARAM);
    void ChooseByHand();
    void StopWorker();

    SearchRequest* m_pRequest = nullptr;  // the worker's request while it runs
    std::wstring m_strShownFolder;
    DECLARE_MESSAGE_MAP()
};
