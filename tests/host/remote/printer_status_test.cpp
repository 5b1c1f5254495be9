#include "remote/printer_status.h"

#include "remote/ipp_requests.h"

#include <gtest/gtest.h>

namespace {

using sw::RemotePrintMethod;

TEST(PrinterStatus, OneEntryPerPrinterGroup) {
    sw::IppRequest response(0x0000, 3);
    response.Group(sw::ipp::kOperationGroup)
        .Add(sw::ipp::kCharset, "attributes-charset", "utf-8")
        .Group(sw::ipp::kPrinterGroup)
        .Add(sw::ipp::kName, "printer-name", "laser")
        .AddInteger(sw::ipp::kEnum, "printer-state", 5)
        .Add(sw::ipp::kKeyword, "printer-state-reasons", "media-empty-error")
        .AddValue(sw::ipp::kKeyword, "paused")
        .Add(sw::ipp::kText, "printer-state-message", "Out of paper")
        .Add(sw::ipp::kMimeMediaType, "document-format-supported", "application/pdf")
        .AddValue(sw::ipp::kMimeMediaType, "application/octet-stream")
        .Group(sw::ipp::kPrinterGroup)
        .Add(sw::ipp::kName, "printer-name", "plotter")
        .AddInteger(sw::ipp::kEnum, "printer-state", 3)
        .Add(sw::ipp::kKeyword, "printer-state-reasons", "none")
        .Group(sw::ipp::kPrinterGroup)
        .AddInteger(sw::ipp::kEnum, "printer-state", 4); // no name: left out
    const auto decoded = sw::DecodeIpp(response.Bytes());
    ASSERT_TRUE(decoded);
    const std::vector<sw::PrinterStatus> printers = sw::PrinterStatuses(*decoded);
    ASSERT_EQ(printers.size(), 2u);
    EXPECT_EQ(printers[0].name, "laser");
    EXPECT_EQ(sw::DescribePrinterState(printers[0]),
              "stopped (media-empty-error, paused): Out of paper");
    EXPECT_EQ(printers[0].formats,
              (std::vector<std::string>{"application/pdf", "application/octet-stream"}));
    EXPECT_EQ(printers[1].name, "plotter");
    EXPECT_EQ(sw::DescribePrinterState(printers[1]), "idle");
    EXPECT_TRUE(printers[1].formats.empty());
}

TEST(PrinterStatus, StatesAsShown) {
    sw::PrinterStatus status;
    EXPECT_EQ(sw::DescribePrinterState(status), "in an unknown state");
    status.state = sw::kPrinterProcessing;
    status.reasons = {"none"};
    EXPECT_EQ(sw::DescribePrinterState(status), "processing");
    status.message = "Processing.";
    EXPECT_EQ(sw::DescribePrinterState(status), "processing") << "the message only repeats it";
    status.message = "Printing page 2";
    EXPECT_EQ(sw::DescribePrinterState(status), "processing: Printing page 2");
}

TEST(PrinterStatus, PrinterLanguageFromTheFirstBytes) {
    struct Case {
        std::string bytes;
        const char* format;
    };
    const Case cases[] = {
        {"\x1B&l1Oline", "application/vnd.hp-pcl"},
        {"\x1B%-12345X@PJL", "application/vnd.hp-pcl"},
        {"%!PS-Adobe-3.0", "application/postscript"},
        {"%PDF-1.7", "application/pdf"},
        {"line 1\r\n\tline 2\f", "text/plain"},
        {std::string("BM\x00\x01", 4), ""},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(sw::SniffDocumentFormat(c.bytes), c.format) << c.bytes;
}

TEST(PrinterStatus, DocumentFormatFromThoseThePrinterTakes) {
    struct Case {
        RemotePrintMethod method;
        std::vector<std::string> supported;
        const char* sniffed;
        const char* chosen; // nullptr: refused
    };
    const RemotePrintMethod bypass = RemotePrintMethod::Bypass, bitmap = RemotePrintMethod::Bitmap,
                            document = RemotePrintMethod::Document;
    const char pdf[] = "application/pdf", pcl[] = "application/vnd.hp-pcl",
               raw[] = "application/vnd.cups-raw", octets[] = "application/octet-stream",
               pwg[] = "image/pwg-raster", text[] = "text/plain";
    const std::vector<std::string> everywhere = {pdf, pwg, pcl, octets, text};
    const Case cases[] = {
        {bypass, {pdf, raw, octets}, pcl, raw},
        {bypass, everywhere, pcl, pcl},
        {bypass, everywhere, text, text},
        {bypass, everywhere, "application/postscript", octets},
        {bypass, everywhere, "", octets},
        {bypass, {pwg, pcl}, pcl, pcl},
        {bypass, {pwg, pcl}, text, nullptr},
        {bypass, {pdf, "image/urf"}, "", nullptr},
        {bypass, {}, text, raw},
        {bitmap, {"image/bmp", octets}, "", "image/bmp"},
        {bitmap, {octets}, "", octets},
        {bitmap, {pdf}, "", nullptr},
        {document, {pdf, octets}, "", octets},
        {document, {pdf}, "", nullptr},
    };
    for (const Case& c : cases) {
        const auto chosen = sw::ChooseDocumentFormat(c.method, c.supported, c.sniffed);
        if (c.chosen == nullptr) {
            EXPECT_FALSE(chosen) << *chosen;
            continue;
        }
        ASSERT_TRUE(chosen) << sw::FormatList(c.supported);
        EXPECT_EQ(*chosen, c.chosen);
    }
}

} // namespace
