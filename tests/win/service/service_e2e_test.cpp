// The service under Wine's service control manager: installed with sc
// create, started and stopped with sc, it prints a watched folder with no
// window open, each file once with its bytes; a stop in the middle of a
// burst loses nothing and prints nothing twice once it starts again; and
// with the window printing the same schedules, the two hand over without a
// file printed twice; what the service records only administrators and the
// service's account may change; the schedule dialog's Test prints nothing
// while the service prints.
#include "common/message_captions.h"
#include "common/path_helpers.h"
#include "remote/companion_protocol.h"
#include "resources/resource.h"
#include "service/service_control.h"
#include "support/file_writer.h"
#include "support/print_server.h"
#include "support/program_driver.h"
#include "support/settings_file.h"
#include "unattended/schedule_record.h"
#include "unattended_fixture.h"

#include <gtest/gtest.h>

#include <aclapi.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

using swtest::PrinterInbox;

constexpr char kQueue[] = "sw_service";
constexpr DWORD kWaitMs = 120000;

std::string FileName(int number) {
    char name[32];
    std::snprintf(name, sizeof(name), "burst-%03d.prn", number);
    return name;
}

std::string FileBytes(int number) {
    return "file " + std::to_string(number) + "\r\n" + std::string(100 + number % 31, 'x');
}

