#include "unattended/printed_files.h"

#include "common/text_helpers.h"

namespace sw {

bool FileEntry::operator==(const FileEntry& other) const {
    return mark == other.mark && version == other.version && code == other.code &&
           loggedAt == other.loggedAt && printer == other.printer && path == other.path;
}

PrintedFiles::PrintedFiles(const std::vector<FileEntry>& entries) {
    for (const FileEntry& entry : entries)
        entries_[KeyOf(entry.path, entry.printer)] = entry;
}

PrintedFiles::Key PrintedFiles::KeyOf(const std::string& path, const std::string& printer) {
    return {UpperCase(path), UpperCase(printer)};
}

FileVerdict PrintedFiles::Consider(const std::string& path, const std::string& printer,
                                   const FileVersion& version) {
    const auto found = entries_.find(KeyOf(path, printer));
    if (found == entries_.end())
        return FileVerdict::Print;
    if (found->second.version != version) {
        entries_.erase(found);
        changed_ = true;
        return FileVerdict::Print;
    }
    switch (found->second.mark) {
    case FileMark::Printed:
        return FileVerdict::AlreadyPrinted;
    case FileMark::MaybePrinted:
        return FileVerdict::MayHaveBeenPrinted;
    default:
        return FileVerdict::Print;
    }
}

void PrintedFiles::MarkPrinted(const std::string& path, const std::string& printer,
                               const FileVersion& version) {
    FileEntry entry;
    entry.mark = FileMark::Printed;
    entry.version = version;
    entry.printer = printer;
    entry.path = path;
    FileEntry& stored = entries_[KeyOf(path, printer)];
    if (!(stored == entry)) {
        stored = entry;
        changed_ = true;
    }
}

void PrintedFiles::Forget(const std::string& path, const std::string& printer) {
    if (entries_.erase(KeyOf(path, printer)) != 0)
        changed_ = true;
}

bool PrintedFiles::ShouldLogFailure(const std::string& path, const std::string& printer,
                                    const FileVersion& version, std::int32_t code,
                                    std::int64_t now) {
    FileEntry& entry = entries_[KeyOf(path, printer)];
    const bool sameFailure = entry.mark == FileMark::Failing && entry.version == version &&
                             entry.code == code && !entry.path.empty();
    if (sameFailure && now >= entry.loggedAt && now - entry.loggedAt < kFailureLogSeconds)
        return false;
    entry.mark = FileMark::Failing;
    entry.version = version;
    entry.code = code;
    entry.loggedAt = now;
    entry.printer = printer;
    entry.path = path;
    changed_ = true;
    return true;
}

std::vector<std::string> PrintedFiles::Unlisted(const std::string& folder,
                                                const std::string& printer,
                                                const std::set<std::string>& listedNames) const {
    std::vector<std::string> paths;
    const std::string upperFolder = UpperCase(folder);
    const std::string upperPrinter = UpperCase(printer);
    for (auto it = entries_.lower_bound({upperFolder, std::string()});
         it != entries_.end() && it->first.first.compare(0, upperFolder.size(), upperFolder) == 0;
         ++it) {
        if (it->first.second != upperPrinter)
            continue;
        const std::string name = it->first.first.substr(upperFolder.size());
        if (name.find('\\') == std::string::npos && listedNames.count(name) == 0)
            paths.push_back(it->second.path);
    }
    return paths;
}

void PrintedFiles::TakeNote(const FileEntry& note) {
    const auto found = entries_.find(KeyOf(note.path, note.printer));
    if (found != entries_.end() && found->second.mark == FileMark::Printed &&
        found->second.version == note.version)
        return; // the print finished; only clearing the note was left
    FileEntry entry = note;
    entry.mark = FileMark::MaybePrinted;
    entry.code = 0;
    entry.loggedAt = 0;
    entries_[KeyOf(note.path, note.printer)] = entry;
    changed_ = true;
}

std::vector<FileEntry> PrintedFiles::Entries() const {
    std::vector<FileEntry> entries;
    entries.reserve(entries_.size());
    for (const auto& [key, entry] : entries_)
        entries.push_back(entry);
    return entries;
}

bool PrintedFiles::TakeChanged() {
    const bool changed = changed_;
    changed_ = false;
    return changed;
}

} // namespace sw
