// The service under Wine's service control manager: installed with sc
// create, started and stopped with sc, it prints a watched folder with no
// window open, each file once with its bytes; a stop in the middle of a
// burst loses nothing and prints nothing twice once it starts again; and
// with the window printing the same schedules, the two hand over without a
// file printed twice; what the service records only administrators and the
// service's account may change; the schedule dialog's Test prints nothing
// while the service prints; a remote schedule goes from the service to its
// site itself, plain and over TLS, signed in with the service account's
// credential.
#include "common/message_captions.h"
#include "common/path_helpers.h"
#include "remote/companion_protocol.h"
#include "remote/remote_sites.h"
#include "resources/resource.h"
#include "service/service_control.h"
#include "support/credentials.h"
#include "support/file_writer.h"
#include "support/print_server.h"
#include "support/program_driver.h"
#include "support/settings_file.h"
#include "unattended/schedule_record.h"
#include "unattended_fixture.h"

#include <gtest/gtest.h>

#include <aclapi.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

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

struct TextSearch {
    const std::string& text;
    HWND found;
};

BOOL CALLBACK MatchText(HWND child, LPARAM data) {
    auto* wanted = reinterpret_cast<TextSearch*>(data);
    if (swtest::WindowText(child) != wanted->text)
        return TRUE;
    wanted->found = child;
    return FALSE;
}

