#include "remote/http_message.h"

#include <cstdint>

namespace sw {
namespace {

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// A number of at most 15 digits in the given base; nothing for anything else.
std::optional<std::uint64_t> ParseNumber(std::string_view text, unsigned base) {
    if (text.empty() || text.size() > 15)
        return std::nullopt;
    std::uint64_t value = 0;
    for (char c : text) {
        unsigned digit;
        if (c >= '0' && c <= '9')
            digit = static_cast<unsigned>(c - '0');
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = static_cast<unsigned>(c - 'a' + 10);
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = static_cast<unsigned>(c - 'A' + 10);
        else
            return std::nullopt;
        value = value * base + digit;
    }
    return value;
}

std::optional<std::string> DecodeChunks(std::string_view body) {
    std::string decoded;
    for (;;) {
        const std::size_t lineEnd = body.find("\r\n");
        if (lineEnd == std::string_view::npos)
            return std::nullopt;
        // Chunk extensions after ';' are allowed and ignored.
        std::string_view sizeText = body.substr(0, lineEnd);
        sizeText = TrimBlanks(sizeText.substr(0, sizeText.find(';')));
        const std::optional<std::uint64_t> size = ParseNumber(sizeText, 16);
        if (!size)
            return std::nullopt;
        body.remove_prefix(lineEnd + 2);
        if (*size == 0)
            return decoded; // trailers, if any, are not needed
        if (body.size() < *size + 2 || body.substr(*size, 2) != "\r\n")
            return std::nullopt;
        decoded.append(body.data(), static_cast<std::size_t>(*size));
        body.remove_prefix(static_cast<std::size_t>(*size) + 2);
    }
}

} // namespace

std::string IppPostHead(std::string_view hostAndPort, std::string_view resource) {
    return "POST " + std::string(resource) +
           " HTTP/1.1\r\n"
           "Host: " +
           std::string(hostAndPort) +
           "\r\n"
           "Content-Type: application/ipp\r\n"
           "Transfer-Encoding: chunked\r\n"
           "Connection: close\r\n"
           "\r\n";
}

std::string BodyChunk(std::string_view bytes) {
    if (bytes.empty())
        return std::string();
    static const char kHex[] = "0123456789abcdef";
    std::string size;
    for (std::size_t n = bytes.size(); n != 0; n >>= 4)
        size.insert(size.begin(), kHex[n & 0xF]);
    std::string chunk = size + "\r\n";
    chunk.append(bytes.data(), bytes.size());
    return chunk + "\r\n";
}

std::optional<HttpResponse> ParseHttpResponse(std::string_view received) {
    for (;;) {
        const std::size_t headEnd = received.find("\r\n\r\n");
        if (headEnd == std::string_view::npos)
            return std::nullopt;
        const std::string_view head = received.substr(0, headEnd);
        std::string_view body = received.substr(headEnd + 4);

        const std::size_t statusEnd = head.find("\r\n");
        const std::string_view statusLine = head.substr(0, statusEnd);
        if (statusLine.size() < 12 || statusLine.substr(0, 7) != "HTTP/1." ||
            statusLine[8] != ' ' || (statusLine.size() > 12 && statusLine[12] != ' '))
            return std::nullopt;
        const std::optional<std::uint64_t> status = ParseNumber(statusLine.substr(9, 3), 10);
        if (!status || *status < 100)
            return std::nullopt;
        if (*status < 200) {
            received = body; // an interim response; the real one follows
            continue;
        }

        bool chunked = false;
        std::optional<std::uint64_t> length;
        std::string_view headers =
            statusEnd == std::string_view::npos ? std::string_view() : head.substr(statusEnd + 2);
        while (!headers.empty()) {
            const std::size_t lineEnd = headers.find("\r\n");
            const std::string_view line = headers.substr(0, lineEnd);
            headers = lineEnd == std::string_view::npos ? std::string_view()
                                                        : headers.substr(lineEnd + 2);
            const std::size_t colon = line.find(':');
            if (colon == std::string_view::npos)
                return std::nullopt;
            const std::string_view name = TrimBlanks(line.substr(0, colon));
            const std::string_view value = TrimBlanks(line.substr(colon + 1));
            if (EqualsIgnoringCase(name, "Transfer-Encoding")) {
                chunked = EqualsIgnoringCase(value, "chunked");
            } else if (EqualsIgnoringCase(name, "Content-Length")) {
                length = ParseNumber(value, 10);
                if (!length)
                    return std::nullopt;
            }
        }

        HttpResponse response;
        response.status = static_cast<int>(*status);
        if (chunked) {
            std::optional<std::string> decoded = DecodeChunks(body);
            if (!decoded)
                return std::nullopt;
            response.body = std::move(*decoded);
        } else if (length) {
            if (body.size() < *length)
                return std::nullopt;
            response.body = std::string(body.substr(0, static_cast<std::size_t>(*length)));
        } else {
            response.body = std::string(body);
        }
        return response;
    }
}

} // namespace sw
