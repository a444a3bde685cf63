// The list-view wrapper.
#include "controls/list_view.h"

#include "common/wide.h"
#include "framework/dpi.h"

void ListView::InsertColumn(int column, const ExactText& text) {
    const std::wstring header = Wide(text);
    LVCOLUMNW item = {};
    item.mask = LVCF_FMT | LVCF_TEXT;
    item.fmt = LVCFMT_LEFT;
    item.pszText = const_cast<wchar_t*>(header.c_str());
    SendMessageW(m_hWnd, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&item));
}

void ListView::FitColumn(int column, const ExactText& text, UINT dpi) {
    const std::wstring header = Wide(text);
    // Some list views (Wine's) measure the header a little short: 16 pixels at 100%.
    const int headerPadding = MulDiv(16, static_cast<int>(dpi), kBaseDpi);
    SendMessageW(m_hWnd, LVM_SETCOLUMNWIDTH, column, LVSCW_AUTOSIZE_USEHEADER);
    const LRESULT needed =
        SendMessageW(m_hWnd, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(header.c_str())) + headerPadding;
    if (SendMessageW(m_hWnd, LVM_GETCOLUMNWIDTH, column, 0) < needed) SendMessageW(m_hWnd, LVM_SETCOLUMNWIDTH, column, needed);
}

void ListView::DeleteAllRows() { SendMessageW(m_hWnd, LVM_DELETEALLITEMS, 0, 0); }

void ListView::InsertRow(int row, const ExactText& exact, LPARAM data) {
    const std::wstring text = Wide(exact);
    LVITEMW item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = row;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    item.lParam = data;
    SendMessageW(m_hWnd, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

void ListView::SetCellText(int row, int column, const ExactText& exact) {
    const std::wstring text = Wide(exact);
    LVITEMW item = {};
    item.iSubItem = column;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(m_hWnd, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
}

void ListView::SetRowText(int row, const ExactText& exact) {
    const std::wstring text = Wide(exact);
    LVITEMW item = {};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(m_hWnd, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

LPARAM ListView::RowData(int row) const {
    LVITEMW item = {};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    return SendMessageW(m_hWnd, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)) ? item.lParam : 0;
}

int ListView::FirstSelectedRow() const {
    return static_cast<int>(SendMessageW(m_hWnd, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void ListView::EditLabel(int row) { SendMessageW(m_hWnd, LVM_EDITLABELW, row, 0); }

std::optional<ExactText> ListView::EditedText(const NMLVDISPINFOW& edit) {
    if (!(edit.item.mask & LVIF_TEXT) || edit.item.pszText == nullptr) return std::nullopt;
    return ExactTextOf(std::wstring_view(edit.item.pszText));
}
