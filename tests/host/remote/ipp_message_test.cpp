#include "remote/ipp_message.h"
#include "remote/ipp_requests.h"

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;

TEST(IppMessage, PrintJobRequestBytesAreTheWireEncoding) {
    const std::string bytes = sw::PrintJobRequest(
        {"ipp://h:631/printers/q", "ann", "Spoolwright: a.prn", "application/vnd.cups-raw"}, 7);
    const std::string expected = "\x01\x01\x00\x02\x00\x00\x00\x07"
                                 "\x01"
                                 "\x47\x00\x12"
                                 "attributes-charset\x00\x05utf-8"
                                 "\x48\x00\x1b"
                                 "attributes-natural-language\x00\x02"
                                 "en"
                                 "\x45\x00\x0bprinter-uri\x00\x16ipp://h:631/printers/q"
                                 "\x42\x00\x14requesting-user-name\x00\x03"
                                 "ann"
                                 "\x42\x00\x08job-name\x00\x12Spoolwright: a.prn"
                                 "\x49\x00\x0f"
                                 "document-format\x00\x18"
                                 "application/vnd.cups-raw"
                                 "\x03"s;
    EXPECT_EQ(bytes, expected);
}

TEST(IppMessage, RequestsDecodeToWhatWasAdded) {
    const auto decoded = sw::DecodeIpp(sw::GetPrintersRequest("bob", 0x01020304));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->majorVersion, 1);
    EXPECT_EQ(decoded->minorVersion, 1);
    EXPECT_EQ(decoded->status, sw::ipp::kCupsGetPrinters); // the operation's place
    EXPECT_EQ(decoded->requestId, 0x01020304u);
    ASSERT_EQ(decoded->attributes.size(), 4u);
    EXPECT_EQ(decoded->attributes[3].name, "requested-attributes");
    EXPECT_EQ(decoded->attributes[3].tag, sw::ipp::kKeyword);
    EXPECT_EQ(decoded->attributes[3].values,
              (std::vector<std::string>{"printer-name", "printer-state", "printer-state-reasons",
                                        "printer-state-message"}));
    EXPECT_EQ(sw::AttributeText(*decoded, sw::ipp::kOperationGroup, "requesting-user-name"), "bob");
}

TEST(IppMessage, GetPrinterAttributesAsksThePrinterItsNameStateAndFormats) {
    const auto decoded =
        sw::DecodeIpp(sw::GetPrinterAttributesRequest("ipp://127.0.0.1:8000/ipp/print", "ann", 5));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->status, sw::ipp::kGetPrinterAttributes);
    EXPECT_EQ(sw::AttributeText(*decoded, sw::ipp::kOperationGroup, "printer-uri"),
              "ipp://127.0.0.1:8000/ipp/print");
    ASSERT_EQ(decoded->attributes.size(), 5u);
    EXPECT_EQ(decoded->attributes[4].name, "requested-attributes");
    EXPECT_EQ(decoded->attributes[4].values.back(), "document-format-supported");
}

TEST(IppMessage, PrinterNamesComeFromEveryPrinterGroupWithAdditionalValues) {
    sw::IppRequest response(0x0000, 9);
    response.Group(sw::ipp::kOperationGroup)
        .Add(sw::ipp::kCharset, "attributes-charset", "utf-8")
        .Group(sw::ipp::kPrinterGroup)
        .Add(sw::ipp::kName, "printer-name", "laser")
        .AddInteger(sw::ipp::kEnum, "printer-state", 3)
        .Group(sw::ipp::kPrinterGroup)
        .Add(sw::ipp::kName, "printer-name", "plotter")
        .AddValue(sw::ipp::kName, "extra")
        .Group(sw::ipp::kJobGroup)
        .Add(sw::ipp::kName, "printer-name", "not a printer");
    const auto decoded = sw::DecodeIpp(response.Bytes() + "trailing document bytes");
    ASSERT_TRUE(decoded);
    EXPECT_TRUE(sw::IsSuccessfulStatus(decoded->status));
    EXPECT_EQ(sw::PrinterNames(*decoded), (std::vector<std::string>{"laser", "plotter", "extra"}));
    EXPECT_EQ(decoded->attributes[2].values[0], "\x00\x00\x00\x03"s);
    EXPECT_EQ(sw::IntegerValue(decoded->attributes[2].values[0]), 3);
    // Two printers' groups are told apart by their numbers.
    EXPECT_NE(decoded->attributes[1].groupNumber, decoded->attributes[3].groupNumber);
    EXPECT_EQ(decoded->attributes[1].groupNumber, decoded->attributes[2].groupNumber);
}

TEST(IppMessage, MalformedMessagesDecodeToNothing) {
    const std::string good = sw::GetPrintersRequest("u", 1);
    const std::string cases[] = {
        "",
        "\x01\x01\x00",
        good.substr(0, good.size() - 1),                               // no end-of-attributes tag
        good.substr(0, 20),                                            // cut inside an attribute
        "\x01\x01\x00\x00\x00\x00\x00\x01\x42\x00\x01n\x00\x01v\x03"s, // outside a group
        "\x01\x01\x00\x00\x00\x00\x00\x01\x01\x42\x00\x00\x00\x01v\x03"s, // lone extra value
        "\x01\x01\x00\x00\x00\x00\x00\x01\x01\x42\x00\x01n\xff\xff"s,     // value past the end
    };
    for (const std::string& bytes : cases)
        EXPECT_FALSE(sw::DecodeIpp(bytes)) << testing::PrintToString(bytes);
}

TEST(IppMessage, OverlongValuesAreCutToTheirSixteenBitLength) {
    sw::IppRequest request(sw::ipp::kPrintJob, 1);
    request.Group(sw::ipp::kOperationGroup)
        .Add(sw::ipp::kName, "job-name", std::string(70000, 'x'));
    const auto decoded = sw::DecodeIpp(request.Bytes());
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->attributes[0].values[0].size(), sw::ipp::kValueLimit);
}

TEST(IppMessage, FailuresAreDescribedByTheServersMessageOrTheStatusName) {
    sw::IppResponse response;
    response.status = 0x0406;
    EXPECT_FALSE(sw::IsSuccessfulStatus(response.status));
    EXPECT_EQ(sw::DescribeFailure(response), "client-error-not-found (0x0406)");
    response.attributes.push_back({sw::ipp::kOperationGroup,
                                   sw::ipp::kText,
                                   "status-message",
                                   {"The printer does not exist."}});
    EXPECT_EQ(sw::DescribeFailure(response), "The printer does not exist. (0x0406)");
    response.status = 0x0777;
    response.attributes.clear();
    EXPECT_EQ(sw::DescribeFailure(response), "error (0x0777)");
}

} // namespace
