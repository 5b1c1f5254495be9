#include "unattended/printed_files.h"

#include "common/text_helpers.h"

#include <cstdint>
#include <limits>

namespace sw {
namespace {

constexpr std::int32_t kLowestCode = std::numeric_limits<std::int32_t>::min();

} // namespace

bool FileEntry::operator==(const FileEntry& other) const {
    return mark == other.mark && version == other.version && code == other.code &&
           loggedAt == other.loggedAt && printer == other.printer && path == other.path;
}

PrintedFiles::PrintedFiles(const std::vector<FileEntry>& entries) {
    for (const FileEntry& entry : entries) {
        const Key key = KeyOf(entry.path, entry.printer);
        switch (entry.mark) {
        case FileMark::Failing:
            failures_[{key, entry.code}] = entry;
            break;
        case FileMark::Forgotten:
            entries_.erase(key);
            ForgetFailures(key);
            break;
        case FileMark::Started:
        case FileMark::Printing:
            break; // notes: the journal's, taken in by TakeNote
        default:
            entries_[key] = entry;
        }
    }
    changed_ = false;
    changedKeys_.clear();
}

PrintedFiles::Key PrintedFiles::KeyOf(const std::string& path, const std::string& printer) {
    return {UpperCase(path), UpperCase(printer)};
}

void PrintedFiles::ForgetFailures(const Key& key) {
    auto it = failures_.lower_bound({key, kLowestCode});
    while (it != failures_.end() && it->first.first == key) {
        it = failures_.erase(it);
        Changed(key);
    }
}

void PrintedFiles::Changed(const Key& key) {
    changed_ = true;
    changedKeys_.insert(key);
}

FileVerdict PrintedFiles::Consider(const std::string& path, const std::string& printer,
                                   const FileVersion& version) {
    const Key key = KeyOf(path, printer);
    // Failures of another version belong to a file that has changed.
    for (auto it = failures_.lower_bound({key, kLowestCode});
         it != failures_.end() && it->first.first == key;) {
        if (it->second.version != version) {
            it = failures_.erase(it);
            Changed(key);
        } else {
            ++it;
        }
    }
    const auto found = entries_.find(key);
    if (found == entries_.end())
        return FileVerdict::Print;
    if (found->second.mark == FileMark::Taken)
        return FileVerdict::LineOwed;
    if (found->second.version != version) {
        entries_.erase(found);
        Changed(key);
        return FileVerdict::Print;
    }
    switch (found->second.mark) {
    case FileMark::Printed:
        return FileVerdict::AlreadyPrinted;
    case FileMark::MaybePrinted:
        return FileVerdict::MayHaveBeenPrinted;
    case FileMark::Logged:
        return FileVerdict::MoveOwed;
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
    const Key key = KeyOf(path, printer);
    ForgetFailures(key);
    FileEntry& stored = entries_[key];
    if (!(stored == entry)) {
        stored = entry;
        Changed(key);
    }
}

void PrintedFiles::MarkLogged(const std::string& path, const std::string& printer,
                              const FileVersion& version) {
    FileEntry entry;
    entry.mark = FileMark::Logged;
    entry.version = version;
    entry.printer = printer;
    entry.path = path;
    const Key key = KeyOf(path, printer);
    ForgetFailures(key);
    entries_[key] = entry;
    Changed(key);
}

void PrintedFiles::MarkTaken(const std::string& path, const std::string& printer,
                             const FileVersion& version, std::int64_t moment) {
    FileEntry entry;
    entry.mark = FileMark::Taken;
    entry.version = version;
    entry.loggedAt = moment;
    entry.printer = printer;
    entry.path = path;
    const Key key = KeyOf(path, printer);
    ForgetFailures(key);
    entries_[key] = entry;
    Changed(key);
}

const FileEntry* PrintedFiles::Taken(const std::string& path, const std::string& printer) const {
    const auto found = entries_.find(KeyOf(path, printer));
    return found != entries_.end() && found->second.mark == FileMark::Taken ? &found->second
                                                                            : nullptr;
}

void PrintedFiles::Forget(const std::string& path, const std::string& printer) {
    const Key key = KeyOf(path, printer);
    ForgetFailures(key);
    if (entries_.erase(key) != 0)
        Changed(key);
}

bool PrintedFiles::ShouldLogFailure(const std::string& path, const std::string& printer,
                                    const FileVersion& version, std::int32_t code,
                                    std::int64_t now) {
    const Key key = KeyOf(path, printer);
    FileEntry& entry = failures_[{key, code}];
    const bool sameFailure = entry.version == version && !entry.path.empty();
    if (sameFailure && now >= entry.loggedAt && now - entry.loggedAt < kFailureLogSeconds)
        return false;
    entry.mark = FileMark::Failing;
    entry.version = version;
    entry.code = code;
    entry.loggedAt = now;
    entry.printer = printer;
    entry.path = path;
    Changed(key);
    return true;
}

std::vector<std::string> PrintedFiles::Unlisted(const std::string& folder,
                                                const std::string& printer,
                                                const std::set<std::string>& listedNames) const {
    std::vector<std::string> paths;
    const std::string upperFolder = UpperCase(folder);
    const std::string upperPrinter = UpperCase(printer);
    std::set<std::string> taken; // upper-case paths already in `paths`
    const auto consider = [&](const Key& key, const FileEntry& entry) {
        if (key.second != upperPrinter)
            return;
        const std::string name = key.first.substr(upperFolder.size());
        if (name.find('\\') == std::string::npos && listedNames.count(name) == 0 &&
            taken.insert(key.first).second)
            paths.push_back(entry.path);
    };
    const auto inFolder = [&](const std::string& path) {
        return path.compare(0, upperFolder.size(), upperFolder) == 0;
    };
    for (auto it = entries_.lower_bound({upperFolder, std::string()});
         it != entries_.end() && inFolder(it->first.first); ++it)
        consider(it->first, it->second);
    for (auto it = failures_.lower_bound({{upperFolder, std::string()}, kLowestCode});
         it != failures_.end() && inFolder(it->first.first.first); ++it)
        consider(it->first.first, it->second);
    return paths;
}

void PrintedFiles::TakeNote(const FileEntry& note) {
    const auto found = entries_.find(KeyOf(note.path, note.printer));
    if (found != entries_.end() &&
        (found->second.mark == FileMark::Printed || found->second.mark == FileMark::Logged) &&
        found->second.version == note.version)
        return; // the print finished; only clearing the note was left
    switch (note.mark) {
    case FileMark::Started:
        return; // the job never reached the spooler whole: printed again
    case FileMark::Taken:
        MarkTaken(note.path, note.printer, note.version, note.loggedAt);
        return;
    case FileMark::Printing:
        break;
    default:
        return; // not a note
    }
    FileEntry entry = note;
    entry.mark = FileMark::MaybePrinted;
    entry.code = 0;
    entry.loggedAt = 0;
    const Key key = KeyOf(note.path, note.printer);
    entries_[key] = entry;
    Changed(key);
}

std::vector<FileEntry> PrintedFiles::Entries() const {
    std::vector<FileEntry> entries;
    entries.reserve(Size());
    for (const auto& [key, entry] : entries_)
        entries.push_back(entry);
    for (const auto& [key, entry] : failures_)
        entries.push_back(entry);
    return entries;
}

std::vector<FileEntry> PrintedFiles::ChangedRecords() const {
    std::vector<FileEntry> records;
    for (const Key& key : changedKeys_) {
        FileEntry forgotten;
        forgotten.mark = FileMark::Forgotten;
        forgotten.printer = key.second;
        forgotten.path = key.first;
        records.push_back(forgotten);
        const auto found = entries_.find(key);
        if (found != entries_.end())
            records.push_back(found->second);
        for (auto it = failures_.lower_bound({key, kLowestCode});
             it != failures_.end() && it->first.first == key; ++it)
            records.push_back(it->second);
    }
    return records;
}

bool PrintedFiles::TakeChanged() {
    const bool changed = changed_;
    changed_ = false;
    return changed;
}

} // namespace sw
