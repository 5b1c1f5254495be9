#include "unattended/list_view_helpers.h"

#include "unattended/list_view_layout.h"

namespace sw {
namespace {

// The item of a row with its stored number.
LVITEMA RowItem(int row, const std::string& text) {
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = row;
    item.pszText = const_cast<char*>(text.c_str());
    item.lParam = row;
    return item;
}

int ColumnCount(HWND listView) {
    const HWND header = reinterpret_cast<HWND>(SendMessageA(listView, LVM_GETHEADER, 0, 0));
    const LRESULT count = header != nullptr ? SendMessageA(header, HDM_GETITEMCOUNT, 0, 0) : 0;
    return count > 0 ? static_cast<int>(count) : 0;
}

} // namespace

HWND CreateReportList(HWND parent, int id) {
    if (parent == nullptr)
        return nullptr;
    INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&classes);
    RECT client = {};
    GetClientRect(parent, &client);
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE));
    return CreateWindowExA(
        0, WC_LISTVIEWA, "",
        WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, 0, 0,
        client.right - client.left - 1, client.bottom - client.top - 1, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

void AddReportColumns(HWND listView, const std::vector<ReportColumn>& columns) {
    if (listView == nullptr)
        return;
    for (std::size_t index = 0; index < columns.size(); ++index) {
        const std::string title = CutText(columns[index].title, kColumnTitleLimit);
        LVCOLUMNA column = {};
        column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        // The first column of a list view is always left-aligned.
        column.fmt = index == 0 ? LVCFMT_LEFT : columns[index].alignment;
        column.cx = InsertedColumnWidth(index, columns[index].width);
        column.pszText = const_cast<char*>(title.c_str());
        column.iSubItem = static_cast<int>(index);
        SendMessageA(listView, LVM_INSERTCOLUMNA, index, reinterpret_cast<LPARAM>(&column));
    }
}

int AddReportRow(HWND listView, const std::vector<std::string>& texts) {
    if (listView == nullptr)
        return -1;
    const int position = ReportRowCount(listView);
    const std::string first = CutText(texts.empty() ? std::string() : texts[0], kCellTextLimit);
    LVITEMA item = RowItem(position, first);
    const LRESULT row = SendMessageA(listView, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    if (row < 0)
        return -1;
    for (std::size_t column = 1; column < texts.size(); ++column) {
        const std::string text = CutText(texts[column], kCellTextLimit);
        LVITEMA cell = {};
        cell.iSubItem = static_cast<int>(column);
        cell.pszText = const_cast<char*>(text.c_str());
        SendMessageA(listView, LVM_SETITEMTEXTA, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&cell));
    }
    return static_cast<int>(row);
}

int FindReportRow(HWND listView, const std::string& text) {
    if (listView == nullptr)
        return -1;
    LVFINDINFOA find = {};
    find.flags = LVFI_STRING | LVFI_PARTIAL;
    find.psz = text.c_str();
    const LRESULT row = SendMessageA(listView, LVM_FINDITEMA, static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>(&find));
    if (row > 0)
        SendMessageA(listView, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
    return row >= 0 ? static_cast<int>(row) : -1;
}

std::string ReportCellText(HWND listView, int row, int column) {
    if (listView == nullptr)
        return std::string();
    char buffer[kCellTextLimit + 1] = {};
    LVITEMA cell = {};
    cell.iSubItem = column;
    cell.pszText = buffer;
    cell.cchTextMax = static_cast<int>(sizeof(buffer));
    const LRESULT length = SendMessageA(listView, LVM_GETITEMTEXTA, static_cast<WPARAM>(row),
                                        reinterpret_cast<LPARAM>(&cell));
    return length > 0 ? std::string(buffer, static_cast<std::size_t>(length)) : std::string();
}

int ReportColumnAtX(HWND listView, int x) {
    if (listView == nullptr)
        return 0;
    std::vector<int> widths;
    for (int column = 0, count = ColumnCount(listView); column < count; ++column)
        widths.push_back(static_cast<int>(SendMessageA(listView, LVM_GETCOLUMNWIDTH, column, 0)));
    return ColumnAtX(widths, x);
}

int ReportRowCount(HWND listView) {
    return listView != nullptr ? static_cast<int>(SendMessageA(listView, LVM_GETITEMCOUNT, 0, 0))
                               : 0;
}

LPARAM ReportRowNumber(HWND listView, int row) {
    if (listView == nullptr)
        return 0;
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    return SendMessageA(listView, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)) ? item.lParam
                                                                                    : 0;
}

void RenumberReportRows(HWND listView) {
    for (int row = 0, count = ReportRowCount(listView); row < count; ++row) {
        LVITEMA item = {};
        item.mask = LVIF_PARAM;
        item.iItem = row;
        item.lParam = row;
        SendMessageA(listView, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
}

} // namespace sw
