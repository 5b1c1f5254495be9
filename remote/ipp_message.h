// Internet Printing Protocol messages in their binary encoding: the requests
// the companion sends (Print-Job, CUPS-Get-Printers) and the decoding of a
// print server's response. Portable: no sockets here.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sw {

namespace ipp {
// Operations.
inline constexpr std::uint16_t kPrintJob = 0x0002;
inline constexpr std::uint16_t kValidateJob = 0x0004;
inline constexpr std::uint16_t kGetJobAttributes = 0x0009;
inline constexpr std::uint16_t kGetPrinterAttributes = 0x000B;
inline constexpr std::uint16_t kCupsGetPrinters = 0x4002;
// Delimiters that open an attribute group, and the end of the attributes.
inline constexpr std::uint8_t kOperationGroup = 0x01;
inline constexpr std::uint8_t kJobGroup = 0x02;
inline constexpr std::uint8_t kEndOfAttributes = 0x03;
inline constexpr std::uint8_t kPrinterGroup = 0x04;
inline constexpr std::uint8_t kUnsupportedGroup = 0x05;
// Value tags.
inline constexpr std::uint8_t kInteger = 0x21;
inline constexpr std::uint8_t kBoolean = 0x22;
inline constexpr std::uint8_t kEnum = 0x23;
inline constexpr std::uint8_t kText = 0x41;
inline constexpr std::uint8_t kName = 0x42;
inline constexpr std::uint8_t kKeyword = 0x44;
inline constexpr std::uint8_t kUri = 0x45;
inline constexpr std::uint8_t kCharset = 0x47;
inline constexpr std::uint8_t kNaturalLanguage = 0x48;
inline constexpr std::uint8_t kMimeMediaType = 0x49;
// The largest name or value one attribute can carry (a 16-bit length).
inline constexpr std::size_t kValueLimit = 0xFFFF;
} // namespace ipp

// Builds a request: the header, then groups of attributes in the order added.
// Names and values longer than ipp::kValueLimit are cut to it.
class IppRequest {
  public:
    IppRequest(std::uint16_t operation, std::uint32_t requestId);

    // Opens a group (ipp::kOperationGroup, ipp::kJobGroup).
    IppRequest& Group(std::uint8_t delimiter);
    IppRequest& Add(std::uint8_t tag, std::string_view name, std::string_view value);
    // One more value of the attribute added last.
    IppRequest& AddValue(std::uint8_t tag, std::string_view value);
    IppRequest& AddInteger(std::uint8_t tag, std::string_view name, std::int32_t value);

    // The encoded request, end of attributes included; the document follows it.
    std::string Bytes() const;

  private:
    std::string bytes_;
};

struct IppAttribute {
    std::uint8_t group = 0; // the delimiter of the group it is in
    std::uint8_t tag = 0;   // the tag of its first value
    std::string name;
    std::vector<std::string> values; // raw value bytes, in order
    std::size_t groupNumber = 0;     // counts the groups from 1: tells two printers' groups apart
};

struct IppResponse {
    std::uint8_t majorVersion = 0;
    std::uint8_t minorVersion = 0;
    std::uint16_t status = 0;
    std::uint32_t requestId = 0;
    std::vector<IppAttribute> attributes;
};

// Decodes a response (or a request); nothing when the bytes are cut short, a
// value runs past the end, an additional value has no attribute before it, or
// the end-of-attributes tag is missing. Bytes after that tag are ignored.
std::optional<IppResponse> DecodeIpp(std::string_view bytes);

// Status codes below 0x0100 are the successful ones.
bool IsSuccessfulStatus(std::uint16_t status);

// The first value of the named attribute in the group; empty when missing.
std::string AttributeText(const IppResponse& response, std::uint8_t group, std::string_view name);

// The value of a 32-bit integer or enum (big-endian); 0 when not four bytes.
std::int32_t IntegerValue(std::string_view value);

// Every value of "printer-name" in the printer groups, in order.
std::vector<std::string> PrinterNames(const IppResponse& response);

// A short English text for a status code ("client-error-not-found").
std::string StatusName(std::uint16_t status);

// What the companion reports for a failed response: the server's
// status-message when it sent one, else the status name, with the code.
std::string DescribeFailure(const IppResponse& response);

} // namespace sw
