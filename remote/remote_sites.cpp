#include "remote/remote_sites.h"

#include "common/library_text.h"
#include "printengine/swprint.h"
#include "remote/remote_sites_file.h"
#include "remote/remote_sites_line.h"

namespace sw {

std::string RemoteSitesFile() {
    return TakeLibraryText(WinPath()) + std::string(kRemoteSitesFileName);
}

void LoadRemoteSites(HWND comboBox) {
    const std::string path = RemoteSitesFile();
    if (!EnsureFolderOf(path))
        return;
    SendMessageA(comboBox, CB_RESETCONTENT, 0, 0);
    const auto sites = ReadSitesFile(path);
    if (!sites)
        return;
    for (const std::string& site : *sites)
        SendMessageA(comboBox, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(site.c_str()));
}

void AddRemoteSite(std::string_view site) {
    AddSiteToFile(RemoteSitesFile(), site);
}

void RemoveRemoteSite(std::string_view site) {
    RemoveSiteFromFile(RemoteSitesFile(), site);
}

} // namespace sw
