#include "remote/companion_protocol.h"
#include "remote/remote_job.h"

#include <gtest/gtest.h>

namespace {

using sw::RemotePrintMethod;

sw::RemoteJobTexts Texts() {
    sw::RemoteJobTexts texts;
    texts.printer = "127.0.0.1:8631:sw_remote";
    texts.file = "C:\\data\\report.prn";
    texts.copies = "1";
    texts.autoFormfeed = "0";
    return texts;
}

TEST(RemoteJob, TheMainProgramsTextsOfABypassJob) {
    sw::RemoteJobTexts texts = Texts();
    texts.copies = "3";
    texts.autoFormfeed = "-1";
    texts.orientation = "1|\x1B&l1O|\x1B&l0O";
    texts.printMethod = "BYPASS";
    const sw::RemoteJobCheck check = sw::CheckRemoteJob(texts);
    ASSERT_TRUE(check.job) << check.problem;
    EXPECT_EQ(check.job->site, "127.0.0.1:8631");
    EXPECT_EQ(check.job->printer, "sw_remote");
    EXPECT_EQ(check.job->file, "C:\\data\\report.prn");
    EXPECT_EQ(check.job->method, RemotePrintMethod::Bypass);
    EXPECT_EQ(check.job->copies, 3);
    EXPECT_TRUE(check.job->additions.autoFormFeed);
    EXPECT_TRUE(check.job->additions.orientation);
    EXPECT_EQ(check.job->additions.StartSequence(), "\x1B&l1O");
    EXPECT_EQ(check.job->additions.EndSequence(), "\x1B&l0O");
    EXPECT_EQ(check.job->documentFormat, "application/vnd.cups-raw");
}

TEST(RemoteJob, OrientationCodesAndSequences) {
    struct Case {
        const char* text;
        bool orientation;
        const char* start;
        const char* end;
    };
    const Case cases[] = {
        {"", false, "\x1B&l1O", "\x1B&l0O"},
        {"0|A|B", false, "A", "B"},
        {"-1|A|B", true, "A", "B"},
        {"2|A|B|C", true, "A", "B|C"},
        {"1||", true, "\x1B&l1O", "\x1B&l0O"}, // empty sequences are the defaults
    };
    for (const Case& c : cases) {
        sw::RemoteJobTexts texts = Texts();
        texts.orientation = c.text;
        const sw::RemoteJobCheck check = sw::CheckRemoteJob(texts);
        ASSERT_TRUE(check.job) << c.text << ": " << check.problem;
        EXPECT_EQ(check.job->additions.orientation, c.orientation) << c.text;
        EXPECT_EQ(check.job->additions.StartSequence(), c.start) << c.text;
        EXPECT_EQ(check.job->additions.EndSequence(), c.end) << c.text;
    }
}

TEST(RemoteJob, CopiesAndFormFeedTexts) {
    struct Case {
        const char* copies;
        const char* formfeed;
        int count; // 0: refused
        bool feed;
    };
    const Case cases[] = {
        {"1", "0", 1, false},           {"", "", 1, false},       {"0", "-1", 1, true},
        {" 12 ", "1", 12, true},        {"999", "0", 999, false}, {"1000", "0", 0, false},
        {"-2", "0", 0, false},          {"two", "0", 0, false},   {"1", "yes", 0, false},
        {"99999999999", "0", 0, false},
    };
    for (const Case& c : cases) {
        sw::RemoteJobTexts texts = Texts();
        texts.copies = c.copies;
        texts.autoFormfeed = c.formfeed;
        const sw::RemoteJobCheck check = sw::CheckRemoteJob(texts);
        if (c.count == 0) {
            EXPECT_FALSE(check.job) << c.copies << "/" << c.formfeed;
            EXPECT_FALSE(check.problem.empty());
            continue;
        }
        ASSERT_TRUE(check.job) << c.copies << "/" << c.formfeed << ": " << check.problem;
        EXPECT_EQ(check.job->copies, c.count);
        EXPECT_EQ(check.job->additions.autoFormFeed, c.feed);
    }
}

TEST(RemoteJob, BitmapsAndDocumentsGoToTheDriverWithoutAdditions) {
    struct Case {
        const char* file;
        const char* method;
        RemotePrintMethod expected;
        const char* format;
    };
    const Case cases[] = {
        {"C:\\p\\photo.bmp", "BMP", RemotePrintMethod::Bitmap, "image/x-bitmap"},
        {"C:\\p\\photo.doc", "DOC", RemotePrintMethod::Document, "application/octet-stream"},
        {"C:\\p\\report.rtf", "doc", RemotePrintMethod::Document, "application/octet-stream"},
        {"C:\\p\\photo.bmp", "", RemotePrintMethod::Bitmap, "image/x-bitmap"},
        {"C:\\p\\report.RTF ", "", RemotePrintMethod::Document, "application/octet-stream"},
        {"C:\\p\\data.prn", "", RemotePrintMethod::Bypass, "application/vnd.cups-raw"},
    };
    for (const Case& c : cases) {
        sw::RemoteJobTexts texts = Texts();
        texts.file = c.file;
        texts.printMethod = c.method;
        texts.autoFormfeed = "-1";
        texts.orientation = "1|A|B";
        const sw::RemoteJobCheck check = sw::CheckRemoteJob(texts);
        ASSERT_TRUE(check.job) << c.file << ": " << check.problem;
        EXPECT_EQ(check.job->method, c.expected) << c.file;
        EXPECT_EQ(check.job->documentFormat, c.format) << c.file;
        if (c.expected != RemotePrintMethod::Bypass) {
            EXPECT_FALSE(check.job->additions.orientation) << c.file;
            EXPECT_FALSE(check.job->additions.autoFormFeed) << c.file;
        }
    }
    EXPECT_EQ(sw::PrintMethodText("a.txt"), "BYPASS");
    EXPECT_EQ(sw::PrintMethodText("a"), "BYPASS");
}

TEST(RemoteJob, RefusedTextsSayWhy) {
    struct Case {
        const char* printer;
        const char* file;
        const char* orientation;
        const char* method;
        const char* problem;
    };
    const Case cases[] = {
        {"", "a.prn", "", "", "No remote printer is selected"},
        {"laser", "a.prn", "", "", "No remote printer is selected"},
        {"h:q", "  ", "", "", "No file was given to print"},
        {"h:q", "a.prn", "1", "", "The orientation \"1\" is not a code and two sequences"},
        {"h:q", "a.prn", "x|A|B", "", "The orientation \"x|A|B\" is not a code and two sequences"},
        {"h:q", "a.prn", "", "PDF", "The print method \"PDF\" is not BYPASS, BMP or DOC"},
    };
    for (const Case& c : cases) {
        sw::RemoteJobTexts texts = Texts();
        texts.printer = c.printer;
        texts.file = c.file;
        texts.orientation = c.orientation;
        texts.printMethod = c.method;
        const sw::RemoteJobCheck check = sw::CheckRemoteJob(texts);
        EXPECT_FALSE(check.job);
        EXPECT_EQ(check.problem, c.problem);
    }
}

} // namespace

