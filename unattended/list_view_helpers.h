// Thin helpers over a report-style list view ("SysListView32"): columns, rows
// of texts, lookups, and the number stored with each row, which a sort hands
// to its comparison. Every helper does nothing and returns 0 (or the empty
// text) for a null handle.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

namespace sw {

struct ReportColumn {
    int alignment = LVCFMT_LEFT; // LVCFMT_LEFT, LVCFMT_RIGHT or LVCFMT_CENTER
    std::string title;           // at most 31 characters are used
    int width = 0;               // pixels
};

// A child list view at 0,0, as large as the parent's client area less one
// pixel each way: report view, single selection, selection always shown.
HWND CreateReportList(HWND parent, int id);

// Column 0 from the first record, left-aligned with its own width; then one
// column per further record, its width capped at 200 pixels.
void AddReportColumns(HWND listView, const std::vector<ReportColumn>& columns);

// Appends a row: the first text is the item, the others its cells in order,
// each cut to 299 characters; the row's stored number is its position.
// Returns that position, -1 when the row could not be added.
int AddReportRow(HWND listView, const std::vector<std::string>& texts);

// The first row whose first cell begins with `text`, scrolled into view when
// it is not the first row; -1 when none does.
int FindReportRow(HWND listView, const std::string& text);

// The text of a cell, at most 299 characters.
std::string ReportCellText(HWND listView, int row, int column);

// The first column at which the running sum of widths exceeds x; -1 right of
// the last column.
int ReportColumnAtX(HWND listView, int x);

int ReportRowCount(HWND listView);
LPARAM ReportRowNumber(HWND listView, int row);

// Sets every row's stored number to its present position, as after a sort.
void RenumberReportRows(HWND listView);

} // namespace sw
