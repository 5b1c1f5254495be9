#include "remote/remote_sites_dialog.h"

#include "common/dialog_skeleton.h"
#include "common/text_helpers.h"
#include "remote/remote_sites.h"
#include "remote/remote_sites_dialog_ids.h"
#include "remote/remote_sites_file.h"
#include "remote/remote_sites_line.h"
#include "remote/site_address.h"

#include <optional>
#include <string>
#include <vector>

namespace sw {
namespace {

// Entries are kept to 254 characters, as the program's other texts.
constexpr int kSiteLimit = 254;

HWND SitesCombo(HWND dialog) {
    return GetDlgItem(dialog, kRemoteSitesCombo);
}

std::string ComboEditText(HWND dialog) {
    char text[kSiteLimit + 1] = {};
    GetDlgItemTextA(dialog, kRemoteSitesCombo, text, sizeof(text));
    return text;
}

std::string ComboItemText(HWND combo, LRESULT index) {
    const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR)
        return std::string();
    std::vector<char> text(static_cast<std::size_t>(length) + 1, '\0');
    const LRESULT copied = SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(index),
                                        reinterpret_cast<LPARAM>(text.data()));
    return copied == CB_ERR ? std::string() : std::string(text.data(), copied);
}

// An entry that is no site stays in the list, where it can be deleted, and
// is named under it: nothing is listed or printed for it.
void ShowUnusableSites(HWND dialog) {
    const std::optional<std::vector<std::string>> sites = ReadSitesFile(RemoteSitesFile());
    std::string note;
    for (const std::string& site : sites ? UnusableSites(*sites) : std::vector<std::string>())
        note += (note.empty() ? "Not a site, not used: " : ", ") + site;
    SetDlgItemTextA(dialog, kRemoteSitesUnusable, note.c_str());
}

void OnInitDialog(HWND dialog, void*) {
    SendMessageA(SitesCombo(dialog), CB_LIMITTEXT, kSiteLimit, 0);
    LoadRemoteSites(SitesCombo(dialog));
    ShowUnusableSites(dialog);
}

// An entry already listed in any letter case is not added again. Nor is an
// empty one, or one holding the file's separator, which would come back as
// two entries.
void OnAdd(HWND dialog, void*) {
    const std::string site = TrimSpaces(ComboEditText(dialog));
    if (site.empty() || site.find(kSiteSeparator) != std::string::npos)
        return;
    HWND combo = SitesCombo(dialog);
    if (SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(site.c_str())) != CB_ERR)
        return;
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(site.c_str()));
    AddRemoteSite(site);
    ShowUnusableSites(dialog);
}

void OnDelete(HWND dialog, void*) {
    HWND combo = SitesCombo(dialog);
    const LRESULT selected = SendMessageA(combo, CB_GETCURSEL, 0, 0);
    if (selected == CB_ERR)
        return;
    const std::string site = ComboItemText(combo, selected);
    SendMessageA(combo, CB_DELETESTRING, static_cast<WPARAM>(selected), 0);
    RemoveRemoteSite(TrimSpaces(site));
    ShowUnusableSites(dialog);
}

} // namespace

void ShowRemoteSitesDialog(HWND owner) {
    DialogTemplate form = ListDialogTemplate(
        {kRemoteSitesCaption, kRemoteSitesLabel, "IP of remote sites", 7, kRemoteSitesCombo,
         ControlClass::ComboBox, CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL, 18, 56,
         kRemoteSitesAdd, "Add", kRemoteSitesDelete, "Delete", 56});
    // Between the closed combo box and the buttons; its drop-down list covers it.
    form.AddControl(kRemoteSitesUnusable, ControlClass::Static, "", SS_LEFT | SS_NOPREFIX, 7, 34,
                    134, 20);
    // Escape and the close box close it; every change is saved already.
    DialogRules<void> rules{OnInitDialog,
                            {{kRemoteSitesAdd, OnAdd}, {kRemoteSitesDelete, OnDelete}}};
    rules.colourEditables = false;
    ShowDialog(owner, form, rules, nullptr);
}

} // namespace sw
