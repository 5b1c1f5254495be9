// The form buffer is one schedule record: a step shows the stored record
// there, Save turns the controls back into a record and writes it. The
// printer is a choice that shows the schedule's own printer, so that Save
// keeps it unless the user picks another. An interval Save refuses is told
// in a message; a time it refuses is refused silently, as before.
#include "unattended/schedule_dialog.h"

#include "common/control_helpers.h"
#include "common/dialog_controls.h"
#include "common/dialog_skeleton.h"
#include "common/message_captions.h"
#include "resources/resource.h"
#include "unattended/folder_browser.h"
#include "unattended/schedule_file.h"
#include "unattended/schedule_form.h"
#include "unattended/unattended_printing.h"
#include "unattended/unattended_run.h"

namespace sw {

namespace {

// The schedule the dialog shows, numbered from 1; 0 until one was shown or
// saved. It outlives the dialog and is reset to 1 whenever the dialog opens
// on a file with schedules.
std::int32_t currentIndex = 0;

struct ScheduleDialogData {
    HWND printerList;            // the main window's list: the choices, and a new schedule's
    const PrintContext& context; // what Test prints with
    ScheduleRecord form;         // the record last shown, with the check box's state
};

std::string SelectedPrinter(const ScheduleDialogData* data) {
    return ListBoxText(data->printerList, -1);
}

const UINT kDayNames[7] = {IDS_MONDAY, IDS_TUESDAY,  IDS_WEDNESDAY, IDS_THURSDAY,
                           IDS_FRIDAY, IDS_SATURDAY, IDS_SUNDAY};
const int kTimeEdits[6] = {IDC_SCHED_FROM_HOUR,      IDC_SCHED_FROM_MINUTE,
                           IDC_SCHED_FROM_SECOND,    IDC_SCHED_THROUGH_HOUR,
                           IDC_SCHED_THROUGH_MINUTE, IDC_SCHED_THROUGH_SECOND};
// Edits have no limit of their own; this much of each is read, more than
// any field keeps.
constexpr std::size_t kReadLimit = 300;

void SelectDays(HWND dialog, const DayFlags& days) {
    for (int day = 0; day < 7; ++day)
        SendDlgItemMessageA(dialog, IDC_SCHED_DAYS, LB_SETSEL, days[day] ? TRUE : FALSE, day);
}

DayFlags SelectedDays(HWND dialog) {
    DayFlags days = {};
    for (int day = 0; day < 7; ++day)
        days[day] = SendDlgItemMessageA(dialog, IDC_SCHED_DAYS, LB_GETSEL, day, 0) > 0;
    return days;
}

void ShowForm(HWND dialog, const ScheduleForm& form) {
    SelectDays(dialog, form.days);
    SetDlgItemTextA(dialog, IDC_SCHED_INTERVAL, form.interval.c_str());
    SetDlgItemTextA(dialog, IDC_SCHED_FOLDER, form.folder.c_str());
    SetDlgItemTextA(dialog, IDC_SCHED_PATTERN, form.pattern.c_str());
    for (std::size_t i = 0; i < form.times.size(); ++i)
        SetDlgItemTextA(dialog, kTimeEdits[i], form.times[i].c_str());
    CheckDlgButton(dialog, IDC_SCHED_RECYCLE, form.moveToRecycleBin ? BST_CHECKED : BST_UNCHECKED);
}

// The choices are the main window's printers: the installed ones and the
// companion's.
void FillPrinterChoice(HWND dialog, const ScheduleDialogData* data) {
    const int count = ListBoxCount(data->printerList);
    for (int i = 0; i < count; ++i) {
        const std::string printer = ListBoxText(data->printerList, i);
        SendDlgItemMessageA(dialog, IDC_SCHED_PRINTER, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(printer.c_str()));
    }
}

// Shows `printer` as the choice. One the list does not hold (removed, or the
// companion's while it is not running) is added, so that Save keeps it.
void ShowPrinter(HWND dialog, const std::string& printer) {
    if (printer.empty()) {
        SendDlgItemMessageA(dialog, IDC_SCHED_PRINTER, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        return;
    }
    const auto name = reinterpret_cast<LPARAM>(printer.c_str());
    LRESULT index = SendDlgItemMessageA(dialog, IDC_SCHED_PRINTER, CB_FINDSTRINGEXACT,
                                        static_cast<WPARAM>(-1), name);
    if (index == CB_ERR)
        index = SendDlgItemMessageA(dialog, IDC_SCHED_PRINTER, CB_ADDSTRING, 0, name);
    SendDlgItemMessageA(dialog, IDC_SCHED_PRINTER, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

// The printer the choice shows; empty when none is chosen.
std::string ChosenPrinter(HWND dialog) {
    return ControlText(dialog, IDC_SCHED_PRINTER, kReadLimit);
}

// Loads the record at currentIndex into the form; outside the stored
// records the form keeps what it shows, with no day selected, and a new
// schedule's printer is the one selected in the main window.
void ShowCurrentSchedule(HWND dialog, ScheduleDialogData* data) {
    if (LoadSchedule(data->form, currentIndex) == ScheduleLoad::NoSuchRecord) {
        SelectDays(dialog, DayFlags{});
        ShowPrinter(dialog, SelectedPrinter(data));
        return;
    }
    ShowPrinter(dialog, data->form.PrinterName);
    if (data->form.IntervalMs == 0)
        data->form.IntervalMs = kDefaultInterval;
    ShowForm(dialog, FormFromSchedule(data->form));
}

void ShowSchedule(HWND dialog, ScheduleDialogData* data, std::int32_t index) {
    currentIndex = index;
    ShowCurrentSchedule(dialog, data);
}

ScheduleForm ReadForm(HWND dialog) {
    ScheduleForm form;
    form.interval = ControlText(dialog, IDC_SCHED_INTERVAL, kFormIntervalLimit);
    form.pattern = ControlText(dialog, IDC_SCHED_PATTERN, kFormPatternLimit);
    form.folder = ControlText(dialog, IDC_SCHED_FOLDER, kFormFolderLimit);
    form.days = SelectedDays(dialog);
    for (std::size_t i = 0; i < form.times.size(); ++i)
        form.times[i] = ControlText(dialog, kTimeEdits[i], kReadLimit);
    form.moveToRecycleBin = IsDlgButtonChecked(dialog, IDC_SCHED_RECYCLE) == BST_CHECKED;
    return form;
}

void OnInitDialog(HWND dialog, ScheduleDialogData* data) {
    for (UINT name : kDayNames) {
        const std::string day = ResourceString(name);
        SendDlgItemMessageA(dialog, IDC_SCHED_DAYS, LB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(day.c_str()));
    }
    FillPrinterChoice(dialog, data);
    if (ScheduleCount() > 0) {
        ShowSchedule(dialog, data, 1);
    } else {
        SetDlgItemTextA(dialog, IDC_SCHED_INTERVAL, std::to_string(kDefaultInterval).c_str());
        ShowPrinter(dialog, SelectedPrinter(data));
    }
}

void OnBrowse(HWND dialog, ScheduleDialogData*) {
    const std::string folder = BrowseForFolder(dialog, ResourceString(IDS_WATCH_FOLDER_TITLE));
    SetDlgItemTextA(dialog, IDC_SCHED_FOLDER, folder.c_str());
}

void OnRecycleBin(HWND dialog, ScheduleDialogData* data) {
    data->form.MoveToRecycleBin =
        IsDlgButtonChecked(dialog, IDC_SCHED_RECYCLE) == BST_CHECKED ? 1 : 0;
}

void OnFirst(HWND dialog, ScheduleDialogData* data) {
    ShowSchedule(dialog, data, 1);
}

void OnPrevious(HWND dialog, ScheduleDialogData* data) {
    ShowSchedule(dialog, data, currentIndex > 1 ? currentIndex - 1 : 1);
}

void OnNext(HWND dialog, ScheduleDialogData* data) {
    const std::int32_t count = ScheduleCount();
    ShowSchedule(dialog, data, currentIndex < count ? currentIndex + 1 : count);
}

void OnLast(HWND dialog, ScheduleDialogData* data) {
    ShowSchedule(dialog, data, ScheduleCount());
}

// Nothing is written until Save.
void OnAdd(HWND dialog, ScheduleDialogData* data) {
    ShowSchedule(dialog, data, ScheduleCount() + 1);
}

void OnDelete(HWND dialog, ScheduleDialogData* data) {
    DeleteSchedule(currentIndex);
    ShowSchedule(dialog, data, 1);
}

// Tests the stored record, not unsaved edits; without one, the form's. It
// prints only while no one else prints the schedules (the service), so that
// no file is printed by both.
void OnTest(HWND dialog, ScheduleDialogData* data) {
    LoadSchedule(data->form, currentIndex);
    if (!TestSchedule(data->form, data->context))
        MessageBoxA(dialog, ResourceString(IDS_TEST_PRINTS_ELSEWHERE).c_str(), kUtilityCaption,
                    MB_OK | MB_ICONINFORMATION);
}

// Says which field holds what and what it takes, and puts the caret there.
void RefuseInterval(HWND dialog, const std::string& typed) {
    std::string message = ResourceString(IDS_INTERVAL_REFUSED);
    const std::size_t place = message.find("%s");
    if (place != std::string::npos)
        message.replace(place, 2, typed);
    message += "\r\n" + ResourceString(IDS_SCHEDULE_NOT_SAVED);
    MessageBoxA(dialog, message.c_str(), kUtilityCaption, MB_OK | MB_ICONEXCLAMATION);
    const HWND edit = GetDlgItem(dialog, IDC_SCHED_INTERVAL);
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(edit), TRUE);
    SendMessageA(edit, EM_SETSEL, 0, -1);
}

void OnSave(HWND dialog, ScheduleDialogData* data) {
    const ScheduleForm form = ReadForm(dialog);
    if (!FormInterval(form.interval)) {
        RefuseInterval(dialog, form.interval);
        return;
    }
    const std::optional<ScheduleRecord> record = ScheduleFromForm(form, ChosenPrinter(dialog));
    if (!record)
        return;
    data->form = *record;
    // After an append the index names the record just written, so that the
    // next Save overwrites it rather than another.
    const std::int32_t written = SaveSchedule(*record, currentIndex);
    if (written > 0)
        currentIndex = written;
    ShowPrinter(dialog, record->PrinterName);
}

void OnExit(HWND dialog, ScheduleDialogData*) {
    EndDialog(dialog, 0);
}

} // namespace

std::int32_t ShownScheduleIndex() {
    return currentIndex;
}

void ResetScheduleDialog() {
    currentIndex = 0;
}

void ShowScheduleDialog(HWND owner, HWND printerList, const PrintContext& context) {
    const DialogRules<ScheduleDialogData> rules{OnInitDialog,
                                                {{IDC_SCHED_BROWSE, OnBrowse},
                                                 {IDC_SCHED_RECYCLE, OnRecycleBin},
                                                 {IDC_SCHED_FIRST, OnFirst},
                                                 {IDC_SCHED_PREVIOUS, OnPrevious},
                                                 {IDC_SCHED_NEXT, OnNext},
                                                 {IDC_SCHED_LAST, OnLast},
                                                 {IDC_SCHED_ADD, OnAdd},
                                                 {IDC_SCHED_DELETE, OnDelete},
                                                 {IDC_SCHED_TEST, OnTest},
                                                 {IDC_SCHED_SAVE, OnSave},
                                                 {IDC_SCHED_EXIT, OnExit},
                                                 {IDCANCEL, OnExit}}};
    ScheduleDialogData data{printerList, context, ScheduleRecord()};
    ShowDialog(owner, IDD_SCHED, rules, &data);
}

} // namespace sw
