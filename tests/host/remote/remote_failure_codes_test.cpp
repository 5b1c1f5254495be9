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

// A job the site took ends with a code of its own for each way it did not
// print; none is a code of a job that was not sent.
TEST(RemoteFailureCodes, EachEndOfAJobHasItsOwnCode) {
    EXPECT_EQ(sw::kJobCancelledCode, 63);
    EXPECT_EQ(sw::kJobAbortedCode, 995);
    EXPECT_EQ(sw::kJobNotEndedCode, 258);
    const std::int32_t others[] = {sw::kSignInNotSentCode,
                                   sw::kJobRefusedCode,
                                   sw::kUnexpectedAnswerCode,
                                   sw::kPrinterBusyCode,
                                   sw::kJobTooLargeCode,
                                   sw::kNoSignInStoredCode,
                                   sw::kSignInRefusedCode,
                                   sw::kNoSuchRemotePrinterCode,
                                   1223 /* a sign-in asked for and not given */};
    for (std::int32_t code : others) {
        EXPECT_NE(code, sw::kJobCancelledCode);
        EXPECT_NE(code, sw::kJobAbortedCode);
        EXPECT_NE(code, sw::kJobNotEndedCode);
    }
}

} // namespace
