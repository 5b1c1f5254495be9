#include "remote/ipp_message.h"

#include <cstdio>

namespace sw {
namespace {

constexpr std::uint8_t kVersionMajor = 1;
constexpr std::uint8_t kVersionMinor = 1;

void AppendUint16(std::string& bytes, std::size_t value) {
    bytes += static_cast<char>((value >> 8) & 0xFF);
    bytes += static_cast<char>(value & 0xFF);
}

void AppendUint32(std::string& bytes, std::uint32_t value) {
    AppendUint16(bytes, value >> 16);
    AppendUint16(bytes, value & 0xFFFF);
}

void AppendCounted(std::string& bytes, std::string_view text) {
    const std::string_view cut = text.substr(0, ipp::kValueLimit);
    AppendUint16(bytes, cut.size());
    bytes.append(cut.data(), cut.size());
}

// Reads big-endian numbers and counted strings, and remembers the first
// attempt to read past the end.
class Reader {
  public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}

    bool Failed() const { return failed_; }
    bool AtEnd() const { return position_ >= bytes_.size(); }

    std::uint32_t Number(std::size_t width) {
        if (bytes_.size() - position_ < width) {
            failed_ = true;
            position_ = bytes_.size();
            return 0;
        }
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < width; ++i)
            value = (value << 8) | static_cast<unsigned char>(bytes_[position_++]);
        return value;
    }

    std::string Counted() {
        const std::size_t length = Number(2);
        if (failed_ || bytes_.size() - position_ < length) {
            failed_ = true;
            position_ = bytes_.size();
            return std::string();
        }
        std::string text(bytes_.substr(position_, length));
        position_ += length;
        return text;
    }

  private:
    std::string_view bytes_;
    std::size_t position_ = 0;
    bool failed_ = false;
};

} // namespace

IppRequest::IppRequest(std::uint16_t operation, std::uint32_t requestId) {
    bytes_ += static_cast<char>(kVersionMajor);
    bytes_ += static_cast<char>(kVersionMinor);
    AppendUint16(bytes_, operation);
    AppendUint32(bytes_, requestId);
}

IppRequest& IppRequest::Group(std::uint8_t delimiter) {
    bytes_ += static_cast<char>(delimiter);
    return *this;
}

IppRequest& IppRequest::Add(std::uint8_t tag, std::string_view name, std::string_view value) {
    bytes_ += static_cast<char>(tag);
    AppendCounted(bytes_, name);
    AppendCounted(bytes_, value);
    return *this;
}

IppRequest& IppRequest::AddValue(std::uint8_t tag, std::string_view value) {
    return Add(tag, std::string_view(), value);
}

IppRequest& IppRequest::AddInteger(std::uint8_t tag, std::string_view name, std::int32_t value) {
    std::string number;
    AppendUint32(number, static_cast<std::uint32_t>(value));
    return Add(tag, name, number);
}

std::string IppRequest::Bytes() const {
    return bytes_ + static_cast<char>(ipp::kEndOfAttributes);
}

std::optional<IppResponse> DecodeIpp(std::string_view bytes) {
    Reader reader(bytes);
    IppResponse response;
    response.majorVersion = static_cast<std::uint8_t>(reader.Number(1));
    response.minorVersion = static_cast<std::uint8_t>(reader.Number(1));
    response.status = static_cast<std::uint16_t>(reader.Number(2));
    response.requestId = reader.Number(4);
    std::uint8_t group = 0;
    std::size_t groupNumber = 0;
    while (!reader.Failed()) {
        if (reader.AtEnd())
            return std::nullopt; // no end-of-attributes tag
        const auto tag = static_cast<std::uint8_t>(reader.Number(1));
        if (tag == ipp::kEndOfAttributes)
            return response;
        if (tag < 0x10) {
            group = tag;
            ++groupNumber;
            continue;
        }
        std::string name = reader.Counted();
        std::string value = reader.Counted();
        if (reader.Failed())
            break;
        if (name.empty()) {
            // An additional value of the attribute before it.
            if (response.attributes.empty() || group == 0)
                return std::nullopt;
            response.attributes.back().values.push_back(std::move(value));
            continue;
        }
        if (group == 0)
            return std::nullopt; // an attribute outside any group
        IppAttribute attribute;
        attribute.group = group;
        attribute.groupNumber = groupNumber;
        attribute.tag = tag;
        attribute.name = std::move(name);
        attribute.values.push_back(std::move(value));
        response.attributes.push_back(std::move(attribute));
    }
    return std::nullopt;
}

bool IsSuccessfulStatus(std::uint16_t status) {
    return status < 0x0100;
}

std::string AttributeText(const IppResponse& response, std::uint8_t group, std::string_view name) {
    for (const IppAttribute& attribute : response.attributes) {
        if (attribute.group == group && attribute.name == name && !attribute.values.empty())
            return attribute.values.front();
    }
    return std::string();
}

std::int32_t IntegerValue(std::string_view value) {
    if (value.size() != 4)
        return 0;
    std::uint32_t number = 0;
    for (char c : value)
        number = (number << 8) | static_cast<unsigned char>(c);
    return static_cast<std::int32_t>(number);
}

std::vector<std::string> PrinterNames(const IppResponse& response) {
    std::vector<std::string> names;
    for (const IppAttribute& attribute : response.attributes) {
        if (attribute.group == ipp::kPrinterGroup && attribute.name == "printer-name")
            names.insert(names.end(), attribute.values.begin(), attribute.values.end());
    }
    return names;
}

std::string StatusName(std::uint16_t status) {
    struct Known {
        std::uint16_t code;
        const char* name;
    };
    static const Known kKnown[] = {
        {0x0000, "successful-ok"},
        {0x0001, "successful-ok-ignored-or-substituted-attributes"},
        {0x0400, "client-error-bad-request"},
        {0x0401, "client-error-forbidden"},
        {0x0402, "client-error-not-authenticated"},
        {0x0403, "client-error-not-authorized"},
        {0x0404, "client-error-not-possible"},
        {0x0406, "client-error-not-found"},
        {0x040A, "client-error-document-format-not-supported"},
        {0x040B, "client-error-attributes-or-values-not-supported"},
        {0x0500, "server-error-internal-error"},
        {0x0501, "server-error-operation-not-supported"},
        {0x0503, "server-error-version-not-supported"},
        {0x0506, "server-error-not-accepting-jobs"},
        {0x0507, "server-error-busy"},
    };
    for (const Known& known : kKnown) {
        if (known.code == status)
            return known.name;
    }
    return IsSuccessfulStatus(status) ? "successful" : "error";
}

std::string DescribeFailure(const IppResponse& response) {
    char code[16];
    std::snprintf(code, sizeof(code), "0x%04X", static_cast<unsigned>(response.status));
    std::string text = AttributeText(response, ipp::kOperationGroup, "status-message");
    if (text.empty())
        text = StatusName(response.status);
    return text + " (" + code + ")";
}

} // namespace sw
