// Identifiers shared by the resource scripts of swutil.exe and its code.
// Control ids are local to their dialog, so the same number appears once per
// dialog under that dialog's prefix; each name stands for exactly one control.
#pragma once

// Dialog templates are named resources; the code opens them by these names.
#ifndef RC_INVOKED
#define IDD_PLIST "PLIST"
#define IDD_FEED "DLG_FEED"
#define IDD_ORIENTATION "DLG_ORIENTATION"
#define IDD_COPIES "COPIES"
#define IDD_BMPSET "BMPSET"
#define IDD_WORD "DLG_WORD"
#define IDR_MAINMENU "MAINMENU"
#define IDR_MAINACCEL "MAINACCEL"
#define IDI_PROGRAM "PROGRAM"
#define IDB_TOOLBAR "TOOLBAR"
#define IDD_SCHED "SCHED"
#define IDD_ELIST "ELIST"
#define IDD_ABOUT "ABOUT"
#endif

// PLIST: printer association.
#define IDC_PLIST_PRINTERS 101
#define IDC_PLIST_CANCEL 102
#define IDC_PLIST_ASSOCIATE 103
#define IDC_PLIST_PROMPT 104
// Besides the cancel button, command 3 also closes the association dialog.
#define IDC_PLIST_ABORT 3

// DLG_FEED: automatic form feed.
#define IDC_FEED_PROBLEM 101
#define IDC_FEED_REMEDY 102
#define IDC_FEED_PER_PRINTER 103
#define IDC_FEED_PRINTER_LABEL 104
#define IDC_FEED_PRINTER 105
#define IDC_FEED_ON 106
#define IDC_FEED_RETURN 107

// DLG_ORIENTATION: orientation escape codes.
#define IDC_ORIENT_IGNORED 101
#define IDC_ORIENT_PCL 102
#define IDC_ORIENT_PER_PRINTER 103
#define IDC_ORIENT_PRINTER_LABEL 104
#define IDC_ORIENT_PORTRAIT 201
#define IDC_ORIENT_LANDSCAPE 202
#define IDC_ORIENT_PRINTER 203
#define IDC_ORIENT_TWO_INSTANCES 204
#define IDC_ORIENT_LANDSCAPE_LABEL 205
#define IDC_ORIENT_LANDSCAPE_CODE 206
#define IDC_ORIENT_PORTRAIT_LABEL 207
#define IDC_ORIENT_PORTRAIT_CODE 208
#define IDC_ORIENT_RETURN 210
#define IDC_ORIENT_DEFAULTS 211
#define IDC_ORIENT_NONE 212

// COPIES: number of copies.
#define IDC_COPIES_FILE_LABEL 101
#define IDC_COPIES_FILE 102
#define IDC_COPIES_PRINTER_LABEL 103
#define IDC_COPIES_PRINTER 104
#define IDC_COPIES_FILE_ONLY 105
#define IDC_COPIES_STORE 106
#define IDC_COPIES_PRINTER_ONLY 107
#define IDC_COPIES_BOTH 108
#define IDC_COPIES_GROUP 109
#define IDC_COPIES_COUNT_LABEL 110
#define IDC_COPIES_COUNT 111
#define IDC_COPIES_SAVE 112
#define IDC_COPIES_FOLDER 113

// BMPSET: bitmap placement.
#define IDC_BMP_HEIGHT_LABEL 101
#define IDC_BMP_INCHES 102
#define IDC_BMP_CENTIMETERS 103
#define IDC_BMP_LEFT_LABEL 104
#define IDC_BMP_TOP_LABEL 105
#define IDC_BMP_WIDTH_LABEL 106
#define IDC_BMP_LEFT 107
#define IDC_BMP_TOP 108
#define IDC_BMP_WIDTH 109
#define IDC_BMP_USE_SAVED 111
#define IDC_BMP_ASK 112
#define IDC_BMP_RETURN 113
#define IDC_BMP_HEIGHT 114

// DLG_WORD: driver-bypass exceptions.
#define IDC_WORD_PATTERNS 101
#define IDC_WORD_PATTERN 102
#define IDC_WORD_TITLE 103
#define IDC_WORD_ADD 104
#define IDC_WORD_DELETE 105
#define IDC_WORD_EXIT 106
#define IDC_WORD_WILDCARDS 107

// SCHED: schedule definition (unattended/).
#define IDC_SCHED_INTERVAL_LABEL 101
#define IDC_SCHED_INTERVAL 102
#define IDC_SCHED_PATTERN_LABEL 103
#define IDC_SCHED_BROWSE 104
#define IDC_SCHED_FOLDER 105
#define IDC_SCHED_PATTERN 106
#define IDC_SCHED_DAYS 107
#define IDC_SCHED_DAYS_LABEL 108
#define IDC_SCHED_FROM_LABEL 109
#define IDC_SCHED_HOURS_LABEL 110
#define IDC_SCHED_MINUTES_LABEL 111
#define IDC_SCHED_SECONDS_LABEL 112
#define IDC_SCHED_FROM_HOUR 113
#define IDC_SCHED_FROM_MINUTE 114
#define IDC_SCHED_FROM_SECOND 115
#define IDC_SCHED_THROUGH_LABEL 116
#define IDC_SCHED_RECYCLE 117
#define IDC_SCHED_DELETE 118
#define IDC_SCHED_THROUGH_HOUR 119
#define IDC_SCHED_THROUGH_MINUTE 120
#define IDC_SCHED_THROUGH_SECOND 121
#define IDC_SCHED_ADD 122
#define IDC_SCHED_HOURS_NOTE 123
#define IDC_SCHED_TEST 124
#define IDC_SCHED_EXIT 126
#define IDC_SCHED_SAVE 127
#define IDC_SCHED_FIRST 128
#define IDC_SCHED_LAST 129
#define IDC_SCHED_PREVIOUS 130
#define IDC_SCHED_NEXT 131
#define IDC_SCHED_PRINTER_LABEL 132
#define IDC_SCHED_PRINTER 133

