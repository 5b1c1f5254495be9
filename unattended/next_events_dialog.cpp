// The template's list box only marks the place: a report list view replaces
// it. Rows carry their position as their stored number, which a header sort
// hands to the comparison; the rows are renumbered after every sort.
#include "unattended/next_events_dialog.h"

#include "common/dialog_controls.h"
#include "common/dialog_skeleton.h"
#include "resources/resource.h"
#include "unattended/column_sort.h"
#include "unattended/list_view_helpers.h"
#include "unattended/next_events.h"

#include <string>
#include <vector>

namespace sw {

namespace {

// The direction of the next header sort, one for the whole program, flipped
// before every sort, so the first click sorts descending.
bool sortAscending = true;

struct NextEventsDialogData {
    HWND list = nullptr;
};

// What a header sort compares: the clicked column's cells by stored number.
struct ColumnSnapshot {
    std::vector<std::string> cells;
    bool ascending = true;
};

std::vector<ReportColumn> EventColumns() {
    return {{LVCFMT_LEFT, ResourceString(IDS_EVENT_ID_COLUMN), 80},
            {LVCFMT_LEFT, ResourceString(IDS_SCHEDULED_TIME_COLUMN), 160},
            {LVCFMT_LEFT, ResourceString(IDS_FILE_TO_PRINT_COLUMN), 160},
            {LVCFMT_LEFT, ResourceString(IDS_SCHEDULED_PRINTER_COLUMN), 160}};
}

void OnInitDialog(HWND dialog, NextEventsDialogData* data) {
    ShowWindow(GetDlgItem(dialog, IDC_ELIST_PLACEHOLDER), SW_HIDE);
    data->list = CreateReportList(dialog, IDC_ELIST_EVENTS);
    ShowWindow(data->list, SW_HIDE);
    AddReportColumns(data->list, EventColumns());
    int position = 0;
    for (const NextEvent& event : NextEventsByTime())
        AddReportRow(data->list, {std::to_string(++position), ScheduledTimeText(event), event.files,
                                  event.printer});
    ShowWindow(data->list, SW_SHOW);
}

int CALLBACK CompareRows(LPARAM first, LPARAM second, LPARAM context) {
    const auto* snapshot = reinterpret_cast<const ColumnSnapshot*>(context);
    const auto cell = [snapshot](LPARAM number) {
        return number >= 0 && static_cast<std::size_t>(number) < snapshot->cells.size()
                   ? std::string_view(snapshot->cells[static_cast<std::size_t>(number)])
                   : std::string_view();
    };
    return CompareCellTexts(cell(first), cell(second), snapshot->ascending);
}

void OnColumnClick(NextEventsDialogData* data, int column) {
    const int rows = ReportRowCount(data->list);
    ColumnSnapshot snapshot;
    snapshot.cells.resize(static_cast<std::size_t>(rows));
    for (int row = 0; row < rows; ++row) {
        const LPARAM number = ReportRowNumber(data->list, row);
        if (number >= 0 && number < rows)
            snapshot.cells[static_cast<std::size_t>(number)] =
                ReportCellText(data->list, row, column);
    }
    sortAscending = !sortAscending;
    snapshot.ascending = sortAscending;
    SendMessageA(data->list, LVM_SORTITEMS, reinterpret_cast<WPARAM>(&snapshot),
                 reinterpret_cast<LPARAM>(CompareRows));
    RenumberReportRows(data->list);
}

// The notification names the clicked column itself, also when the list is
// scrolled sideways.
void OnNotify(HWND, NextEventsDialogData* data, const NMHDR* header) {
    if (data != nullptr && header->idFrom == IDC_ELIST_EVENTS && header->code == LVN_COLUMNCLICK)
        OnColumnClick(data, reinterpret_cast<const NMLISTVIEW*>(header)->iSubItem);
}

} // namespace

bool NextEventsSortAscending() {
    return sortAscending;
}

void ShowNextEventsDialog(HWND owner) {
    // Only the close box ends it.
    DialogRules<NextEventsDialogData> rules{OnInitDialog, {}};
    rules.colourEditables = false;
    rules.notify = OnNotify;
    NextEventsDialogData data;
    ShowDialog(owner, IDD_ELIST, rules, &data);
}

} // namespace sw
