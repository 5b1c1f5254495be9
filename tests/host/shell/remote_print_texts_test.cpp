#include "remote/companion_protocol.h"
#include "shell/remote_print_texts.h"

#include <gtest/gtest.h>

namespace {

TEST(RemotePrintTexts, PrintMethodFollowsTheExtension) {
    EXPECT_EQ(sw::PrintMethodText("C:\\photo.bmp"), "BMP");
    EXPECT_EQ(sw::PrintMethodText(" C:\\PHOTO.BMP "), "BMP");
    EXPECT_EQ(sw::PrintMethodText("C:\\report.rtf"), "DOC");
    EXPECT_EQ(sw::PrintMethodText("C:\\letter.Doc"), "DOC");
    EXPECT_EQ(sw::PrintMethodText("C:\\data.prn"), "BYPASS");
    EXPECT_EQ(sw::PrintMethodText("C:\\dir.bmp\\noextension"), "BYPASS");
}

TEST(RemotePrintTexts, PlacementGoesWithBitmapsAndDocNotRtf) {
    EXPECT_TRUE(sw::SendsBitmapPlacement("a.bmp"));
    EXPECT_TRUE(sw::SendsBitmapPlacement("photo.doc"));
    EXPECT_FALSE(sw::SendsBitmapPlacement("report.rtf"));
    EXPECT_FALSE(sw::SendsBitmapPlacement("data.prn"));
}

TEST(RemotePrintTexts, FlagsAndCounts) {
    EXPECT_EQ(sw::AutoFormfeedText(1), "-1");
    EXPECT_EQ(sw::AutoFormfeedText(-1), "-1");
    EXPECT_EQ(sw::AutoFormfeedText(0), "0");
    EXPECT_EQ(sw::CopiesText(3), "3");
    EXPECT_EQ(sw::CopiesText(0), "1");
    EXPECT_EQ(sw::CopiesText(-5), "1");
}

TEST(RemotePrintTexts, OrientationJoinsCodeAndSequences) {
    EXPECT_EQ(sw::OrientationText(-9, "L", "P"), "");
    EXPECT_EQ(sw::OrientationText(0, "\x1b&l1O", "\x1b&l0O"), "0|\x1b&l1O|\x1b&l0O");
    EXPECT_EQ(sw::OrientationText(1, "", ""), "1||");
}

TEST(RemotePrintTexts, MeasuresInShortestDecimal) {
    EXPECT_EQ(sw::MeasureText(1.5), "1.5");
    EXPECT_EQ(sw::MeasureText(2), "2");
    EXPECT_EQ(sw::MeasureText(0.25), "0.25");
    EXPECT_EQ(sw::MeasureText(-0.1), "-0.1");
    EXPECT_EQ(sw::MeasureText(1.0 / 3), "0.3333333333333333");
    EXPECT_EQ(sw::MeasureText(0.0 / 0.0 * 0), "0");
}

} // namespace
