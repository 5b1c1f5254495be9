#include "remote/remote_failure_codes.h"

#include <gtest/gtest.h>

namespace {

TEST(RemoteFailureCodes, AnswersOfTheSiteAsSystemCodes) {
    EXPECT_EQ(sw::CodeOfHttpStatus(404), 1801); // no such printer resource
    EXPECT_EQ(sw::CodeOfHttpStatus(500), 59);
    EXPECT_EQ(sw::CodeOfHttpStatus(403), 59);
    const std::pair<std::uint16_t, std::int32_t> refusals[] = {
        {0x0406, 1801}, // client-error-not-found: no such queue
        {0x0507, 170},  // server-error-busy
        {0x040A, 50},   // client-error-document-format-not-supported
        {0x0506, 50},   // server-error-not-accepting-jobs
    };
    for (const auto& refusal : refusals)
        EXPECT_EQ(sw::CodeOfIppRefusal(refusal.first), refusal.second) << refusal.first;
}

} // namespace