// The child window of `parent` (at any depth) that shows `text`.
HWND ChildWithText(HWND parent, const std::string& text) {
    TextSearch search{text, nullptr};
    EnumChildWindows(parent, MatchText, reinterpret_cast<LPARAM>(&search));
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
    void WriteSchedule(const std::string& pattern,
                       const std::vector<std::string>& printers = {kQueue}, int days = 254) const {
        std::string schedules;
        for (const std::string& printer : printers) {
            const sw::ScheduleRecordBytes bytes = sw::EncodeScheduleRecord(
                swtest::ScheduleBuilder(Folder(), pattern, printer).Interval(300).Days(days));
            schedules.append(bytes.begin(), bytes.end());
        }
        ASSERT_TRUE(swtest::WriteToFile(folder_ + "sw.dat", schedules));
    }
    std::string Log() const {
        const std::string log = folder_ + "Unattended.txt";
        return swtest::FileExists(log) ? swtest::ReadWholeFile(log) : "";
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
    WriteSchedule("*.prn", {kQueue}, 0);
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

// The print servers of the companion's tests (tests/win/remote/remote_sites.sh)
// stand for the remote sites: one in plain IPP, one over TLS with a queue
// that asks for a sign-in, whose authority the test prefix trusts.
class ServiceRemote : public Service {
  protected:
    static std::string SitesRun() { return swtest::UnixRunFolder() + "/remote"; }
    static std::string SitesFolder() { return swtest::RunFolder() + "\\remote\\"; }
    static void SetUpTestSuite() {
        using swtest::ShellQuoted;
        const std::string command =
            "VIRTUAL_PRINTER=" + ShellQuoted(swtest::EnvironmentText("SW_VIRTUAL_PRINTER")) + " " +
            ShellQuoted(swtest::EnvironmentText("SW_SOURCE_DIR") +
                        "/tests/win/remote/remote_sites.sh") +
            " start " + ShellQuoted(SitesRun()) + " 2>&1";
        std::string output;
        ASSERT_EQ(swtest::RunHostCommand(command, &output), 0) << output;
        swtest::TrustCertificateAuthority(SitesFolder() + "certs\\trusted-ca.crt");
    }
    static void TearDownTestSuite() {
        swtest::RunHostCommand(
            swtest::PrintServerCommand("stop " + swtest::ShellQuoted(SitesRun())));
    }
    void TearDown() override {
        Service::TearDown();
        DeleteFileA(sw::RemoteSitesFile().c_str());
        swtest::ForgetGenericCredential(Credential());
    }
    static std::string Site(const char* folder, const char* scheme) {
        const std::string port = swtest::ReadWholeFile(SitesFolder() + folder + "\\ipp.port");
        return scheme + std::to_string(std::atoi(port.c_str()));
    }
    static std::string Plain() { return Site("site", "127.0.0.1:"); }
    static std::string Tls() { return Site("tls-site", "ipps://localhost:"); }
    static std::string Credential() { return "Spoolwright Remote/" + Tls(); }
    static PrinterInbox Inbox(const char* queue, const char* site) {
        return PrinterInbox(queue, SitesFolder() + site);
    }
};

// The printer's settings apply as on the companion's route (orientation
// sequences, form feed, two copies); a site the service cannot sign in to is
// logged with the code, and its file prints once a sign-in is stored for the
// service's account.
TEST_F(ServiceRemote, PrintsARemoteScheduleToItsSitePlainAndOverTls) {
    swtest::WriteToFile(sw::RemoteSitesFile(), Plain() + "|" + Tls() + "\r\n");
    const std::string plain = Plain() + ":sw_remote", tls = Tls() + ":sw_tls",
                      signIn = Tls() + ":sw_signin";
    swtest::Store("Printers AutoFormfeed", plain, "1");
    swtest::Store("Printers Orientation " + plain, "Landscape status", "1");
    swtest::Store("Number of copies by printer " + plain, "Copies", "2");
    WriteSchedule("*.prn", {plain, tls, signIn});
    WriteInFolder("remote.prn", "remote report\r\n");
    PrinterInbox plainInbox = Inbox("sw_remote", "site"), tlsInbox = Inbox("sw_tls", "tls-site"),
                 signInInbox = Inbox("sw_signin", "tls-site");
    Start();
    const std::string expected = "\x1B&l1Oremote report\r\n\f\x1B&l0O";
    EXPECT_EQ(plainInbox.NextJob(), expected) << "copy 1\n" << Log();
    EXPECT_EQ(plainInbox.NextJob(), expected) << "copy 2\n" << Log();
    EXPECT_EQ(tlsInbox.NextJob(), "remote report\r\n") << Log();
    const std::string refused = "remote.prn   not printed to " + signIn + "  due to Error 1168";
    ASSERT_TRUE(swtest::WaitFor([&] { return Log().find(refused) != std::string::npos; }, kWaitMs))
        << Log();
    EXPECT_FALSE(signInInbox.HasNextJob());

    swtest::StoreGenericCredential(Credential(), "sw-user", "right-password");
    EXPECT_EQ(signInInbox.NextJob(), "remote report\r\n") << Log();
    for (const std::string& printer : {plain, tls, signIn})
        EXPECT_TRUE(swtest::WaitFor([&] {
            return Log().find("remote.prn   printed successfully to " + printer + "\r\n") !=
                   std::string::npos;
        })) << Log();
    // Printed once: the ticks go on and send nothing more.
    swtest::PumpMessagesFor(2000);
    EXPECT_FALSE(plainInbox.HasNextJob());
    EXPECT_FALSE(tlsInbox.HasNextJob());
    EXPECT_FALSE(signInInbox.HasNextJob());
}

// A job the site took and still holds when the site's wait runs out (its
// queue is stopped) is logged with its code and never sent again.
TEST_F(ServiceRemote, LogsAJobTheSiteHoldsAndDoesNotSendItAgain) {
    swtest::WriteToFile(sw::RemoteSitesFile(), Plain() + " wait=3\r\n");
    const std::string stopped = Plain() + ":sw_stopped";
    WriteSchedule("*.prn", {stopped});
    WriteInFolder("held.prn", "held report\r\n");
    Start();
    const std::string held =
        "held.prn   sent to " + stopped + ", where it has not printed: Error 258; not sent again";
    ASSERT_TRUE(swtest::WaitFor([&] { return Log().find(held) != std::string::npos; }, kWaitMs))
        << Log();
    // Ticks go on; the site still holds the one job.
    swtest::PumpMessagesFor(5000);
    const std::string site = "PATH=\"$PATH:/usr/sbin:/sbin\"; . " +
                             swtest::ShellQuoted(SitesRun() + "/site/env.sh") + " && ";
    std::string jobs;
    EXPECT_EQ(swtest::RunHostCommand(site + "lpstat -o sw_stopped | wc -l", &jobs), 0);
    EXPECT_EQ(std::atoi(jobs.c_str()), 1) << Log();
    swtest::RunHostCommand(site + "cancel -a sw_stopped");
}

} // namespace
