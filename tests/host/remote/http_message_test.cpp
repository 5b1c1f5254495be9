#include "remote/http_message.h"

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;

TEST(HttpMessage, PostHeadAsksForAChunkedIppBodyAndAClose) {
    EXPECT_EQ(sw::IppPostHead("127.0.0.1:8631", "/printers/q"), "POST /printers/q HTTP/1.1\r\n"
                                                                "Host: 127.0.0.1:8631\r\n"
                                                                "Content-Type: application/ipp\r\n"
                                                                "Transfer-Encoding: chunked\r\n"
                                                                "Connection: close\r\n\r\n");
}

TEST(HttpMessage, ChunksCarryTheirLengthInHex) {
    EXPECT_EQ(sw::BodyChunk("abc"), "3\r\nabc\r\n");
    EXPECT_EQ(sw::BodyChunk(std::string(5000, 'x')), "1388\r\n" + std::string(5000, 'x') + "\r\n");
    EXPECT_EQ(sw::BodyChunk(""), "");
    EXPECT_EQ(sw::kLastChunk, "0\r\n\r\n");
}

TEST(HttpMessage, ResponsesByLengthChunksOrClose) {
    struct Case {
        std::string received;
        int status;
        std::string body;
    };
    const Case cases[] = {
        {"HTTP/1.1 200 OK\r\nContent-Length: 3\r\n\r\nabcdef", 200, "abc"},
        {"HTTP/1.1 200 OK\r\ncontent-length:0\r\n\r\n", 200, ""},
        {"HTTP/1.0 404 Not Found\r\n\r\nrest", 404, "rest"},
        {"HTTP/1.1 200\r\n\r\n", 200, ""},
        {"HTTP/1.1 200 OK\r\nTransfer-Encoding: "
         "chunked\r\n\r\n3\r\nabc\r\n2;x=y\r\nde\r\n0\r\n\r\n",
         200, "abcde"},
        {"HTTP/1.1 200 OK\r\ntransfer-encoding:  Chunked \r\n\r\nA\r\n0123456789\r\n0\r\n", 200,
         "0123456789"},
        {"HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok", 200, "ok"},
        {"HTTP/1.1 200 OK\r\nContent-Length: 4\r\n\r\n\x00\x01\x02\x03"s, 200, "\x00\x01\x02\x03"s},
    };
    for (const Case& c : cases) {
        const auto response = sw::ParseHttpResponse(c.received);
        ASSERT_TRUE(response) << c.received;
        EXPECT_EQ(response->status, c.status) << c.received;
        EXPECT_EQ(response->body, c.body) << c.received;
    }
}

TEST(HttpMessage, MalformedResponsesParseToNothing) {
    const std::string cases[] = {
        "",
        "HTTP/1.1 200 OK\r\n",                                          // head not ended
        "SMTP/1.1 200 OK\r\n\r\n",                                      // not HTTP
        "HTTP/1.1 2x0 OK\r\n\r\n",                                      // bad code
        "HTTP/1.1 099 Low\r\n\r\n",                                     // no such code
        "HTTP/1.1 200OK\r\n\r\n",                                       // no blank after code
        "HTTP/1.1 200 OK\r\nno colon\r\n\r\n",                          // bad header
        "HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\nshort",           // cut short
        "HTTP/1.1 200 OK\r\nContent-Length: -1\r\n\r\n",                // bad length
        "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nab", // chunk cut short
        "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nzz\r\n",  // bad chunk size
        "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n2\r\nabc\r\n0\r\n\r\n", // no CR LF
        "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nffffffffffffffff\r\n",
        "HTTP/1.1 100 Continue\r\n\r\n", // only the interim answer
    };
    for (const std::string& received : cases)
        EXPECT_FALSE(sw::ParseHttpResponse(received)) << received;
}

} // namespace
