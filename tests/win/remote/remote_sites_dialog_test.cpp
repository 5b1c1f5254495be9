// The "Remote sites" dialog, built at run time and driven with real messages.
#include "remote/remote_sites.h"
#include "remote/remote_sites_dialog.h"
#include "remote/remote_sites_dialog_ids.h"
#include "support/dialog_driver.h"
#include "support/file_writer.h"
#include "support/temp_files.h"

#include <gtest/gtest.h>

namespace {

using swtest::DialogDriver;
using Items = std::vector<std::string>;

void Open() {
    sw::ShowRemoteSitesDialog(nullptr);
}

Items ComboItems(HWND dialog) {
    Items items;
    const LRESULT count = SendDlgItemMessageA(dialog, sw::kRemoteSitesCombo, CB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; ++i) {
        char text[300] = {};
        SendDlgItemMessageA(dialog, sw::kRemoteSitesCombo, CB_GETLBTEXT, static_cast<WPARAM>(i),
                            reinterpret_cast<LPARAM>(text));
        items.push_back(text);
    }
    return items;
}

void SelectComboItem(HWND dialog, int index) {
    SendDlgItemMessageA(dialog, sw::kRemoteSitesCombo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

class RemoteSitesDialog : public testing::Test {
  protected:
    void SetUp() override { DeleteFileA(sw::RemoteSitesFile().c_str()); }
    void TearDown() override { DeleteFileA(sw::RemoteSitesFile().c_str()); }
    static std::string Text() { return swtest::ReadWholeFile(sw::RemoteSitesFile()); }
};

TEST_F(RemoteSitesDialog, ShowsItsControlsAtTheirSize) {
    sw::AddRemoteSite("10.0.0.5");
    DialogDriver(sw::kRemoteSitesCaption)
        .Inspect([](HWND dialog) {
            EXPECT_EQ(swtest::ItemText(dialog, sw::kRemoteSitesLabel), "IP of remote sites");
            EXPECT_EQ(swtest::ItemText(dialog, sw::kRemoteSitesAdd), "Add");
            EXPECT_EQ(swtest::ItemText(dialog, sw::kRemoteSitesDelete), "Delete");
            EXPECT_EQ(ComboItems(dialog), (Items{"10.0.0.5"}));
            RECT client = {}, units = {0, 0, 148, 80};
            GetClientRect(dialog, &client);
            MapDialogRect(dialog, &units);
            EXPECT_EQ(client.right, units.right);
            EXPECT_EQ(client.bottom, units.bottom);
            EXPECT_EQ(SendMessageA(dialog, DM_GETDEFID, 0, 0),
                      MAKELRESULT(sw::kRemoteSitesAdd, DC_HASDEFID));
        })
        .CloseBox()
        .Run(Open);
}

TEST_F(RemoteSitesDialog, AddingSavesAtOnceAndRefusesAnEntryListedInAnyCase) {
    sw::AddRemoteSite("10.0.0.5");
    sw::AddRemoteSite("printhost");
    Items items;
    std::string afterFirstAdd;
    DialogDriver(sw::kRemoteSitesCaption)
        .SetText(sw::kRemoteSitesCombo, "  10.0.0.7 ")
        .Click(sw::kRemoteSitesAdd)
        .Inspect([&](HWND) { afterFirstAdd = Text(); })
        .SetText(sw::kRemoteSitesCombo, " 10.0.0.5  ")
        .Click(sw::kRemoteSitesAdd)
        .SetText(sw::kRemoteSitesCombo, "PRINTHOST")
        .Click(sw::kRemoteSitesAdd)
        .SetText(sw::kRemoteSitesCombo, "   ")
        .Click(sw::kRemoteSitesAdd)
        .SetText(sw::kRemoteSitesCombo, "a|b")
        .Click(sw::kRemoteSitesAdd)
        .Inspect([&](HWND dialog) { items = ComboItems(dialog); })
        .CloseBox()
        .Run(Open);
    EXPECT_EQ(afterFirstAdd, "10.0.0.5|printhost|10.0.0.7\r\n");
    EXPECT_EQ(items, (Items{"10.0.0.5", "printhost", "10.0.0.7"}));
    EXPECT_EQ(Text(), "10.0.0.5|printhost|10.0.0.7\r\n");
}

// The newer forms of a site (TLS, a printer's resource) are entries like any
// other, kept as typed beside the older ones.
TEST_F(RemoteSitesDialog, AcceptsIppAndIppsAddresses) {
    sw::AddRemoteSite("10.0.0.5");
    DialogDriver(sw::kRemoteSitesCaption)
        .SetText(sw::kRemoteSitesCombo, "ipps://printhost.example.com:8443")
        .Click(sw::kRemoteSitesAdd)
        .SetText(sw::kRemoteSitesCombo, " ipp://10.0.0.9:631/ipp/print ")
        .Click(sw::kRemoteSitesAdd)
        .SetText(sw::kRemoteSitesCombo, "IPPS://PRINTHOST.example.com:8443")
        .Click(sw::kRemoteSitesAdd)
        .CloseBox()
        .Run(Open);
    EXPECT_EQ(Text(),
              "10.0.0.5|ipps://printhost.example.com:8443|ipp://10.0.0.9:631/ipp/print\r\n");
}

TEST_F(RemoteSitesDialog, EnterAddsThroughTheDefaultButton) {
    DialogDriver(sw::kRemoteSitesCaption)
        .SetText(sw::kRemoteSitesCombo, "10.0.0.9")
        .Inspect([](HWND dialog) {
            // The combo box's edit field, where the user types.
            HWND edit = GetWindow(GetDlgItem(dialog, sw::kRemoteSitesCombo), GW_CHILD);
            SetFocus(edit);
            PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 1);
            PostMessageA(edit, WM_KEYUP, VK_RETURN, static_cast<LPARAM>(0xC0000001));
        })
        .Inspect([](HWND) {})
        .CloseBox()
        .Run(Open);
    EXPECT_EQ(Text(), "10.0.0.9\r\n");
}

TEST_F(RemoteSitesDialog, DeletingRemovesTheSelectedEntryFromListAndFile) {
    for (const char* site : {"10.0.0.5", "10.0.0.6", "10.0.0.7"})
        sw::AddRemoteSite(site);
    Items items;
    DialogDriver(sw::kRemoteSitesCaption)
        .Inspect([](HWND dialog) { SelectComboItem(dialog, 1); })
        .Click(sw::kRemoteSitesDelete)
        .Inspect([&](HWND dialog) { items = ComboItems(dialog); })
        .Inspect([](HWND dialog) { SelectComboItem(dialog, -1); })
        .Click(sw::kRemoteSitesDelete) // nothing selected: nothing happens
        .CloseBox()
        .Run(Open);
    EXPECT_EQ(items, (Items{"10.0.0.5", "10.0.0.7"}));
    EXPECT_EQ(Text(), "10.0.0.5|10.0.0.7\r\n");
}

// A hand-written file of one site per line lists every site; an entry that
// is no site is listed too, so that it can be deleted, and named as such.
TEST_F(RemoteSitesDialog, ListsEveryLineAndNamesTheOneThatIsNoSite) {
    ASSERT_TRUE(
        swtest::WriteToFile(sw::RemoteSitesFile(), "10.0.0.5\r\nlpd://h\r\nlpd://h/q\r\nh\r\n"));
    Items items;
    std::string note;
    DialogDriver(sw::kRemoteSitesCaption)
        .Inspect([&](HWND dialog) {
            items = ComboItems(dialog);
            note = swtest::ItemText(dialog, sw::kRemoteSitesUnusable);
        })
        .CloseBox()
        .Run(Open);
    EXPECT_EQ(items, (Items{"10.0.0.5", "lpd://h", "lpd://h/q", "h"}));
    // A daemon's queue is a site; its address alone is not.
    EXPECT_EQ(note, "Not a site, not used: lpd://h");
}

} // namespace
