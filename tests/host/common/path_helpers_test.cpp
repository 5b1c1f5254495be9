#include "common/path_helpers.h"

#include <gtest/gtest.h>

namespace {

struct PathCase {
    const char* path;
    const char* fileName;
    const char* folder;
    const char* extension;
};

const PathCase kPathCases[] = {
    {"C:\\a\\b.txt", "b.txt", "C:\\a\\", "txt"},
    {"C:\\a\\b\\", "", "C:\\a\\b\\", ""},
    {"report.prn", "report.prn", "", "prn"},
    {"C:report.prn", "C:report.prn", "", "prn"},
    {"C:\\dir.old\\readme", "readme", "C:\\dir.old\\", ""},
    {"archive.tar.gz", "archive.tar.gz", "", "gz"},
    {"C:\\out/sub/file.x", "out/sub/file.x", "C:\\", "x"},
    {"\\\\server\\share\\.profile", ".profile", "\\\\server\\share\\", "profile"},
    {"name.", "name.", "", ""},
    {"", "", "", ""},
    {"\\", "", "\\", ""},
};

TEST(PathHelpers, SplitsOnTheLastBackslashOnly) {
    for (const PathCase& c : kPathCases) {
        EXPECT_EQ(sw::FileNamePart(c.path), c.fileName) << "path: " << c.path;
        EXPECT_EQ(sw::FolderPart(c.path), c.folder) << "path: " << c.path;
        EXPECT_EQ(sw::ExtensionPart(c.path), c.extension) << "path: " << c.path;
    }
}

TEST(PathHelpers, AddTrailingBackslashLeavesEmptyAndTerminatedPathsAlone) {
    EXPECT_EQ(sw::AddTrailingBackslash("C:\\out"), "C:\\out\\");
    EXPECT_EQ(sw::AddTrailingBackslash("C:\\out\\"), "C:\\out\\");
    EXPECT_EQ(sw::AddTrailingBackslash("C:\\"), "C:\\");
    EXPECT_EQ(sw::AddTrailingBackslash("C:/out/"), "C:/out/\\");
    EXPECT_EQ(sw::AddTrailingBackslash(""), "");
}

TEST(PathHelpers, BitmapFileIsTheExtensionBmpInAnyCaseWithoutOuterSpaces) {
    EXPECT_TRUE(sw::IsBitmapFile("C:\\photo.bmp"));
    EXPECT_TRUE(sw::IsBitmapFile(" C:\\PHOTO.BMP "));
    EXPECT_TRUE(sw::IsBitmapFile("scan.Bmp"));
    EXPECT_FALSE(sw::IsBitmapFile("C:\\photo.bmp.prn"));
    EXPECT_FALSE(sw::IsBitmapFile("C:\\dir.bmp\\noextension"));
    EXPECT_FALSE(sw::IsBitmapFile("C:\\bmp"));
    EXPECT_FALSE(sw::IsBitmapFile("C:\\photo.bmp\t"));
    EXPECT_FALSE(sw::IsBitmapFile(""));
}

} // namespace
