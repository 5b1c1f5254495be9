#include "remote/job_outcome.h"

#include <gtest/gtest.h>

namespace {

TEST(JobOutcome, AnswerTextsAreReadBackOrRefused) {
    const sw::JobOutcomeNote note{12029, "10.0.0.5:631:lab", "C:\\jobs\\a|b.prn"};
    const std::optional<sw::JobOutcomeNote> read = sw::ReadJobOutcomeText(sw::JobOutcomeText(note));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->code, 12029u);
    EXPECT_EQ(read->printer, note.printer);
    EXPECT_EQ(read->file, note.file); // a "|" in the file stays in it
    EXPECT_TRUE(sw::AnswersPrint(*read, "10.0.0.5:631:LAB", "C:\\jobs\\a|b.prn"));
    EXPECT_FALSE(sw::AnswersPrint(*read, "10.0.0.5:631:lab", "C:\\JOBS\\a|b.prn"));

    for (const char* text :
         {"", "|p|f", "12x|p|f", "0|no file part", "4294967296|p|f", "-1|p|f", "12345678901|p|f"})
        EXPECT_FALSE(sw::ReadJobOutcomeText(text)) << text;
    EXPECT_EQ(sw::ReadJobOutcomeText("4294967295||")->code, 4294967295u);
}

TEST(JobOutcome, TheWaitGrowsWithTheJob) {
    EXPECT_EQ(sw::OutcomeWaitMs(100, 1), 120000u);
    EXPECT_EQ(sw::OutcomeWaitMs(100, 0), 120000u); // taken as one copy
    EXPECT_EQ(sw::OutcomeWaitMs(10 * 1024 * 1024, 2), 60000u + 2 * (60000u + 80000u));
    EXPECT_EQ(sw::OutcomeWaitMs(~0ull, 9999), 6u * 3600000u);
    EXPECT_EQ(sw::OutcomeWaitMs(100, 9999), 6u * 3600000u);
    // A job followed to its end: the site's wait and half a minute more.
    EXPECT_EQ(sw::OutcomeWaitMs(100, 1, 300), 120000u + 300000u + 30000u);
    EXPECT_EQ(sw::OutcomeWaitMs(100, 1, 0), 120000u) << "sent once the site took it";
    EXPECT_EQ(sw::OutcomeWaitMs(100, 1, 3600), 120000u + 3600000u + 30000u);
    EXPECT_EQ(sw::OutcomeWaitMs(100, 300, 3600), 6u * 3600000u);
}

} // namespace
