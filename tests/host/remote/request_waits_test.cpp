#include "remote/request_waits.h"

#include <gtest/gtest.h>

namespace {

TEST(RequestWaits, AnswerWaitGrowsWithTheDocument) {
    struct Case {
        std::uint64_t bytes;
        std::uint32_t seconds;
        std::uint32_t connectMs, sendMs, answerMs;
    };
    const Case cases[] = {
        {300, 30, 10000, 30000, 30000},               // a request without a document
        {64 * 1024, 30, 10000, 30000, 30000},         // small bodies add nothing
        {10 * 1024 * 1024, 30, 10000, 30000, 110000}, // 10 MB: 80 s more
        {300, 2, 2000, 2000, 2000},                   // a short wait shortens the connect too
        {300, 0, 1000, 1000, 1000},                   // at least a second
        {~0ull, 30, 10000, 30000, 3600000},           // never past an hour
    };
    for (const Case& c : cases) {
        const sw::RequestWaits waits = sw::RequestWaitsFor(c.bytes, c.seconds);
        EXPECT_EQ(waits.connectMs, c.connectMs) << c.bytes << " " << c.seconds;
        EXPECT_EQ(waits.sendMs, c.sendMs) << c.bytes << " " << c.seconds;
        EXPECT_EQ(waits.answerMs, c.answerMs) << c.bytes << " " << c.seconds;
    }
}

TEST(RequestWaits, SettingEntryInWholeSeconds) {
    const std::pair<const char*, std::uint32_t> cases[] = {
        {"", 30},     {"5", 5},    {" 120 ", 120}, {"0", 30},
        {"3601", 30}, {"2.5", 30}, {"-4", 30},     {"99999999999", 30}};
    for (const auto& c : cases)
        EXPECT_EQ(sw::AnswerWaitSeconds(c.first), c.second) << c.first;
}

} // namespace
