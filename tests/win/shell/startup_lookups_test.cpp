// The start-up's lookups of what the command line names: files, found with
// the real directory search, and the print server's installed printers.
#include "shell/startup_lookups.h"
#include "support/temp_files.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(StartupLookups, FileExistsFindsFilesOnly) {
    swtest::TempFile file("x", ".txt");
    EXPECT_TRUE(sw::FileExists(file.Path()));
    EXPECT_FALSE(sw::FileExists(file.Path() + ".missing"));
    const std::string folder = file.Path().substr(0, file.Path().rfind('\\'));
    EXPECT_FALSE(sw::FileExists(folder)) << "a folder is not a file";
    EXPECT_TRUE(sw::FileExists(folder + "\\*.txt")) << "wild cards search";
    EXPECT_FALSE(sw::FileExists(""));
    EXPECT_FALSE(sw::FileExists(std::string("a\0b", 3)));
}

TEST(StartupLookups, InstalledPrinterNamesMatchExactlyWithCase) {
    EXPECT_TRUE(sw::IsInstalledPrinter("sw_raw"));
    EXPECT_TRUE(sw::IsInstalledPrinter("sw_second"));
    EXPECT_TRUE(
        sw::IsInstalledPrinter("sw_long_name_queue_0123456789_0123456789_0123456789_0123456"));
    EXPECT_FALSE(sw::IsInstalledPrinter("SW_RAW"));
    EXPECT_FALSE(sw::IsInstalledPrinter("sw_ra"));
    EXPECT_FALSE(sw::IsInstalledPrinter("sw_raw "));
    EXPECT_FALSE(sw::IsInstalledPrinter(""));
    EXPECT_FALSE(sw::IsInstalledPrinter("Remote:sw_raw"));
}

} // namespace