namespace {

// The declared length of a job's body is what is then streamed.
TEST(RemoteJob, RawJobLengthIsWhatTheStreamSends) {
    struct Case {
        bool orientation;
        bool formFeed;
        const char* file;
        std::uint64_t length;
    };
    const Case cases[] = {
        {false, false, "abc", 3}, {false, true, "abc", 4}, {false, true, "abc\f", 4},
        {true, false, "abc", 13}, {true, true, "abc", 14}, {false, true, "", 1},
        {true, false, "", 10},
    };
    for (const Case& c : cases) {
        sw::RawJobAdditions additions;
        additions.orientation = c.orientation;
        additions.autoFormFeed = c.formFeed;
        const std::string file = c.file;
        const bool endsWithFormFeed = !file.empty() && file.back() == '\f';
        EXPECT_EQ(sw::RawJobLength(additions, file.size(), endsWithFormFeed), c.length) << c.file;
        std::uint64_t streamed = 0;
        sw::StreamRawJob(
            additions, file.size(),
            [&](char* buffer, std::size_t length) {
                file.copy(buffer, length);
                return true;
            },
            [&](const char*, std::size_t length) {
                streamed += length;
                return true;
            });
        EXPECT_EQ(streamed, c.length) << c.file;
    }
}

} // namespace
