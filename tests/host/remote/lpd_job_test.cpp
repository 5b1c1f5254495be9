#include "remote/lpd_job.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(LpdJob, QueueNames) {
    const struct {
        std::string name;
        bool accepted;
    } cases[] = {
        {"lp", true},
        {"PASSTHRU", true},
        {"raw_queue-2.label+@~!$&()*,;=", true},
        {std::string(127, 'q'), true},
        {"", false},
        {std::string(128, 'q'), false},
        {"a b", false},
        {"a\tb", false},
        {"a\nb", false},
        {"site:q", false},
        {"a|b", false},
        {"a/b", false},
        {"a\\b", false},
        {"a?b", false},
        {"a#b", false},
        {"a%20b", false},
        {"a\"b", false},
        {"a'b", false},
        {"caf\xc3\xa9", false},
        {std::string("a\0b", 3), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sw::IsLpdQueueName(c.name), c.accepted) << c.name;
}

TEST(LpdJob, HostNameOfTheControlFile) {
    const struct {
        const char* computer;
        const char* host;
    } cases[] = {
        {"OFFICE-PC", "OFFICE-PC"},
        {"desk.example.com", "desk.example.com"},
        {"my pc_1", "mypc1"},
        {"", "localhost"},
        {"___", "localhost"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789", "ABCDEFGHIJKLMNOPQRSTUVWXYZ01234"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sw::LpdHostName(c.computer), c.host) << c.computer;
}

TEST(LpdJob, ControlFileOfARawJob) {
    sw::LpdJobFields fields;
    fields.jobNumber = 7;
    fields.computerName = "OFFICE-PC";
    fields.user = "ann";
    fields.file = "C:\\labels\\ship label.zpl";
    const sw::LpdJobFiles job = sw::LpdJob(fields);
    EXPECT_EQ(job.controlFileName, "cfA007OFFICE-PC");
    EXPECT_EQ(job.dataFileName, "dfA007OFFICE-PC");
    EXPECT_EQ(job.controlFile, "HOFFICE-PC\n"
                               "Pann\n"
                               "Jship label.zpl\n"
                               "ldfA007OFFICE-PC\n"
                               "UdfA007OFFICE-PC\n"
                               "Nship label.zpl\n");
}

// Job numbers wrap at 1000; no field may end its line early or exceed its
// length; an empty user is named.
TEST(LpdJob, FieldsStayOnTheirLinesAndWithinTheirLengths) {
    const struct {
        unsigned number;
        const char* user;
        std::string file;
        const char* controlFile;
    } cases[] = {
        {1000, "ann", "a.prn", "Hh\nPann\nJa.prn\nldfA000h\nUdfA000h\nNa.prn\n"},
        {1999, "", "/tmp/a.prn", "Hh\nPuser\nJa.prn\nldfA999h\nUdfA999h\nNa.prn\n"},
        {42, "Ann Smith", "x\ny\r.prn",
         "Hh\nPAnn_Smith\nJx_y_.prn\nldfA042h\nUdfA042h\nNx_y_.prn\n"},
        {5, "J\xc3\xbcrgen", "\xc3\xa9t\xc3\xa9.prn",
         "Hh\nPJ__rgen\nJ__t__.prn\nldfA005h\nUdfA005h\nN__t__.prn\n"},
    };
    for (const auto& c : cases) {
        sw::LpdJobFields fields;
        fields.jobNumber = c.number;
        fields.computerName = "h";
        fields.user = c.user;
        fields.file = c.file;
        EXPECT_EQ(sw::LpdJob(fields).controlFile, c.controlFile) << c.file;
    }

    sw::LpdJobFields longFields;
    longFields.computerName = "h";
    longFields.user = std::string(40, 'u');
    longFields.file = std::string(200, 'f');
    const std::string expected = "Hh\nP" + std::string(31, 'u') + "\nJ" + std::string(99, 'f') +
                                 "\nldfA000h\nUdfA000h\nN" + std::string(131, 'f') + "\n";
    EXPECT_EQ(sw::LpdJob(longFields).controlFile, expected);
}

TEST(LpdJob, CommandsAnnounceTheQueueAndEachFile) {
    const std::string receive(1, '\x02'), data(1, '\x03');
    EXPECT_EQ(sw::LpdReceiveJobCommand("raw"), receive + "raw\n");
    EXPECT_EQ(sw::LpdControlFileCommand(52, "cfA007h"), receive + "52 cfA007h\n");
    EXPECT_EQ(sw::LpdDataFileCommand(5000000000ull, "dfA007h"), data + "5000000000 dfA007h\n");
    EXPECT_EQ(sw::LpdDataFileCommand(0, "dfA007h"), data + "0 dfA007h\n");
}

} // namespace
