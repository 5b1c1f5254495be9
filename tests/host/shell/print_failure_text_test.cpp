#include "shell/print_failure_text.h"

#include <gtest/gtest.h>

namespace {

TEST(PrintFailureText, NamesFileAndPrinterThenTheSystemsMessageAndCode) {
    EXPECT_EQ(sw::PrintFailureText("C:\\jobs\\report.prn", "Laser", 2,
                                   "The system cannot find the file specified.\r\n"),
              "\"C:\\jobs\\report.prn\" was not printed on \"Laser\".\n\n"
              "The system cannot find the file specified. (error 2)");
    EXPECT_EQ(sw::PrintFailureText("a.bmp", "site:ink", 1801, "Invalid printer name. \n"),
              "\"a.bmp\" was not printed on \"site:ink\".\n\nInvalid printer name. (error 1801)");
}

TEST(PrintFailureText, CodeAloneWhenTheSystemHasNoMessage) {
    EXPECT_EQ(sw::PrintFailureText("a.prn", "Laser", 222, ""),
              "\"a.prn\" was not printed on \"Laser\".\n\nError 222.");
    EXPECT_EQ(sw::PrintFailureText("a.prn", "Laser", 222, "\r\n"),
              "\"a.prn\" was not printed on \"Laser\".\n\nError 222.");
}

} // namespace
