// The one handle guard releases what it holds when its scope ends, on every
// path, and leaves alone the values that hold nothing.
#include "common/handle_guard.h"
#include "support/temp_files.h"

#include <gtest/gtest.h>

namespace {

// Opened for writing and shared with nobody: a second open fails while it is.
HANDLE OpenAlone(const std::string& path) {
    return CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

TEST(HandleGuard, ClosesTheFileWhenItsScopeEnds) {
    const swtest::TempFile file("bytes");
    {
        const sw::FileHandle first(OpenAlone(file.Path()));
        ASSERT_TRUE(first.IsOpen());
        SetLastError(0xdeadbeef);
        const sw::FileHandle second(OpenAlone(file.Path()));
        EXPECT_FALSE(second.IsOpen());
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    }
    EXPECT_TRUE(sw::FileHandle(OpenAlone(file.Path())).IsOpen())
        << "the first guard closed its file";
}

TEST(HandleGuard, HandlesThatHoldNothingAreNotOpen) {
    EXPECT_FALSE(sw::FileHandle().IsOpen());
    EXPECT_FALSE(sw::FileHandle(INVALID_HANDLE_VALUE).IsOpen());
    EXPECT_FALSE(sw::FileHandle(nullptr).IsOpen());
}

TEST(HandleGuard, ReceivesAHandleFromACallThatOpensIt) {
    const swtest::TempFile file("bytes");
    sw::FileHandle guard;
    *guard.Receive() = OpenAlone(file.Path());
    EXPECT_TRUE(guard.IsOpen());
    EXPECT_EQ(*guard.Receive(), guard.Get());
}

} // namespace
