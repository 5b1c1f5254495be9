#include "printengine/export_arguments.h"
#include "printengine/raw_job.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <utility>
#include <vector>

namespace {

using sw::RawJobAdditions;
using sw::RawJobOutcome;

// Streams `file` as a job and keeps every write call, so that tests see both
// the bytes and how they were cut into calls.
struct RecordedJob {
    RawJobOutcome outcome;
    std::vector<std::string> writes;

    std::string Bytes() const {
        return std::accumulate(writes.begin(), writes.end(), std::string());
    }
    std::vector<std::size_t> Sizes() const {
        std::vector<std::size_t> sizes;
        for (const std::string& w : writes)
            sizes.push_back(w.size());
        return sizes;
    }
};

RecordedJob Stream(const std::string& file, const RawJobAdditions& additions = {},
                   int failingWrite = -1, std::size_t readableBytes = std::string::npos) {
    RecordedJob job;
    std::size_t position = 0;
    auto read = [&](char* buffer, std::size_t length) {
        if (position + length > readableBytes)
            return false;
        file.copy(buffer, length, position);
        position += length;
        return true;
    };
    auto write = [&](const char* bytes, std::size_t length) {
        if (static_cast<int>(job.writes.size()) == failingWrite)
            return false;
        job.writes.emplace_back(bytes, length);
        return true;
    };
    job.outcome = sw::StreamRawJob(additions, file.size(), read, write);
    return job;
}

// The default orientation sequences and an automatic form feed.
const RawJobAdditions kOrientationAndFeed{true, "", "", true};

std::string Filled(std::size_t size, char last = 'x') {
    std::string s(size, 'a');
    if (size > 0)
        s.back() = last;
    return s;
}

TEST(RawJob, CutsTheFileIntoChunksOfAtMost5000Bytes) {
    const std::pair<std::size_t, std::vector<std::size_t>> cases[] = {
        {0, {0}},
        {1, {1}},
        {4999, {4999}},
        {5000, {5000}},
        {5001, {5000, 1}},
        {10000, {5000, 5000}},
        {12000, {5000, 5000, 2000}},
        {65000, std::vector<std::size_t>(13, 5000)},
        {65001, {5000, 5000, 5000, 5000, 5000, 5000, 5000, 5000, 5000, 5000, 5000, 5000, 5000, 1}},
        {70000, std::vector<std::size_t>(14, 5000)},
    };
    for (const auto& [size, writes] : cases) {
        const RecordedJob job = Stream(Filled(size));
        EXPECT_EQ(job.outcome, RawJobOutcome::Sent);
        EXPECT_EQ(job.Sizes(), writes) << "file of " << size << " bytes";
    }
}

TEST(RawJob, SendsTheFileUnchanged) {
    std::string file;
    for (int i = 0; i < 12345; ++i)
        file += static_cast<char>(i * 7);
    EXPECT_EQ(Stream(file).Bytes(), file);
}

TEST(RawJob, AddsAFormFeedOnlyWhenTheLastByteIsNotOne) {
    const RawJobAdditions feed{false, "", "", true};
    EXPECT_EQ(Stream("", feed).Sizes(), (std::vector<std::size_t>{0, 1}));
    EXPECT_EQ(Stream("", feed).Bytes(), "\f");
    EXPECT_EQ(Stream("page\f", feed).Bytes(), "page\f");
    EXPECT_EQ(Stream("page\f\n", feed).Bytes(), "page\f\n\f");
    // Only the file's very last byte counts, even across a chunk boundary.
    EXPECT_EQ(Stream(Filled(5000, '\f') + "z", feed).writes.back(), "\f");
    EXPECT_EQ(Stream(Filled(10000, '\f'), feed).Sizes(), (std::vector<std::size_t>{5000, 5000}));
    EXPECT_EQ(Stream("page").Bytes(), "page") << "no form feed while switched off";
}

TEST(RawJob, WrapsTheFileInTheDefaultOrientationSequences) {
    const RecordedJob job = Stream("text", kOrientationAndFeed);
    EXPECT_EQ(job.Bytes(), "\x1B&l1Otext\f\x1B&l0O");
    EXPECT_EQ(job.Sizes(), (std::vector<std::size_t>{5, 4, 1, 5}));
}

TEST(RawJob, UsesStoredSequencesWhenThereAreAny) {
    RawJobAdditions additions;
    additions.orientation = true;
    additions.startSequence = "\x1B(s3B";
    EXPECT_EQ(Stream("x", additions).Bytes(), "\x1B(s3Bx\x1B&l0O");
    additions.endSequence = "\x1B"
                            "E";
    EXPECT_EQ(Stream("x", additions).Bytes(), "\x1B(s3Bx\x1B"
                                              "E");
}

TEST(RawJob, StopsAtTheFirstFailure) {
    const std::string file = Filled(12000);

    RecordedJob failedStart = Stream(file, kOrientationAndFeed, 0);
    EXPECT_EQ(failedStart.outcome, RawJobOutcome::WriteFailed);
    EXPECT_TRUE(failedStart.writes.empty());

    RecordedJob failedChunk = Stream(file, kOrientationAndFeed, 2);
    EXPECT_EQ(failedChunk.outcome, RawJobOutcome::WriteFailed);
    EXPECT_EQ(failedChunk.Sizes(), (std::vector<std::size_t>{5, 5000}));

    RecordedJob failedEnd = Stream(file, kOrientationAndFeed, 5);
    EXPECT_EQ(failedEnd.outcome, RawJobOutcome::WriteFailed);
    EXPECT_EQ(failedEnd.writes.size(), 5u);

    // The file is read in blocks of 65000 bytes: a read failing in the second
    // block stops the job after the first block's 13 chunks.
    RecordedJob shortRead = Stream(Filled(70000), kOrientationAndFeed, -1, 66000);
    EXPECT_EQ(shortRead.outcome, RawJobOutcome::ReadFailed);
    std::vector<std::size_t> firstBlock(13, 5000);
    firstBlock.insert(firstBlock.begin(), 5);
    EXPECT_EQ(shortRead.Sizes(), firstBlock);
}

// How the spooler answers each write call: it fails, or takes this many bytes.
struct SpoolerAnswer {
    bool ok;
    std::size_t takes;
};

struct WriteAllCase {
    const char* what;
    std::size_t length;
    std::vector<SpoolerAnswer> answers;
    bool allTaken;
    std::vector<std::size_t> calls; // the bytes offered to each call
};

TEST(WriteAll, GoesOnWithTheRestUntilAllAreTakenOrACallFails) {
    const WriteAllCase cases[] = {
        {"all at once", 5000, {{true, 5000}}, true, {5000}},
        {"short, then the rest", 5000, {{true, 4999}, {true, 1}}, true, {5000, 1}},
        {"three short calls",
         5000,
         {{true, 2000}, {true, 2000}, {true, 1000}},
         true,
         {5000, 3000, 1000}},
        {"short, then a failure", 5000, {{true, 3000}, {false, 0}}, false, {5000, 2000}},
        {"a failure at once", 5000, {{false, 0}}, false, {5000}},
        {"nothing taken would never end", 5000, {{true, 0}}, false, {5000}},
        {"more than offered is no answer", 10, {{true, 11}}, false, {10}},
        {"an empty piece is one call", 0, {{true, 0}}, true, {0}},
    };
    for (const WriteAllCase& c : cases) {
        const std::string bytes(c.length, 'b');
        std::vector<std::size_t> calls;
        auto write = [&](const char* from, std::size_t length, std::size_t& written) {
            EXPECT_EQ(from, bytes.data() + (c.length - length)) << c.what << ": the rest follows";
            const SpoolerAnswer answer = c.answers.at(calls.size());
            calls.push_back(length);
            written = answer.takes;
            return answer.ok;
        };
        EXPECT_EQ(sw::WriteAll(bytes.data(), bytes.size(), write), c.allTaken) << c.what;
        EXPECT_EQ(calls, c.calls) << c.what;
    }
}

TEST(RawJob, DocumentNameIsThePrefixAndTheTrimmedFileNamePart) {
    EXPECT_EQ(sw::JobDocumentName("  C:\\spool\\report.prn  "), "Spoolwright: report.prn");
    EXPECT_EQ(sw::JobDocumentName("C:\\spool\\"), "Spoolwright: ");
    EXPECT_EQ(sw::JobDocumentName("C:\\spool/report.prn"), "Spoolwright: spool/report.prn");
    EXPECT_EQ(sw::JobDocumentName("\tC:\\a b.prn\t"), "Spoolwright: a b.prn\t");
    EXPECT_EQ(sw::JobDocumentName("   "), "Spoolwright: ");
}

TEST(RawJob, ScratchPathIsInTheTempFolderOrBare) {
    EXPECT_EQ(sw::ScratchPathFor("C:\\TEMP"), "C:\\TEMP\\SPWLTEMP.TXT");
    EXPECT_EQ(sw::ScratchPathFor("C:\\TEMP\\"), "C:\\TEMP\\SPWLTEMP.TXT");
    EXPECT_EQ(sw::ScratchPathFor(""), "SPWLTEMP.TXT");
}

TEST(RawJob, FormFeedFieldIsAlways40Bytes) {
    EXPECT_EQ(sw::FormFeedField("\f"), std::string("\f") + std::string(39, '\0'));
    EXPECT_EQ(sw::FormFeedField(std::string(39, 'x')), std::string(39, 'x') + '\0');
    EXPECT_EQ(sw::FormFeedField(std::string(50, 'x')), std::string(39, 'x') + '\0');
}

TEST(RawJob, BoundedTextCutsAndTreatsNullAsEmpty) {
    EXPECT_EQ(sw::BoundedText(nullptr, 59), "");
    EXPECT_EQ(sw::BoundedText("short", 59), "short");
    const std::string longName(80, 'p');
    EXPECT_EQ(sw::BoundedText(longName.c_str(), 59), std::string(59, 'p'));
    // An argument exactly at the limit needs no terminator inside the limit.
    const char unterminated[3] = {'a', 'b', 'c'};
    EXPECT_EQ(sw::BoundedText(unterminated, 3), "abc");
}

} // namespace
