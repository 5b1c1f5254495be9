// The HTTP/1.1 framing that carries IPP to a print server: the head of a
// POST, the chunks of a body whose length is not known in advance, and the
// parse of the response. Portable: the companion's socket code sends and
// receives the bytes.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace sw {

// The head of a POST of application/ipp to `resource` on `hostAndPort`. The
// body follows in chunks; the server closes the connection after answering.
std::string IppPostHead(std::string_view hostAndPort, std::string_view resource);

// One chunk of a chunked body: the length in hexadecimal, CR LF, the bytes,
// CR LF. An empty piece gives no chunk (an empty chunk ends the body).
std::string BodyChunk(std::string_view bytes);

// The chunk that ends a chunked body.
inline constexpr std::string_view kLastChunk = "0\r\n\r\n";

struct HttpResponse {
    int status = 0;
    std::string body;
};

// Parses a whole response as received until the server closed the
// connection: interim 1xx responses are skipped, the body is taken by
// chunks, by Content-Length, or up to the end. Nothing when the status line
// or the framing is malformed or the body is cut short.
std::optional<HttpResponse> ParseHttpResponse(std::string_view received);

} // namespace sw