// The child window of `parent` (at any depth) that shows `text`.
HWND ChildWithText(HWND parent, const std::string& text) {
    struct Search {
        const std::string& text;
        HWND found;
    } search{text, nullptr};
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM data) -> BOOL {
            auto* wanted = reinterpret_cast<Search*>(data);
            if (swtest::WindowText(child) != wanted->text)
                return TRUE;
            wanted->found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// True for the system, administrators and this program's account (the
// service's too, under Wine).
bool MayChange(PSID sid) {
    BYTE own[SECURITY_MAX_SID_SIZE] = {};
    HANDLE token = nullptr;
    DWORD size = sizeof(own);
    if (OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) {
        GetTokenInformation(token, TokenUser, own, sizeof(own), &size);
        CloseHandle(token);
    }
    return IsWellKnownSid(sid, WinLocalSystemSid) ||
           IsWellKnownSid(sid, WinBuiltinAdministratorsSid) ||
           EqualSid(sid, reinterpret_cast<TOKEN_USER*>(own)->User.Sid);
}

// The file's permissions, read through its handle: only those who
// MayChange may change it; users may read it. (Wine keeps no permissions of
// their own with a file: it shows what the file's mode bits allow.)
void ExpectOnlyAdministratorsChange(const std::string& path) {
    const HANDLE file = CreateFileA(path.c_str(), READ_CONTROL, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    PACL access = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    ASSERT_EQ(GetSecurityInfo(file, SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                              &access, nullptr, &descriptor),
              static_cast<DWORD>(ERROR_SUCCESS));
    CloseHandle(file);
    constexpr DWORD kChanges = FILE_WRITE_DATA | FILE_APPEND_DATA | FILE_WRITE_EA |
                               FILE_WRITE_ATTRIBUTES | DELETE | WRITE_DAC | WRITE_OWNER |
                               GENERIC_WRITE | GENERIC_ALL;
    bool usersRead = false;
    for (DWORD index = 0; access != nullptr && index < access->AceCount; ++index) {
        void* entry = nullptr;
        ASSERT_TRUE(GetAce(access, index, &entry));
        const auto* allowed = static_cast<ACCESS_ALLOWED_ACE*>(entry);
        if (allowed->Header.AceType != ACCESS_ALLOWED_ACE_TYPE)
            continue;
        const PSID sid = const_cast<DWORD*>(&allowed->SidStart);
        if (IsWellKnownSid(sid, WinBuiltinUsersSid) || IsWellKnownSid(sid, WinWorldSid))
            usersRead = usersRead || (allowed->Mask & FILE_READ_DATA) != 0;
        EXPECT_TRUE(MayChange(sid) || (allowed->Mask & kChanges) == 0) << path << ": ACE " << index;
    }
    EXPECT_TRUE(usersRead) << path;
    LocalFree(descriptor);
}

// sc.exe with the arguments; its exit code.
DWORD Sc(const std::string& arguments) {
    return swtest::RunningProgram("C:\\windows\\system32\\sc.exe", arguments).WaitForExit();
}

bool ServiceIs(sw::ServiceState state) {
    return swtest::WaitFor([&] { return sw::QueryUnattendedService().state == state; }, 30000);
}

class Service : public swtest::UnattendedTest {
  protected:
    void SetUp() override {
        swtest::UnattendedTest::SetUp();
        service_ = swtest::ProgramFromEnvironment("SW_SWSERVICE");
        folder_ = sw::FolderPart(service_);
        RemoveProgramFiles();
        ASSERT_EQ(Sc("create SpoolwrightUnattended binPath= \"" + service_ +
                     "\" DisplayName= \"Spoolwright Unattended Printing\""),
                  0u);
        ASSERT_TRUE(ServiceIs(sw::ServiceState::Stopped));
    }
    void TearDown() override {
        Sc("stop SpoolwrightUnattended");
        EXPECT_TRUE(ServiceIs(sw::ServiceState::Stopped));
        EXPECT_EQ(Sc("delete SpoolwrightUnattended"), 0u);
        RemoveProgramFiles();
        swtest::UnattendedTest::TearDown();
    }

    // The schedule file beside the service (and swutil.exe, in the same folder).
    void WriteSchedule(const std::string& pattern, int days = 254) const {
        const sw::ScheduleRecordBytes bytes = sw::EncodeScheduleRecord(
            swtest::ScheduleBuilder(Folder(), pattern, kQueue).Interval(300).Days(days));
        ASSERT_TRUE(
            swtest::WriteToFile(folder_ + "sw.dat", std::string(bytes.begin(), bytes.end())));
    }
    void WriteBurst(int count) const {
        for (int number = 1; number <= count; ++number)
            WriteInFolder(FileName(number), FileBytes(number));
    }
    // The service's event log lines that say a file was printed.
    int PrintedLines() const {
        const std::string log = folder_ + "Unattended.txt";
        const std::string text = swtest::FileExists(log) ? swtest::ReadWholeFile(log) : "";
        int lines = 0;
        for (std::size_t at = text.find(" printed successfully to "); at != std::string::npos;
             at = text.find(" printed successfully to ", at + 1))
            ++lines;
        return lines;
    }
    void Start() const {
        ASSERT_EQ(Sc("start SpoolwrightUnattended"), 0u);
        ASSERT_TRUE(ServiceIs(sw::ServiceState::Running));
    }
    // Takes the jobs until `count` have arrived; each job's bytes and how often.
    static std::map<std::string, int> Jobs(PrinterInbox& inbox, int count) {
        std::map<std::string, int> received;
        for (int job = 0; job < count && !testing::Test::HasFailure(); ++job)
            ++received[inbox.NextJob()];
        return received;
    }
    static void ExpectEachOnce(const std::map<std::string, int>& received, int count) {
        for (int number = 1; number <= count; ++number) {
            const auto found = received.find(FileBytes(number));
            EXPECT_TRUE(found != received.end() && found->second == 1)
                << FileName(number) << " printed " << (found == received.end() ? 0 : found->second)
                << " times";
        }
    }

    void RemoveProgramFiles() const {
        for (const char* name : {"sw.dat", "Unattended.txt", "swprinted.dat", "swprinting.dat"})
            DeleteFileA((folder_ + name).c_str());
    }

    std::string service_;
    std::string folder_;
};

TEST_F(Service, PrintsEachFileOfTheFolderOnceWithNoWindowOpen) {
    WriteSchedule("*.prn");
    WriteBurst(3);
    PrinterInbox inbox(kQueue);
    Start();
    ExpectEachOnce(Jobs(inbox, 3), 3);
    // Ticks go on; nothing more is printed.
    swtest::PumpMessagesFor(2000);
    swtest::ExpectNothingSentBefore(inbox, kQueue);
    EXPECT_EQ(PrintedLines(), 3);
    ExpectOnlyAdministratorsChange(folder_ + "swprinted.dat");
    ExpectOnlyAdministratorsChange(folder_ + "Unattended.txt");
}

TEST_F(Service, AStopInTheMiddleOfABurstLosesNothingAndPrintsNothingTwice) {
    constexpr int kCount = 150;
    WriteSchedule("burst-*.prn");
    WriteBurst(kCount);
    PrinterInbox inbox(kQueue);
    Start();
    ASSERT_TRUE(swtest::WaitFor([&] { return PrintedLines() >= 10; }, kWaitMs));
    ASSERT_EQ(Sc("stop SpoolwrightUnattended"), 0u);
    // It ends after recording the file it was printing.
    ASSERT_TRUE(ServiceIs(sw::ServiceState::Stopped));
    const int beforeStop = PrintedLines();
    EXPECT_LT(beforeStop, kCount) << "the stop came after the burst; the test proves nothing";
    EXPECT_FALSE(swtest::FileExists(folder_ + "swprinting.dat")) << "a print left unrecorded";

    Start();
    ExpectEachOnce(Jobs(inbox, kCount), kCount);
    swtest::ExpectNothingSentBefore(inbox, kQueue);
    EXPECT_EQ(PrintedLines(), kCount);
}

TEST_F(Service, TheWindowHandsOverToTheServiceWithoutPrintingAFileTwice) {
    constexpr int kCount = 80;
    WriteSchedule("burst-*.prn");
    WriteBurst(kCount);
    swtest::Store("Unattended", "Status", "1"); // the window resumes its timer
    PrinterInbox inbox(kQueue);
    swtest::RunningProgram window(swtest::ProgramFromEnvironment("SW_SWUTIL"), "");
    ASSERT_NE(window.WaitForWindow(sw::kMainWindowClassName), nullptr);
    ASSERT_TRUE(swtest::WaitFor([&] { return PrintedLines() >= 5; }, kWaitMs));
    Start();
    ExpectEachOnce(Jobs(inbox, kCount), kCount);
    swtest::ExpectNothingSentBefore(inbox, kQueue);
    EXPECT_EQ(PrintedLines(), kCount);
    EXPECT_TRUE(swtest::CloseWindowAndWait(sw::kMainWindowClassName, nullptr));
}

// A schedule of no day, which only a Test prints: while the service owns
// printing, the Test says so and prints nothing, however often it is pressed.
TEST_F(Service, TheScheduleDialogsTestPrintsNothingWhileTheServicePrints) {
    WriteSchedule("*.prn", 0);
    WriteInFolder("tested.prn", "tested");
    PrinterInbox inbox(kQueue);
    Start();
    swtest::RunningProgram program(swtest::ProgramFromEnvironment("SW_SWUTIL"), "");
    const HWND window = program.WaitForWindow(sw::kMainWindowClassName);
    ASSERT_NE(window, nullptr);
    swtest::PostCommand(window, IDM_SCHEDULE);
    const HWND dialog = program.WaitForDialog("Schedule unattended printing");
    ASSERT_NE(dialog, nullptr);
    for (int press = 0; press < 2; ++press) { // a first scan sees the file, a second prints it
        PostMessageA(dialog, WM_COMMAND, IDC_SCHED_TEST, 0);
        const HWND told = program.WaitForDialog(sw::kUtilityCaption);
        ASSERT_NE(told, nullptr) << "the Test did not say that the service prints";
        PostMessageA(told, WM_COMMAND, IDOK, 0);
        ASSERT_TRUE(swtest::WaitFor([&] { return !IsWindow(told); }));
    }
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    swtest::ExpectNothingSentBefore(inbox, kQueue);
    EXPECT_TRUE(swtest::CloseWindowAndWait(sw::kMainWindowClassName, nullptr));
}

// While the service runs the window says so, and its Print unattended offers
// to stop the service in place of its own timer.
TEST_F(Service, PrintUnattendedInTheWindowStopsTheRunningService) {
    Start();
    swtest::RunningProgram program(swtest::ProgramFromEnvironment("SW_SWUTIL"), "");
    const HWND window = program.WaitForWindow(sw::kMainWindowClassName);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(
        swtest::WaitFor([&] { return ChildWithText(window, "Service prints") != nullptr; }));
    swtest::PostCommand(window, IDM_UNATTENDED);
    const HWND question = program.WaitForDialog("Spoolwright Farreach");
    ASSERT_NE(question, nullptr);
    PostMessageA(question, WM_COMMAND, IDYES, 0);
    EXPECT_TRUE(ServiceIs(sw::ServiceState::Stopped));
    EXPECT_TRUE(swtest::WaitFor([&] { return ChildWithText(window, "No unattended") != nullptr; }));
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0u);
}

} // namespace
