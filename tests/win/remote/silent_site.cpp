#include "silent_site.h"

#include <cstdlib>

namespace swtest {
namespace {

void AddAttribute(std::string& ipp, char tag, const std::string& name, const std::string& value) {
    ipp += tag;
    for (const std::string* text : {&name, &value}) {
        ipp += static_cast<char>(text->size() >> 8);
        ipp += static_cast<char>(text->size() & 0xFF);
        ipp += *text;
    }
}

// Reads the request whole (its headers and Content-Length bytes), then
// answers it with the listing of one queue.
void AnswerListing(SOCKET connection) {
    std::string request;
    char buffer[4096];
    for (;;) {
        const std::size_t headersEnd = request.find("\r\n\r\n");
        if (headersEnd != std::string::npos) {
            const std::size_t length = request.find("Content-Length:");
            const std::size_t body =
                length == std::string::npos ? 0 : std::strtoul(&request[length + 15], nullptr, 10);
            if (request.size() >= headersEnd + 4 + body)
                break;
        }
        const int got = recv(connection, buffer, sizeof(buffer), 0);
        if (got <= 0)
            return;
        request.append(buffer, static_cast<std::size_t>(got));
    }
    std::string ipp("\x01\x01\x00\x00\x00\x00\x00\x01\x01", 9);
    AddAttribute(ipp, '\x47', "attributes-charset", "utf-8");
    AddAttribute(ipp, '\x48', "attributes-natural-language", "en");
    ipp += '\x04';
    AddAttribute(ipp, '\x42', "printer-name", "sw_silent");
    ipp += '\x03';
    const std::string answer =
        "HTTP/1.1 200 OK\r\nContent-Type: application/ipp\r\nContent-Length: " +
        std::to_string(ipp.size()) + "\r\nConnection: close\r\n\r\n" + ipp;
    send(connection, answer.data(), static_cast<int>(answer.size()), 0);
    shutdown(connection, SD_SEND);
}

} // namespace

SilentSite::SilentSite(bool listsItsQueue) : listsItsQueue_(listsItsQueue) {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int size = sizeof(address);
    if (bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0 &&
        listen(listener_, 8) == 0 &&
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size) == 0)
        port_ = ntohs(address.sin_port);
    thread_ = CreateThread(nullptr, 0, Serve, this, 0, nullptr);
}

SilentSite::~SilentSite() {
    closesocket(listener_); // ends the serving thread's accept
    if (thread_ != nullptr) {
        WaitForSingleObject(thread_, 10000);
        CloseHandle(thread_);
    }
    for (SOCKET connection : held_)
        closesocket(connection);
    WSACleanup();
}

std::string SilentSite::Address() const {
    return "127.0.0.1:" + std::to_string(port_);
}

DWORD WINAPI SilentSite::Serve(LPVOID self) {
    auto* site = static_cast<SilentSite*>(self);
    for (bool first = true;; first = false) {
        const SOCKET connection = accept(site->listener_, nullptr, nullptr);
        if (connection == INVALID_SOCKET)
            return 0;
        if (first && site->listsItsQueue_) {
            AnswerListing(connection);
            closesocket(connection);
        } else {
            site->held_.push_back(connection);
        }
    }
}

} // namespace swtest
