#include "settings/association_dialog.h"

#include "common/control_helpers.h"
#include "common/dialog_controls.h"
#include "common/dialog_skeleton.h"
#include "common/library_text.h"
#include "printengine/swprint.h"
#include "resources/resource.h"
#include "settings/setting_names.h"
#include "settings/settings_store.h"

#include <cstddef>

namespace sw {
namespace {

constexpr std::size_t kTextLimit = 254;

struct AssociationDialogData {
    std::string passedPrinter;
};

// Lets the list scroll sideways far enough to show its longest name whole.
void FitHorizontalExtent(HWND list, const std::string& name) {
    HDC context = GetDC(list);
    HGDIOBJ previous =
        SelectObject(context, reinterpret_cast<HFONT>(SendMessageA(list, WM_GETFONT, 0, 0)));
    SIZE size = {};
    GetTextExtentPoint32A(context, name.c_str(), static_cast<int>(name.size()), &size);
    SelectObject(context, previous);
    ReleaseDC(list, context);
    const LRESULT extent = SendMessageA(list, LB_GETHORIZONTALEXTENT, 0, 0);
    if (size.cx + 4 > extent)
        SendMessageA(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(size.cx + 4), 0);
}

void FillPrinterList(HWND list) {
    const SHORT count = AvailablePrinters();
    for (SHORT index = 0; index < count; ++index) {
        const std::string name = TakeLibraryText(PrinterDeviceName(&index));
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        FitHorizontalExtent(list, name);
    }
    const std::string defaultPrinter = TakeLibraryText(DefaultPrinter()).substr(0, kTextLimit);
    const LRESULT found = SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(defaultPrinter.c_str()));
    if (found != LB_ERR)
        SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(found), 0);
}

std::string PromptFor(const std::string& passedPrinter) {
    std::string prompt = ResourceString(IDS_ASSOCIATE_PROMPT);
    const std::size_t place = prompt.find("%s");
    if (place != std::string::npos)
        prompt.replace(place, 2, passedPrinter);
    return prompt.substr(0, kTextLimit);
}

void OnInitDialog(HWND dialog, AssociationDialogData* data) {
    FillPrinterList(GetDlgItem(dialog, IDC_PLIST_PRINTERS));
    SetDlgItemTextA(dialog, IDC_PLIST_PROMPT, PromptFor(data->passedPrinter).c_str());
}

void OnAssociate(HWND dialog, AssociationDialogData* data) {
    const std::string printer = ListBoxText(GetDlgItem(dialog, IDC_PLIST_PRINTERS), -1);
    // A key without a name would be a malformed line in the settings file.
    if (!data->passedPrinter.empty())
        WriteSetting(SettingsFilePath(), kPrinterAssociationsSection, data->passedPrinter, printer);
    EndDialog(dialog, IDC_PLIST_ASSOCIATE);
}

void OnClose(HWND dialog, AssociationDialogData*) {
    EndDialog(dialog, IDCANCEL);
}

} // namespace

void ShowAssociationDialog(HWND owner, const std::string& passedPrinter) {
    AssociationDialogData data{passedPrinter};
    // "&Cancel" and IDABORT close it as Escape and the close box do.
    const DialogRules<AssociationDialogData> rules{OnInitDialog,
                                                   {{IDC_PLIST_ASSOCIATE, OnAssociate},
                                                    {IDC_PLIST_CANCEL, OnClose},
                                                    {IDC_PLIST_ABORT, OnClose}}};
    ShowDialog(owner, IDD_PLIST, rules, &data);
}

} // namespace sw
