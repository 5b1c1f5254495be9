// How long the companion waits for a site at each step of one request, so
// that a site that accepts the connection and then never answers ends the
// request with a timeout within a known time. The limits are set by the
// program itself: the system's own defaults differ between Windows and Wine
// (Wine waits for an answer without end). Portable, so that the rule is
// unit-tested on the host.
#pragma once

#include <cstdint>
#include <string_view>

namespace sw {

// The settings file's entry for the wait for an answer, in seconds: key
// "Answer wait" in section "Remote sites" of "Spoolwright.ini".
inline constexpr std::string_view kRemoteSitesSection = "Remote sites";
inline constexpr std::string_view kAnswerWaitKey = "Answer wait";
inline constexpr std::uint32_t kDefaultAnswerWaitSeconds = 30;
inline constexpr std::uint32_t kLongestAnswerWaitSeconds = 3600;
// A document adds a second of waiting for every this many bytes: a site on a
// slow line still takes in a large job.
inline constexpr std::uint64_t kBytesPerExtraSecond = 128 * 1024;

struct RequestWaits {
    std::uint32_t resolveMs = 0; // finding the site's address
    std::uint32_t connectMs = 0; // the connection being accepted
    std::uint32_t sendMs = 0;    // each piece of the request being taken
    std::uint32_t answerMs = 0;  // the answer, from the end of the request
};

// The waits of a request whose body is `bodyBytes` long, for a site waited
// for `answerWaitSeconds` when a request carries no document.
RequestWaits RequestWaitsFor(std::uint64_t bodyBytes, std::uint32_t answerWaitSeconds);

// The seconds the settings entry gives: a whole number from 1 to
// kLongestAnswerWaitSeconds; anything else (missing, 0, not a number) is the
// default.
std::uint32_t AnswerWaitSeconds(std::string_view entry);

} // namespace sw
