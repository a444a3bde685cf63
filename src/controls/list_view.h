// A report-view list control, wrapped by its window and not owned: columns, rows of texts with an
// item data each, and the in-place label editor, all through the wide list-view messages, texts
// given and taken in code page 932 with every character beside it where that cannot hold them.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <optional>
#include <string>

#include "common/exact_text.h"

class ListView {
public:
    explicit ListView(HWND window) : m_hWnd(window) {}

    HWND GetSafeHwnd() const { return m_hWnd; }
    void InsertColumn(int column, const ExactText& header);
    // Sizes a column to its header and contents, never cutting the header's text, at the list's DPI.
    void FitColumn(int column, const ExactText& header, UINT dpi);
    void DeleteAllRows();
    void InsertRow(int row, const ExactText& text, LPARAM data);
    void SetCellText(int row, int column, const ExactText& text);
    // Sets the first column's text alone, so the row keeps its selection, focus and item data.
    void SetRowText(int row, const ExactText& text);
    // The item data of a row; 0 when there is no such row.
    LPARAM RowData(int row) const;
    // The lowest selected row; -1 when none is.
    int FirstSelectedRow() const;
    void EditLabel(int row);
    // The text an ended label edit carries; nothing when the edit was cancelled.
    static std::optional<ExactText> EditedText(const NMLVDISPINFOW& edit);

private:
    HWND m_hWnd;
};
