// Reading and rewriting a remote sites file by its path. Used by the remote
// sites operations of swutil.exe (the file in the Windows folder) and by the
// companion, which finds the same file on its own.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sw {

// Creates every missing folder of the file's path (MakeSureDirectoryPathExists).
bool EnsureFolderOf(const std::string& path);

// The list the file holds: empty when the file does not exist; nothing when
// it exists but cannot be read (or is larger than a list could sensibly be),
// so that a caller never rewrites a file it could not read.
std::optional<std::vector<std::string>> ReadSitesFile(const std::string& path);

// Replaces the file in one step: the text goes to a scratch file beside it,
// which is then moved over it, so that a failure half way leaves the old
// file whole. False when anything failed.
bool WriteSitesFile(const std::string& path, const std::vector<std::string>& sites);

// The file operations of the remote sites list: each makes sure the folder
// exists first and does nothing more when it cannot, nor when the file cannot
// be read. False when nothing was written.
bool AddSiteToFile(const std::string& path, std::string_view site);
bool RemoveSiteFromFile(const std::string& path, std::string_view site);

} // namespace sw
