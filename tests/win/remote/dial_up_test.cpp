// The dial-up wrappers: with no remote access library nothing is called;
// with a library loaded (a scripted stand-in) each function is looked up by
// name and given the records of the sizes the platform defines.
#include "remote/dial_up.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The record sizes the platform defines: the connection entry and the dial
// extensions hold handles, so they grow on 64-bit Windows.
const std::string kConnections = sizeof(void*) == 8 ? "EnumConnections size 424 bytes 42400\n"
                                                    : "EnumConnections size 412 bytes 41200\n";
const std::string kExtensions = sizeof(void*) == 8 ? "24" : "16";

using SetUpFn = void(WINAPI*)(int, int, DWORD, DWORD, DWORD);
using LogFn = const char*(WINAPI*)();

class DialUp : public testing::Test {
  protected:
    void SetUp() override {
        library_ = LoadLibraryA("fake_remote_access.dll");
        ASSERT_NE(library_, nullptr) << "error " << GetLastError();
        setUp_ = reinterpret_cast<SetUpFn>(
            reinterpret_cast<void*>(GetProcAddress(library_, "FakeRasSetUp")));
        log_ = reinterpret_cast<LogFn>(
            reinterpret_cast<void*>(GetProcAddress(library_, "FakeRasLog")));
        ASSERT_TRUE(setUp_ && log_);
    }
    void TearDown() override {
        if (library_ != nullptr)
            FreeLibrary(library_);
    }
    std::string Log() const { return log_(); }

    HMODULE library_ = nullptr;
    SetUpFn setUp_ = nullptr;
    LogFn log_ = nullptr;
};

TEST(DialUpWithoutLibrary, EveryWrapperDoesNothing) {
    const HMODULE library = nullptr;
    ASSERT_EQ(sw::DialUpState().library, library) << "the program starts without dial-up";
    EXPECT_EQ(sw::IsDialUpConnected(library), 0);
    EXPECT_EQ(sw::DialFirstEntry(library), nullptr);
    EXPECT_EQ(sw::DialEntry(library, 1), nullptr);
    sw::HangUpAndWait(library, reinterpret_cast<HANDLE>(0x100));
    EXPECT_EQ(sw::HangUpConnections(library, ""), 1002u) << "no connection to hang up";
}

TEST_F(DialUp, AnActiveConnectionCountsAsConnected) {
    setUp_(1, 0, 0, 0x2000, 0);
    EXPECT_EQ(sw::IsDialUpConnected(library_), 1);
    EXPECT_EQ(Log(), kConnections);
    setUp_(0, 0, 0, 0x2000, 0);
    EXPECT_EQ(sw::IsDialUpConnected(library_), 0);
}

TEST_F(DialUp, DialingTheFirstEntryUsesItsTrimmedNameAndWaitsForTheConnection) {
    setUp_(0, 2, 0, 0x2000, 0);
    EXPECT_EQ(sw::DialFirstEntry(library_), reinterpret_cast<HANDLE>(0x200));
    EXPECT_EQ(Log(), "EnumEntries size 264 bytes 264\n"
                     "EnumEntries size 264 bytes 26400\n"
                     "GetEntryDialParams size 1052 entry 'Entry 1'\n"
                     "Dial extensions " +
                         kExtensions +
                         " parameters 1052 notifier 0 none\n"
                         "GetConnectStatus size 160 handle 512\n");
}

TEST_F(DialUp, AnEntryOutsideThePhonebookDialsNothing) {
    setUp_(0, 2, 0, 0x2000, 0);
    EXPECT_EQ(sw::DialEntry(library_, 3), nullptr);
    EXPECT_EQ(sw::DialEntry(library_, 0), nullptr);
    EXPECT_EQ(Log().find("Dial "), std::string::npos);
    setUp_(0, 0, 0, 0x2000, 0);
    EXPECT_EQ(sw::DialFirstEntry(library_), nullptr);
}

TEST_F(DialUp, AFailedDialIsHungUpUntilTheConnectionIsGone) {
    setUp_(0, 1, 633, 0x2000, 0);
    EXPECT_EQ(sw::DialEntry(library_, 1), nullptr);
    const std::string log = Log();
    EXPECT_NE(log.find("HangUp 512\nGetConnectStatus size 160 handle 512\n"
                       "GetConnectStatus size 160 handle 512\nGetConnectStatus gone\n"),
              std::string::npos)
        << log;
}

TEST_F(DialUp, AConnectionThatIsNotConnectedIsHungUp) {
    setUp_(0, 1, 0, 0x1000, 0);
    EXPECT_EQ(sw::DialEntry(library_, 1), nullptr);
    EXPECT_NE(Log().find("HangUp 512"), std::string::npos);
}

TEST_F(DialUp, HangingUpByNameOrEveryConnection) {
    setUp_(2, 0, 0, 0x2000, 0);
    EXPECT_EQ(sw::HangUpConnections(library_, "OFFICE"), 0u);
    EXPECT_EQ(Log(), kConnections + "HangUp 256\n");
    setUp_(2, 0, 0, 0x2000, 0);
    EXPECT_EQ(sw::HangUpConnections(library_, ""), 0u);
    EXPECT_EQ(Log(), kConnections + "HangUp 256\nHangUp 257\n");
    setUp_(2, 0, 0, 0x2000, 5);
    EXPECT_EQ(sw::HangUpConnections(library_, "home"), 1001u) << "the last hang-up failed";
    setUp_(0, 0, 0, 0x2000, 0);
    EXPECT_EQ(sw::HangUpConnections(library_, ""), 1002u);
}

} // namespace
