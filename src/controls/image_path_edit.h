// A one-line path field: takes a file dropped from the shell, and opens a file dialog on double-click.
// It holds only paths that code page 932 can name, so the emulator can open them; a path from a
// marked file that holds more is shown and given back whole until the user replaces it.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "common/exact_text.h"

// The first file of a drop from the shell, every character of it, empty when the drop names none;
// the drop is finished, so its memory is freed.
ExactText TakeDroppedFile(HDROP drop);

class ImagePathEdit {
public:
    ImagePathEdit() = default;
    ~ImagePathEdit();
    ImagePathEdit(const ImagePathEdit&) = delete;
    ImagePathEdit& operator=(const ImagePathEdit&) = delete;

    // Attaches to the edit control id of a dialog and registers it for dropped files.
    void Attach(HWND dialog, int id);
    HWND GetSafeHwnd() const { return m_hWnd; }
    std::string GetText() const { return GetExactText().cp932; }
    // The text as given while the field still shows it (byte for byte, and with every character),
    // else as the user made it.
    ExactText GetExactText() const;
    void SetText(const ExactText& text);
    // The last path confirmed in the field's file dialog; empty when none was.
    const std::string& ChosenPath() const { return m_strChosenPath; }

    BOOL m_bOpen = TRUE;       // the double-click shows an open-file dialog, else a save-as dialog
    DWORD m_dwFlags = 0;       // OFN_ flags of that dialog
    std::string m_strFilter;   // "description|pattern|...||"
    std::string m_strDefExt;   // added to a typed name without an extension

private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR data);
    void OnDropFiles(HDROP drop);
    void OnDoubleClick();
    void OnChange();

    HWND m_hWnd = nullptr;
    std::string m_strChosenPath;
    ExactText m_given;            // the text last given to the field
    std::wstring m_strAccepted;   // what the field last showed that it may hold
};
