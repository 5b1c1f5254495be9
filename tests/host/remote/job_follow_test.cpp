#include "remote/job_follow.h"

#include "remote/ipp_requests.h"

#include <gtest/gtest.h>

namespace {

sw::IppResponse JobAnswer(int state, std::initializer_list<const char*> reasons,
                          const char* message) {
    sw::IppRequest response(0x0000, 7);
    response.Group(sw::ipp::kOperationGroup)
        .Add(sw::ipp::kCharset, "attributes-charset", "utf-8")
        .Group(sw::ipp::kJobGroup)
        .AddInteger(sw::ipp::kEnum, "job-state", state);
    bool first = true;
    for (const char* reason : reasons) {
        if (first)
            response.Add(sw::ipp::kKeyword, "job-state-reasons", reason);
        else
            response.AddValue(sw::ipp::kKeyword, reason);
        first = false;
    }
    if (message != nullptr)
        response.Add(sw::ipp::kText, "job-state-message", message);
    return *sw::DecodeIpp(response.Bytes());
}

TEST(JobFollow, StatesReadAndShown) {
    struct Case {
        int state;
        std::initializer_list<const char*> reasons;
        const char* message;
        const char* shown;
        bool ended;
        std::int32_t code;
    };
    const Case cases[] = {
        {3, {"none"}, nullptr, "pending", false, 258},
        {3, {"printer-stopped"}, nullptr, "pending (printer-stopped)", false, 258},
        {4,
         {"job-hold-until-specified"},
         "Held",
         "held (job-hold-until-specified): Held",
         false,
         258},
        {5,
         {"job-printing"},
         "Printing page 2",
         "processing (job-printing): Printing page 2",
         false,
         258},
        {6,
         {"media-empty-error", "paused"},
         nullptr,
         "stopped (media-empty-error, paused)",
         false,
         258},
        {7, {"job-canceled-by-user"}, nullptr, "cancelled (job-canceled-by-user)", true, 63},
        {8, {"aborted-by-system"}, nullptr, "aborted (aborted-by-system)", true, 995},
        {9,
         {"job-completed-successfully"},
         nullptr,
         "completed (job-completed-successfully)",
         true,
         0},
        {12, {}, nullptr, "in an unknown state", false, 258},
    };
    for (const Case& c : cases) {
        const auto status = sw::JobStatusOf(JobAnswer(c.state, c.reasons, c.message));
        ASSERT_TRUE(status) << c.shown;
        EXPECT_EQ(status->state, c.state);
        EXPECT_EQ(sw::DescribeJobState(*status), c.shown);
        EXPECT_EQ(sw::HasJobEnded(c.state), c.ended) << c.shown;
        EXPECT_EQ(sw::CodeOfJobState(c.state), c.code) << c.shown;
    }
    EXPECT_EQ(sw::CodeOfJobState(0), 258) << "never said";
}

TEST(JobFollow, AnAnswerWithoutAJobStateSaysNothing) {
    sw::IppRequest response(0x0000, 7);
    response.Group(sw::ipp::kOperationGroup)
        .Add(sw::ipp::kCharset, "attributes-charset", "utf-8")
        .Group(sw::ipp::kPrinterGroup)
        .AddInteger(sw::ipp::kEnum, "job-state", 9); // not the job's group
    EXPECT_FALSE(sw::JobStatusOf(*sw::DecodeIpp(response.Bytes())));
}

TEST(JobFollow, TheSiteIsAskedAtAModestPace) {
    struct Case {
        std::uint64_t elapsedMs, leftMs;
        std::uint32_t delayMs;
    };
    const Case cases[] = {
        {0, 300000, 1000},     {9999, 300000, 1000},  {10000, 300000, 2000},
        {59999, 300000, 2000}, {60000, 240000, 5000}, {3600000, 100000, 5000},
        {2000, 400, 400}, // never past the wait
        {3000, 0, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(sw::NextQuestionDelayMs(c.elapsedMs, c.leftMs), c.delayMs)
            << c.elapsedMs << " " << c.leftMs;
}

TEST(JobFollow, PrinterStatesWorthALineBeforeSending) {
    struct Case {
        int state;
        std::vector<std::string> reasons;
        bool delays;
    };
    const Case cases[] = {
        {sw::kPrinterIdle, {"none"}, false},
        {sw::kPrinterProcessing, {}, false},
        {sw::kPrinterStopped, {"none"}, true},
        {sw::kPrinterIdle, {"media-empty-error"}, true},
        {sw::kPrinterIdle, {"media-empty"}, true},
        {sw::kPrinterProcessing, {"toner-low-warning", "offline-report"}, true},
        {sw::kPrinterIdle, {"paused"}, true},
        {sw::kPrinterIdle, {"media-needed-warning"}, true},
        {sw::kPrinterIdle, {"toner-low-warning"}, false},
        {sw::kPrinterIdle, {"-error"}, false},
        {sw::kPrinterIdle, {"media-empty-errors"}, false},
    };
    for (const Case& c : cases) {
        sw::PrinterStatus status;
        status.state = c.state;
        status.reasons = c.reasons;
        EXPECT_EQ(sw::PrinterStateDelaysJobs(status), c.delays)
            << c.state << " " << testing::PrintToString(c.reasons);
    }
}

TEST(JobFollow, TheQuestionsNameThePrinterTheJobAndTheUser) {
    const auto question = sw::DecodeIpp(
        sw::GetJobAttributesRequest("ipp://127.0.0.1:631/printers/laser", 42, "ann", 5));
    ASSERT_TRUE(question);
    EXPECT_EQ(question->status, 0x0009) << "the operation, where a response has its status";
    EXPECT_EQ(question->requestId, 5u);
    const auto op = sw::ipp::kOperationGroup;
    EXPECT_EQ(sw::AttributeText(*question, op, "printer-uri"),
              "ipp://127.0.0.1:631/printers/laser");
    EXPECT_EQ(sw::IntegerValue(sw::AttributeText(*question, op, "job-id")), 42);
    EXPECT_EQ(sw::AttributeText(*question, op, "requesting-user-name"), "ann");
    for (const sw::IppAttribute& attribute : question->attributes) {
        if (attribute.name == "requested-attributes") {
            EXPECT_EQ(attribute.values, (std::vector<std::string>{"job-state", "job-state-reasons",
                                                                  "job-state-message"}));
        }
    }

    sw::PrintJobAttributes job{"ipp://h:631/ipp/print", "ann", "Spoolwright: a.prn", "text/plain"};
    const auto validate = sw::DecodeIpp(sw::ValidateJobRequest(job, 6));
    const auto print = sw::DecodeIpp(sw::PrintJobRequest(job, 6));
    ASSERT_TRUE(validate && print);
    EXPECT_EQ(validate->status, 0x0004);
    EXPECT_EQ(print->status, 0x0002);
    ASSERT_EQ(validate->attributes.size(), print->attributes.size());
    for (std::size_t i = 0; i < print->attributes.size(); ++i)
        EXPECT_EQ(validate->attributes[i].values, print->attributes[i].values)
            << "the same attributes as the Print-Job: " << print->attributes[i].name;
}

} // namespace