// ELIST: next events (unattended/). The template's list box only holds the
// place; the report list view that replaces it is made at run time.
#define IDC_ELIST_PLACEHOLDER 105
#define IDC_ELIST_EVENTS 205

// ABOUT: the About box (info/).
#define IDC_ABOUT_ICON 101
#define IDC_ABOUT_SYSTEM_INFO 102
#define IDC_ABOUT_PRODUCT 103
#define IDC_ABOUT_VERSION 104
#define IDC_ABOUT_MAKER 105
#define IDC_ABOUT_STREET 106
#define IDC_ABOUT_CITY 107
#define IDC_ABOUT_ORDER 108
#define IDC_ABOUT_PHONE 109
#define IDC_ABOUT_EMAIL 110

// Run-time dialogs (remote sites, driver download) keep their ids in their units.

// Children of the main window.
#define IDC_MAIN_PRINTERS 0x800
#define IDC_MAIN_INDICATOR 0x801
#define IDC_MAIN_TOOLBAR 0x803
#define IDC_MAIN_STATUS 200

// Menu and tool bar commands of the main window.
#define IDM_SELECT 0xC00
#define IDM_EXIT 0xC01
#define IDM_PRINT 0xC02
#define IDM_SCHEDULE 0xC03
#define IDM_NEXT_EVENTS 0xC04
#define IDM_EVENT_LOG 0xC05
#define IDM_UNATTENDED 0xC06
#define IDM_SET_DEFAULT 0xC07
#define IDM_ADD_PRINTER 0xC08
#define IDM_BYPASS_EXCEPTIONS 0xC09
#define IDM_AUTO_FORMFEED 0xC0A
#define IDM_ORIENTATION 0xC0B
#define IDM_COPIES 0xC0C
#define IDM_BITMAP 0xC0D
#define IDM_HELP 0xC0F
#define IDM_WEB 0xC10
#define IDM_ABOUT 0xC11
#define IDM_REMOTE_SITES 0xC12
#define IDM_REFRESH 0xC13
#define IDM_CANCEL_JOBS 0x806
#define IDM_COMPANION 0x807
#define IDM_DRIVER_DOWNLOAD 0x808

// Strings. Tool bar tooltips use the ids of their commands (IDM_*).
#define IDS_APP_TITLE 1000
#define IDS_ORIENTATION_WARNING 1002
#define IDS_INVALID_ENTRY 1003
#define IDS_CHANGE_IGNORED 1004
#define IDS_ASSOCIATE_PROMPT 1005
#define IDS_ORIENTATION_REMEDY 1006
#define IDS_PATH_TOO_LONG 1007
#define IDS_UNATTENDED_SERVICE 1008
#define IDS_STOP_SERVICE_QUESTION 1009
#define IDS_START_SERVICE_QUESTION 1010
#define IDS_SERVICE_NOT_ALLOWED 1011
#define IDS_SERVICE_FAILED 1012

// Strings of the shell (1000-1099) are above; each subsystem keeps its own range.
// Unattended printing (unattended/): 1100-1199.
#define IDS_UNATTENDED_ON 1100
#define IDS_UNATTENDED_OFF 1101
#define IDS_WATCH_FOLDER_TITLE 1102
#define IDS_MONDAY 1103
#define IDS_TUESDAY 1104
#define IDS_WEDNESDAY 1105
#define IDS_THURSDAY 1106
#define IDS_FRIDAY 1107
#define IDS_SATURDAY 1108
#define IDS_SUNDAY 1109
#define IDS_EVENT_ID_COLUMN 1110
#define IDS_SCHEDULED_TIME_COLUMN 1111
#define IDS_FILE_TO_PRINT_COLUMN 1112
#define IDS_SCHEDULED_PRINTER_COLUMN 1113
#define IDS_INTERVAL_REFUSED 1114
#define IDS_SCHEDULE_NOT_SAVED 1115
#define IDS_TEST_PRINTS_ELSEWHERE 1116

// Word-document printing (wordprint/): 1200-1299.

// Remote printing and information (remote/, info/): 1300-1399.

// Settings dialogs (settings/): 1400-1499.
#define IDS_BMP_NOT_A_NUMBER 1400
#define IDS_BMP_NEGATIVE 1401
#define IDS_BMP_BEYOND_PAGE 1402
#define IDS_BMP_AT_MOST_INCHES 1403
#define IDS_BMP_AT_MOST_CM 1404
#define IDS_BMP_VALUE_KEPT 1405
