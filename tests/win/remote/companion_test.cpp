// The companion Remsw.exe end to end against real servers on loopback ports
// (tests/win/remote/remote_sites.sh): a print server in plain IPP, one over
// TLS whose certificate authority the test prefix trusts (with a queue that
// needs a sign-in), one whose authority nobody trusts, an IPP Everywhere
// printer, and a port where nothing listens. A window of the main program's
// class receives the companion's announcements; the test writes jobs into
// the announced controls and clicks, in the order the main program does, and
// reads what each far end received.
#include "common/path_helpers.h"
#include "counting_relay.h"
#include "remote/companion/companion_ids.h"
#include "remote/companion/sign_in_dialog.h"
#include "remote/companion_protocol.h"
#include "remote/job_outcome.h"
#include "remote/remote_failure_codes.h"
#include "remote/remote_sites.h"
#include "resetting_printer.h"
#include "resources/resource.h"
#include "silent_site.h"
#include "support/credentials.h"
#include "support/file_writer.h"
#include "support/print_server.h"
#include "support/program_driver.h"
#include "support/schedule_builder.h"
#include "support/script_names.h"
#include "support/settings_file.h"
#include "support/temp_files.h"
#include "unattended/schedule_record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr DWORD kWaitMs = 30000;
const char kUser[] = "sw-user";
const char kPassword[] = "right-password";

// The folder of the remote sites, as a Linux path and as Wine sees it.
std::string SitesRun() {
    return swtest::UnixRunFolder() + "/remote";
}
std::string SitesFolder() {
    return swtest::RunFolder() + "\\remote\\";
}

int PortOf(const std::string& file) {
    return std::atoi(swtest::ReadWholeFile(SitesFolder() + file).c_str());
}

// The sites, as an entry of "SWRemote.txt" writes them, around the port
// the site's server wrote into its file.
enum Site { kPlainSite, kTlsSite, kUntrustedSite, kPrinterSite, kDownSite, kSlowPrinterSite };
const struct {
    const char *folder, *portFile, *prefix, *suffix;
} kSites[] = {
    {"site", "site\\ipp.port", "127.0.0.1:", ""},
    {"tls-site", "tls-site\\ipp.port", "ipps://localhost:", ""},
    {"untrusted-site", "untrusted-site\\ipp.port", "ipps://localhost:", ""},
    {"ipp-printer", "ipp-printer\\ipp.port", "ipp://127.0.0.1:", "/ipp/print"},
    {"", "down.port", "127.0.0.1:", ""},
    {"slow-printer", "slow-printer\\ipp.port", "ipp://127.0.0.1:", "/ipp/print"},
};
std::string Address(Site site) {
    return kSites[site].prefix + std::to_string(PortOf(kSites[site].portFile)) +
           kSites[site].suffix;
}

// The companion's list entries of the sites' printers.
enum Queue { kPlainQueue, kTlsQueue, kSignInQueue, kPlainSignInQueue, kIppPrinter, kSlowPrinter };
const struct {
    Site site;
    const char* printer;
} kQueues[] = {
    {kPlainSite, "sw_remote"},
    {kTlsSite, "sw_tls"},
    {kTlsSite, "sw_signin"},
    {kPlainSite, "sw_signin_plain"},
    {kPrinterSite, "Spoolwright Test Printer"},
    {kSlowPrinterSite, "Spoolwright Slow Printer"},
};
std::string Entry(Queue queue) {
    return Address(kQueues[queue].site) + ":" + kQueues[queue].printer;
}

// The jobs a queue of one of the sites' print servers receives.
swtest::PrinterInbox SiteInbox(Queue queue) {
    return swtest::PrinterInbox(kQueues[queue].printer,
                                SitesFolder() + kSites[kQueues[queue].site].folder);
}

std::string CredentialName() {
    return "Spoolwright Remote/" + Address(kTlsSite);
}

// The documents the IPP printer keeps: "N-name.ext", numbered by job, with
// the (empty) output of its print command as "N-name.prn".
class PrinterSpool {
  public:
    PrinterSpool() : seen_(Newest()) {}

    // The next job's document once it holds `expected` (it is written while
    // it arrives), or what it holds when the time is up.
    std::string NextJob(const std::string& expected) {
        std::string bytes;
        swtest::WaitFor(
            [&] {
                const int newest = Newest();
                if (newest <= seen_)
                    return false;
                bytes = swtest::ReadWholeFile(Folder() + NameOf(newest));
                return bytes == expected;
            },
            60000);
        seen_ = Newest();
        return bytes;
    }

  private:
    static std::string Folder() { return SitesFolder() + "ipp-printer\\spool\\"; }
    static int Newest() {
        int newest = 0;
        for (const std::string& name : swtest::FolderListing(Folder(), "*-*.*"))
            newest = std::max(newest, std::atoi(name.c_str()));
        return newest;
    }
    // The job's document; its print command's output beside it is empty.
    static std::string NameOf(int job) {
        std::string largest;
        std::size_t size = 0;
        for (const std::string& name :
             swtest::FolderListing(Folder(), std::to_string(job) + "-*.*")) {
            const std::size_t bytes = swtest::ReadWholeFile(Folder() + name).size();
            if (largest.empty() || bytes > size) {
                largest = name;
                size = bytes;
            }
        }
        return largest;
    }
    int seen_;
};

// The window of the main program's class that the companion announces to.
struct MainWindowStandIn {
    static UINT messages[sw::kCompanionFieldCount];
    static HWND handles[sw::kCompanionFieldCount];
    static std::vector<std::size_t> order;
    static std::vector<std::string> answers; // the companion's answers to the prints

    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        if (message == WM_COPYDATA && data->dwData == sw::kJobOutcomeCopyData) {
            answers.push_back(static_cast<const char*>(data->lpData));
            return TRUE;
        }
        for (std::size_t i = 0; i < sw::kCompanionFieldCount; ++i) {
            if (message == messages[i] && message != 0) {
                handles[i] = reinterpret_cast<HWND>(wParam);
                order.push_back(i);
            }
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }

    MainWindowStandIn() {
        for (std::size_t i = 0; i < sw::kCompanionFieldCount; ++i) {
            messages[i] = RegisterWindowMessageA(sw::kCompanionMessageNames[i]);
            handles[i] = nullptr;
        }
        order.clear();
        answers.clear();
        window = swtest::CreateTestWindow(sw::kMainWindowClassName, Proc, sw::kMainWindowTitle,
                                          WS_OVERLAPPED);
    }
    ~MainWindowStandIn() { DestroyWindow(window); }

    bool AllAnnounced() const { return order.size() >= sw::kCompanionFieldCount; }
    HWND Handle(sw::CompanionField field) const { return handles[field]; }

    HWND window = nullptr;
};
UINT MainWindowStandIn::messages[sw::kCompanionFieldCount];
HWND MainWindowStandIn::handles[sw::kCompanionFieldCount];
std::vector<std::size_t> MainWindowStandIn::order;
std::vector<std::string> MainWindowStandIn::answers;

// The companion's next answer, once it has come.
std::string NextAnswer(std::size_t& seen) {
    swtest::WaitFor([&] { return MainWindowStandIn::answers.size() > seen; }, 60000);
    return seen < MainWindowStandIn::answers.size() ? MainWindowStandIn::answers[seen++] : "";
}

void SetText(HWND window, const std::string& text) {
    SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

bool Contains(const std::vector<std::string>& items, const std::string& item) {
    return std::find(items.begin(), items.end(), item) != items.end();
}

// What the main program writes into the companion's controls for a job of `file`.
struct RemoteJobTexts {
    explicit RemoteJobTexts(std::string path) : file(std::move(path)) {}
    std::string file, copies = "1", autoFormfeed = "0", orientation, method = "BYPASS";
    std::string bitmap[4];
};

void StoreSignIn(const std::string& password) {
    swtest::StoreGenericCredential(CredentialName(), kUser, password);
}

class Companion : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        std::string output;
        using swtest::ShellQuoted;
        const std::string script = ShellQuoted(swtest::EnvironmentText("SW_SOURCE_DIR") +
                                               "/tests/win/remote/remote_sites.sh");
        const std::string command =
            "VIRTUAL_PRINTER=" + ShellQuoted(swtest::EnvironmentText("SW_VIRTUAL_PRINTER")) + " " +
            script + " start " + ShellQuoted(SitesRun()) + " 2>&1";
        ASSERT_EQ(swtest::RunHostCommand(command, &output), 0) << output;
        // The test authority becomes one of the prefix's trusted roots, as
        // an administrator would install a company's authority: the
        // machine's own stores are not touched.
        swtest::TrustCertificateAuthority(SitesFolder() + "certs\\trusted-ca.crt");
    }
    static void TearDownTestSuite() {
        swtest::RunHostCommand(
            swtest::PrintServerCommand("stop " + swtest::ShellQuoted(SitesRun())));
    }

    void SetUp() override {
        ASSERT_GT(PortOf("site\\ipp.port"), 0) << "the remote sites did not start";
        // Written by hand, over several lines, one of them no site.
        WriteSites("bad site!|" + Address(kPlainSite) + "\r\nlpd://127.0.0.1:9626\r\n" +
                   Address(kTlsSite) + "\r\n" + Address(kPrinterSite) + "|" +
                   Address(kUntrustedSite) + "|" + Address(kDownSite));
        swtest::ForgetGenericCredential(CredentialName());
    }

    // Ends the companion, whether the test or the main program started it.
    void TearDown() override {
        EXPECT_TRUE(swtest::CloseWindowAndWait(nullptr, sw::kCompanionTitle))
            << "the companion did not end";
        // One that hangs would keep the next tests' companions from starting:
        // ending the program ends it for good.
        companion_.reset();
        DeleteFileA(sw::RemoteSitesFile().c_str());
        DeleteFileA(swtest::SettingsFile().c_str());
        swtest::ForgetGenericCredential(CredentialName());
    }

    static void WriteSites(const std::string& line) {
        swtest::WriteToFile(sw::RemoteSitesFile(), line + "\r\n");
    }

    // swutil.exe "site:printer|file", as a user or a script starts it; its exit code.
    static DWORD PrintFromCommandLine(const std::string& printer, const std::string& file) {
        return swtest::StartProgram("\"" + printer + "|" + file + "\"").WaitForExit(60000);
    }

    static std::string CompanionProgram() {
        return swtest::TestProgramFolder() + sw::kCompanionProgram;
    }

    void StartCompanion() {
        companion_.emplace(CompanionProgram(), "");
        ASSERT_TRUE(companion_->Started()) << "cannot start " << CompanionProgram();
    }

    static HWND CompanionWindow() { return FindWindowA(sw::kCompanionClass, sw::kCompanionTitle); }
    static std::string LogText() {
        return swtest::WindowText(GetDlgItem(CompanionWindow(), sw::kCompanionLog));
    }
    static bool LogHas(const std::string& text) {
        return LogText().find(text) != std::string::npos;
    }
    static bool WaitForLog(const std::string& text) {
        return swtest::WaitFor([&] { return LogHas(text); });
    }

    // What the main program does on a remote print, in its order: the texts,
    // the printer's selection, the file on the print button, the click.
    static void PrintRemotely(const MainWindowStandIn& main, const RemoteJobTexts& texts,
                              const std::string& printer) {
        SetText(main.Handle(sw::kFieldAutoFormfeed), texts.autoFormfeed);
        SetText(main.Handle(sw::kFieldCopies), texts.copies);
        if (!texts.bitmap[0].empty()) {
            const sw::CompanionField fields[] = {sw::kFieldBitmapLeft, sw::kFieldBitmapTop,
                                                 sw::kFieldBitmapWidth, sw::kFieldBitmapHeight};
            for (int i = 0; i < 4; ++i)
                SetText(main.Handle(fields[i]), texts.bitmap[i]);
        }
        SetText(main.Handle(sw::kFieldPrintMethod), texts.method);
        SetText(main.Handle(sw::kFieldOrientation), texts.orientation);
        HWND list = main.Handle(sw::kFieldPrinterList);
        const LRESULT found =
            SendMessageA(list, LB_FINDSTRINGEXACT, 0, reinterpret_cast<LPARAM>(printer.c_str()));
        SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(found), 0);
        SetText(main.Handle(sw::kFieldPrintCommand), texts.file);
        SendMessageA(main.Handle(sw::kFieldPrintCommand), BM_CLICK, 0, 0);
    }

    // Starts the companion for a stand-in main window and waits until its
    // printers are listed, the sign-in queue's among them.
    void StartAndWaitForPrinters(MainWindowStandIn& main) {
        StartCompanion();
        ASSERT_TRUE(swtest::WaitFor([&] { return main.AllAnnounced(); }, kWaitMs)) << LogText();
        ASSERT_TRUE(swtest::WaitFor(
            [&] {
                return Contains(swtest::ListBoxItems(main.Handle(sw::kFieldPrinterList)),
                                Entry(kIppPrinter));
            },
            kWaitMs))
            << LogText();
    }

    // The sign-in dialog once it is shown, which is only once its controls
    // are made and filled in; nullptr when it is not shown in time.
    static HWND WaitForSignIn() {
        const auto shown = [] {
            HWND dialog = FindWindowA("#32770", sw::kSignInCaption);
            return dialog != nullptr && IsWindowVisible(dialog) ? dialog : nullptr;
        };
        swtest::WaitFor([&] { return shown() != nullptr; });
        return shown();
    }

    // The sign-in dialog the companion shows, answered as a user would.
    static bool AnswerSignIn(const std::string& user, const std::string& password) {
        HWND dialog = WaitForSignIn();
        if (dialog == nullptr)
            return false;
        SetText(GetDlgItem(dialog, sw::kSignInUser), user);
        SetText(GetDlgItem(dialog, sw::kSignInPassword), password);
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        return swtest::WaitFor([&] { return IsWindow(dialog) == FALSE; });
    }

    static std::string FileName(const swtest::TempFile& file) {
        return file.Path().substr(file.Path().rfind('\\') + 1);
    }

    // The plain, TLS and sign-in queues and the IPP printer, which each route
    // of the main program prints to.
    struct EverySite {
        swtest::PrinterInbox plain = SiteInbox(kPlainQueue), tls = SiteInbox(kTlsQueue),
                             signIn = SiteInbox(kSignInQueue);
        PrinterSpool spool;

        // Each got `bytes` as its next job.
        void ExpectNextJobs(const std::string& bytes, const std::string& why = "") {
            EXPECT_EQ(plain.NextJob(), bytes) << why << LogText();
            EXPECT_EQ(tls.NextJob(), bytes) << why << LogText();
            EXPECT_EQ(signIn.NextJob(), bytes) << why << LogText();
            EXPECT_EQ(spool.NextJob(bytes), bytes) << why << LogText();
        }
    };

    std::optional<swtest::RunningProgram> companion_;
};

TEST_F(Companion, AnnouncesToAMainWindowThatStartsLaterAndPrintsItsJobs) {
    StartCompanion();
    ASSERT_TRUE(swtest::WaitFor([] { return CompanionWindow() != nullptr; }, kWaitMs))
        << "no window titled \"Spoolwright Remote\"";
    Sleep(500);

    MainWindowStandIn main;
    ASSERT_NE(main.window, nullptr);
    ASSERT_TRUE(swtest::WaitFor([&] { return main.AllAnnounced(); }, kWaitMs)) << LogText();
    EXPECT_EQ(MainWindowStandIn::order, (std::vector<std::size_t>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}))
        << "the printer list first, the print button second, the values in table order";
    // One entry per queue of each print server that answered, and the IPP
    // printer under its own name.
    EXPECT_EQ(swtest::ListBoxItems(main.Handle(sw::kFieldPrinterList)),
              (std::vector<std::string>{Entry(kPlainQueue), Entry(kPlainSignInQueue),
                                        Address(kPlainSite) + ":sw_stopped", Entry(kSignInQueue),
                                        Entry(kTlsQueue), Entry(kIppPrinter)}))
        << LogText();

    // A raw job of three copies wrapped in its orientation sequences and
    // completed by a form feed, exactly as the library sends it.
    auto inbox = SiteInbox(kPlainQueue);
    const swtest::TempFile report("line 1\r\nline 2\r\n");
    RemoteJobTexts raw(report.Path());
    raw.copies = "3";
    raw.autoFormfeed = "-1";
    raw.orientation = "1|\x1B&l1O|\x1B&l0O";
    PrintRemotely(main, raw, Entry(kPlainQueue));
    const std::string expected = "\x1B&l1Oline 1\r\nline 2\r\n\f\x1B&l0O";
    for (int copy = 0; copy < 3; ++copy)
        EXPECT_EQ(inbox.NextJob(), expected) << "copy " << copy + 1 << "\n" << LogText();

    // A bitmap goes to the site's driver as it is, without the additions.
    const std::string bitmap = std::string("BM") + std::string(60, '\x01');
    const swtest::TempFile photo(bitmap, ".bmp");
    RemoteJobTexts picture = raw;
    picture.copies = "1";
    picture.method = "BMP";
    picture.bitmap[0] = "0.5";
    picture.bitmap[1] = "1";
    picture.bitmap[2] = "4";
    picture.bitmap[3] = "3";
    picture.file = photo.Path();
    PrintRemotely(main, picture, Entry(kPlainQueue));
    EXPECT_EQ(inbox.NextJob(), bitmap) << LogText();
    EXPECT_TRUE(WaitForLog("Printed " + photo.Path())) << LogText();
    // The print button keeps its caption; the file it was given is only used.
    EXPECT_EQ(swtest::WindowText(GetDlgItem(CompanionWindow(), sw::kCompanionPrint)), "&Print");

    // The job names are the library's: "Spoolwright: " and the file name.
    const std::vector<std::string> names =
        swtest::CompletedJobNames("sw_remote", SitesRun() + "/site");
    EXPECT_TRUE(Contains(names, "Spoolwright: " + FileName(report)))
        << testing::PrintToString(names);
}

// Sites that cannot be listed say why in the companion's window, each in
// its own words, and the others are listed all the same.
TEST_F(Companion, ReportsEverySiteThatCannotBeListed) {
    MainWindowStandIn main;
    StartAndWaitForPrinters(main);
    EXPECT_TRUE(LogHas("The site \"bad site!\" is neither a host name, an address nor an ipp://, "
                       "ipps://, socket:// or lpd:// address"))
        << LogText();
    // A daemon's address without its queue.
    EXPECT_TRUE(LogHas("The site \"lpd://127.0.0.1:9626\" is neither")) << LogText();
    EXPECT_TRUE(LogHas("No printers of " + Address(kUntrustedSite) + ": " +
                       Address(kUntrustedSite) +
                       ": the server's certificate was refused: the certificate was not issued "
                       "by an authority this computer trusts"))
        << LogText();
    EXPECT_TRUE(LogHas("No printers of " + Address(kDownSite) + ": ipp://" + Address(kDownSite) +
                       ": cannot connect: the site is down or refuses connections"))
        << LogText();
}

// TLS to a print server whose certificate checks, and an IPP printer that is
// sent Print-Job in a format it lists: the bytes arrive unchanged.
TEST_F(Companion, PrintsOverTlsAndToAnIppPrinter) {
    MainWindowStandIn main;
    StartAndWaitForPrinters(main);
    EXPECT_TRUE(LogHas(Entry(kIppPrinter) + " is idle")) << LogText();

    auto inbox = SiteInbox(kTlsQueue);
    const swtest::TempFile report("over TLS\r\n");
    RemoteJobTexts raw(report.Path());
    raw.autoFormfeed = "-1";
    raw.orientation = "1|\x1B&l1O|\x1B&l0O";
    PrintRemotely(main, raw, Entry(kTlsQueue));
    EXPECT_EQ(inbox.NextJob(), "\x1B&l1Oover TLS\r\n\f\x1B&l0O") << LogText();

    // PCL (its first bytes are an escape sequence) goes as PCL, which the
    // printer lists; plain text as text.
    PrinterSpool spool;
    PrintRemotely(main, raw, Entry(kIppPrinter));
    EXPECT_EQ(spool.NextJob("\x1B&l1Oover TLS\r\n\f\x1B&l0O"), "\x1B&l1Oover TLS\r\n\f\x1B&l0O")
        << LogText();
    EXPECT_TRUE(WaitForLog("on " + Entry(kIppPrinter) + " (job ")) << LogText();
    EXPECT_TRUE(LogHas("application/vnd.hp-pcl); the printer is ")) << LogText();
    const swtest::TempFile text("plain words\r\n");
    RemoteJobTexts plain(text.Path());
    PrintRemotely(main, plain, Entry(kIppPrinter));
    EXPECT_EQ(spool.NextJob("plain words\r\n"), "plain words\r\n") << LogText();
    EXPECT_TRUE(WaitForLog(", text/plain); the printer is ")) << LogText();
    // The state of the printer selected in the list is shown beside it.
    EXPECT_EQ(swtest::WindowText(GetDlgItem(CompanionWindow(), sw::kCompanionState)).substr(0, 7),
              "State: ");
}

// A print server's queue written as a printer site is one printer too, and
// its state is shown as the server gives it.
TEST_F(Companion, ShowsAStoppedPrintersStateAndReasons) {
    const std::string stopped = "ipp://" + Address(kPlainSite) + "/printers/sw_stopped:sw_stopped";
    WriteSites("ipp://" + Address(kPlainSite) + "/printers/sw_stopped");
    MainWindowStandIn main;
    StartCompanion();
    ASSERT_TRUE(swtest::WaitFor([&] { return main.AllAnnounced(); }, kWaitMs)) << LogText();
    EXPECT_EQ(swtest::ListBoxItems(main.Handle(sw::kFieldPrinterList)),
              (std::vector<std::string>{stopped}));
    EXPECT_TRUE(LogHas(stopped + " is stopped (paused): Stopped for the tests")) << LogText();
    HWND list = main.Handle(sw::kFieldPrinterList);
    SendMessageA(list, LB_SETCURSEL, 0, 0);
    SendMessageA(CompanionWindow(), WM_COMMAND,
                 MAKEWPARAM(sw::kCompanionPrinterList, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
    EXPECT_EQ(swtest::WindowText(GetDlgItem(CompanionWindow(), sw::kCompanionState)),
              "State: stopped (paused): Stopped for the tests");
}

// A queue that needs a sign-in: the user is asked once, the answer is kept
// in the credential store; a wrong password is reported and the dialog asks
// again, and the stored sign-in is replaced by the right one.
TEST_F(Companion, AsksForASignInOnceAndReplacesAWrongOne) {
    MainWindowStandIn main;
    StartAndWaitForPrinters(main);
    auto inbox = SiteInbox(kSignInQueue);
    const swtest::TempFile report("signed in\r\n");
    RemoteJobTexts raw(report.Path());

    PrintRemotely(main, raw, Entry(kSignInQueue));
    HWND dialog = WaitForSignIn();
    ASSERT_NE(dialog, nullptr) << "no sign-in dialog\n" << LogText();
    ASSERT_TRUE(AnswerSignIn(kUser, "wrong-password")) << LogText();
    EXPECT_TRUE(WaitForLog("the site asks for a user name and password")) << LogText();
    ASSERT_TRUE(AnswerSignIn(kUser, kPassword)) << "no second dialog\n" << LogText();
    EXPECT_TRUE(LogHas("the user name or password was not accepted")) << LogText();
    EXPECT_EQ(inbox.NextJob(), "signed in\r\n") << LogText();
    EXPECT_EQ(swtest::StoredGenericCredential(CredentialName()),
              std::string(kUser) + ":" + kPassword);
    EXPECT_FALSE(inbox.HasNextJob()) << "the refused sign-in printed nothing";

    // Asked once: the next job goes with the stored sign-in.
    PrintRemotely(main, raw, Entry(kSignInQueue));
    EXPECT_EQ(inbox.NextJob(), "signed in\r\n") << LogText();
    EXPECT_EQ(FindWindowA("#32770", sw::kSignInCaption), nullptr);
}

// Closing the companion while it asks for a sign-in ends it cleanly; the
// job is not sent.
TEST_F(Companion, ClosingWhileItAsksForASignInEndsIt) {
    MainWindowStandIn main;
    StartAndWaitForPrinters(main);
    const swtest::TempFile report("never sent\r\n");
    RemoteJobTexts raw(report.Path());
    PrintRemotely(main, raw, Entry(kSignInQueue));
    ASSERT_TRUE(
        swtest::WaitFor([] { return FindWindowA("#32770", sw::kSignInCaption) != nullptr; }));
    PostMessageA(CompanionWindow(), WM_CLOSE, 0, 0);
    EXPECT_EQ(companion_->WaitForExit(20000), 0u) << "it did not end, or not cleanly";
    EXPECT_EQ(swtest::StoredGenericCredential(CredentialName()), "");
}

// A print server that asks for Basic sign-in over plain IPP never gets the
// password; the refusal brings the minimised window back and is shown whole.
TEST_F(Companion, NeverSendsAPasswordInTheClearAndShowsTheWholeRefusal) {
    MainWindowStandIn main;
    StartAndWaitForPrinters(main);
    HWND companion = CompanionWindow();
    ShowWindow(companion, SW_MINIMIZE);
    ASSERT_TRUE(swtest::WaitFor([&] { return IsIconic(companion) != FALSE; }));

    auto inbox = SiteInbox(kPlainSignInQueue);
    const swtest::TempFile report("secret\r\n");
    RemoteJobTexts raw(report.Path());
    PrintRemotely(main, raw, Entry(kPlainSignInQueue));
    const std::string whole =
        "Not printed on " + Entry(kPlainSignInQueue) + ": ipp://" + Address(kPlainSite) +
        ": the site asks for a password sent readable on the network (Basic sign-in without "
        "TLS), which is never sent; write the site as ipps://... to sign in over TLS";
    EXPECT_TRUE(WaitForLog(whole)) << LogText();
    EXPECT_TRUE(swtest::WaitFor([&] { return IsIconic(companion) == FALSE; }))
        << "the window stayed minimised";
    EXPECT_EQ(FindWindowA("#32770", sw::kSignInCaption), nullptr) << "no dialog for a refusal";
    EXPECT_FALSE(inbox.HasNextJob());
}

TEST_F(Companion, RefusedJobsAreReportedInItsWindowAndNothingIsSent) {
    MainWindowStandIn main;
    StartCompanion();
    ASSERT_TRUE(swtest::WaitFor([&] { return main.AllAnnounced(); }, kWaitMs))
        << "no announcements";
    auto inbox = SiteInbox(kPlainQueue);
    const swtest::TempFile data("data");

    // Each job's end is answered to the main window, with the code shown.
    std::size_t seen = 0;
    RemoteJobTexts texts(data.Path());
    texts.copies = "many";
    PrintRemotely(main, texts, Entry(kPlainQueue));
    EXPECT_TRUE(WaitForLog("The number of copies \"many\"")) << LogText();
    EXPECT_EQ(NextAnswer(seen), "87|" + Entry(kPlainQueue) + "|" + data.Path());

    texts.copies = "1";
    PrintRemotely(main, texts, "127.0.0.1:1:no_such_printer"); // not listed: no selection
    EXPECT_TRUE(WaitForLog("No remote printer is selected")) << LogText();
    EXPECT_EQ(NextAnswer(seen), "87||" + data.Path());

    texts.file = swtest::RunFolder() + "\\no such file.prn";
    PrintRemotely(main, texts, Entry(kPlainQueue));
    EXPECT_TRUE(WaitForLog("cannot open")) << LogText();
    EXPECT_EQ(NextAnswer(seen), "2|" + Entry(kPlainQueue) + "|" + texts.file);

    // A site that went down after it was listed.
    const std::string down = Address(kDownSite) + ":sw_remote";
    SendMessageA(main.Handle(sw::kFieldPrinterList), LB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(down.c_str()));
    texts.file = data.Path();
    PrintRemotely(main, texts, down);
    EXPECT_EQ(NextAnswer(seen), "12029|" + down + "|" + data.Path()) << LogText();

    // A job that prints shows that the companion has got past the refused ones.
    const swtest::TempFile marker("marker");
    texts.file = marker.Path();
    PrintRemotely(main, texts, Entry(kPlainQueue));
    EXPECT_EQ(inbox.NextJob(), "marker") << "a refused job was sent\n" << LogText();
    EXPECT_EQ(NextAnswer(seen), "0|" + Entry(kPlainQueue) + "|" + marker.Path());
    EXPECT_FALSE(inbox.HasNextJob());
}

// A site that takes jobs and never answers holds up only its own: the
// next job to it says that it waits, a job to another site arrives
// meanwhile, and each of its jobs ends with the timeout's code once the wait
// set in "Spoolwright.ini" is over. While it is listed, the other sites'
// printers are announced, and the site is said to be waited for.
TEST_F(Companion, ASilentSiteHoldsUpOnlyItsOwnJobs) {
    swtest::Store("Remote sites", "Answer wait", "8");
    swtest::SilentSite silent;
    WriteSites(silent.Address() + "|" + Address(kPlainSite));
    MainWindowStandIn main;
    StartCompanion();
    ASSERT_TRUE(swtest::WaitFor([&] { return main.AllAnnounced(); }, kWaitMs)) << LogText();
    EXPECT_TRUE(
        Contains(swtest::ListBoxItems(main.Handle(sw::kFieldPrinterList)), Entry(kPlainQueue)))
        << LogText();
    EXPECT_TRUE(LogHas("Waiting for " + silent.Address() + " to answer")) << LogText();
    EXPECT_TRUE(WaitForLog("No printers of " + silent.Address() + ": ipp://" + silent.Address() +
                           ": the site did not answer in time (12002)"))
        << LogText();
    // Its queue, as the site listed it before it went silent.
    const std::string silentEntry = silent.Address() + ":sw_silent";
    SendMessageA(main.Handle(sw::kFieldPrinterList), LB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(silentEntry.c_str()));

    auto inbox = SiteInbox(kPlainQueue);
    const swtest::TempFile first("never answered\r\n"), second("waits\r\n"), good("goes on\r\n");
    PrintRemotely(main, RemoteJobTexts(first.Path()), silentEntry);
    PrintRemotely(main, RemoteJobTexts(second.Path()), silentEntry);
    EXPECT_TRUE(WaitForLog(second.Path() + " waits: " + silent.Address())) << LogText();
    PrintRemotely(main, RemoteJobTexts(good.Path()), Entry(kPlainQueue));
    EXPECT_EQ(inbox.NextJob(), "goes on\r\n") << LogText();
    ASSERT_TRUE(WaitForLog("Printed " + good.Path())) << LogText();
    const std::string timedOut = "Not printed on " + silentEntry + ": ipp://" + silent.Address() +
                                 ": the site did not answer in time (12002)";
    const auto count = [](const std::string& text, const std::string& part) {
        std::size_t found = 0;
        for (std::size_t at = text.find(part); at != std::string::npos;
             at = text.find(part, at + 1))
            ++found;
        return found;
    };
    EXPECT_TRUE(swtest::WaitFor([&] { return count(LogText(), timedOut) == 2; }, 90000))
        << LogText();
    // One queue for every site would have sent the good job only after both
    // silent ones had run out; a queue per site sends it before the second.
    const std::string log = LogText();
    EXPECT_LT(log.find("Printed " + good.Path()), log.rfind(timedOut)) << "held up\n" << log;
}

// A printer's port (AppSocket), here the virtual printer behind the plain
// site's queue: the job's bytes with its orientation sequences and form
// feed, every copy over one connection, from the companion's controls and
// from the main program's command line; a printer that resets the
// connection mid-job is a failure with the system's code.
TEST_F(Companion, PrintsToAPrintersPortAndReportsAReset) {
    const std::string port =
        "socket://127.0.0.1:" + std::to_string(PortOf("site\\printers\\sw_remote.port"));
    swtest::ResettingPrinter resetting;
    const std::string broken = "socket://" + resetting.Address() + ":AppSocket";
    WriteSites(port + "|socket://" + resetting.Address());
    MainWindowStandIn main;
    StartCompanion();
    ASSERT_TRUE(swtest::WaitFor([&] { return main.AllAnnounced(); }, kWaitMs)) << LogText();
    EXPECT_EQ(swtest::ListBoxItems(main.Handle(sw::kFieldPrinterList)),
              (std::vector<std::string>{port + ":AppSocket", broken}));

    auto inbox = SiteInbox(kPlainQueue);
    const swtest::TempFile label("^XA^FDlabel^FS^XZ");
    RemoteJobTexts raw(label.Path());
    raw.copies = "2";
    raw.autoFormfeed = "-1";
    raw.orientation = "1|\x1B&l1O|\x1B&l0O";
    std::size_t seen = 0;
    PrintRemotely(main, raw, port + ":AppSocket");
    const std::string copy = "\x1B&l1O^XA^FDlabel^FS^XZ\f\x1B&l0O";
    EXPECT_EQ(inbox.NextJob(), copy + copy) << LogText();
    EXPECT_EQ(NextAnswer(seen), "0|" + port + ":AppSocket|" + label.Path()) << LogText();

    const swtest::TempFile large(std::string(4 << 20, 'x'));
    PrintRemotely(main, RemoteJobTexts(large.Path()), broken);
    const std::string answer = NextAnswer(seen);
    EXPECT_NE(answer.substr(0, 2), "0|") << answer;
    EXPECT_NE(answer.find("|" + broken + "|"), std::string::npos) << answer;
    EXPECT_TRUE(LogHas("Not printed on " + broken + ": ")) << LogText();

    EXPECT_EQ(PrintFromCommandLine(port + ":AppSocket", label.Path()), 0u) << LogText();
    EXPECT_EQ(inbox.NextJob(), "^XA^FDlabel^FS^XZ") << LogText();
}

// A daemon's queue (LPD): CUPS's own LPD server in front of the plain site,
// whose queue's virtual printer gets the job's bytes with its orientation
// sequences and form feed, every copy in the one data file, from the
// companion's controls and from the main program's command line; a queue
// the daemon does not have is refused, with the code the command line exits with.
TEST_F(Companion, PrintsToADaemonsQueueAndReportsItsRefusal) {
    const std::string daemon = "lpd://127.0.0.1:" + std::to_string(PortOf("lpd.port"));
    const std::string queue = daemon + "/sw_remote";
    const std::string missing = daemon + "/sw_missing";
    WriteSites(queue + "|" + missing);
    MainWindowStandIn main;
    StartCompanion();
    ASSERT_TRUE(swtest::WaitFor([&] { return main.AllAnnounced(); }, kWaitMs)) << LogText();
    EXPECT_EQ(swtest::ListBoxItems(main.Handle(sw::kFieldPrinterList)),
              (std::vector<std::string>{queue + ":sw_remote", missing + ":sw_missing"}));

    auto inbox = SiteInbox(kPlainQueue);
    const swtest::TempFile label("^XA^FDlabel^FS^XZ");
    RemoteJobTexts raw(label.Path());
    raw.copies = "2";
    raw.autoFormfeed = "-1";
    raw.orientation = "1|\x1B&l1O|\x1B&l0O";
    std::size_t seen = 0;
    PrintRemotely(main, raw, queue + ":sw_remote");
    const std::string copy = "\x1B&l1O^XA^FDlabel^FS^XZ\f\x1B&l0O";
    EXPECT_EQ(inbox.NextJob(), copy + copy) << LogText();
    EXPECT_EQ(NextAnswer(seen), "0|" + queue + ":sw_remote|" + label.Path()) << LogText();
    EXPECT_TRUE(LogHas("the daemon acknowledged the whole job")) << LogText();

    PrintRemotely(main, RemoteJobTexts(label.Path()), missing + ":sw_missing");
    EXPECT_EQ(NextAnswer(seen),
              std::to_string(sw::kJobRefusedCode) + "|" + missing + ":sw_missing|" + label.Path())
        << LogText();
    EXPECT_TRUE(LogHas("Not printed on " + missing + ":sw_missing: " + missing +
                       ": the daemon refused a job for queue \"sw_missing\" (50)"))
        << LogText();

    EXPECT_EQ(PrintFromCommandLine(queue + ":sw_remote", label.Path()), 0u) << LogText();
    EXPECT_EQ(inbox.NextJob(), "^XA^FDlabel^FS^XZ") << LogText();
    EXPECT_EQ(PrintFromCommandLine(missing + ":sw_missing", label.Path()),
              static_cast<DWORD>(sw::kJobRefusedCode))
        << LogText();
}

// A job the IPP printer took is followed until it has completed: the
// window shows its state, and the command line ends with 0 only then.
TEST_F(Companion, FollowsAJobToItsEndAtAnIppPrinter) {
    const swtest::TempFile report("followed\r\n");
    EXPECT_EQ(PrintFromCommandLine(Entry(kIppPrinter), report.Path()), 0u) << LogText();
    EXPECT_TRUE(LogHas("Sent " + report.Path() + " to " + Entry(kIppPrinter) + " (job "))
        << LogText();
    EXPECT_TRUE(LogHas(" on " + Entry(kIppPrinter) + ": completed")) << LogText();
    EXPECT_TRUE(LogHas("Printed " + report.Path() + " on " + Entry(kIppPrinter) + " (job "))
        << LogText();
}

// A job cancelled at the printer while it prints ends the command line with
// the cancelled code, and the window says so.
TEST_F(Companion, ReportsAJobCancelledWhileItPrints) {
    WriteSites(Address(kSlowPrinterSite));
    const swtest::TempFile report("cancelled\r\n");
    auto program = swtest::StartProgram("\"" + Entry(kSlowPrinter) + "|" + report.Path() + "\"");
    const std::string sent = "Sent " + report.Path() + " to " + Entry(kSlowPrinter) + " (job ";
    std::string job;
    ASSERT_TRUE(swtest::WaitFor(
        [&] {
            const std::string log = LogText();
            const std::size_t at = log.find(sent);
            if (at == std::string::npos)
                return false;
            job = log.substr(at + sent.size(), log.find(',', at) - at - sent.size());
            return LogHas("Job " + job + " on " + Entry(kSlowPrinter) + ": processing");
        },
        60000))
        << LogText();
    std::string output;
    const std::string cancel = "ipptool -t " + swtest::ShellQuoted(Address(kSlowPrinterSite)) +
                               " -d job-id=" + job + " " +
                               swtest::ShellQuoted(swtest::EnvironmentText("SW_SOURCE_DIR") +
                                                   "/tests/win/remote/cancel-job.test");
    ASSERT_EQ(swtest::RunHostCommand(cancel, &output), 0) << output;
    EXPECT_EQ(program.WaitForExit(60000), static_cast<DWORD>(sw::kJobCancelledCode)) << LogText();
    EXPECT_TRUE(LogHas("Not printed on " + Entry(kSlowPrinter) + ": job " + job +
                       " (copy 1 of 1) was cancelled at the site (error 63)"))
        << LogText();
}

// A stopped queue takes the job and holds it: the window says before the
// upload that the printer is stopped, and once the site's short wait has
// run out the command line ends with the code of a job that has not ended.
// While the held job is followed, the site's other queues print.
TEST_F(Companion, ReportsAJobStillHeldWhenTheSitesWaitRunsOut) {
    WriteSites(Address(kPlainSite) + " wait=6");
    const std::string stopped = Address(kPlainSite) + ":sw_stopped";
    const swtest::TempFile report("held\r\n"), other("not held up\r\n");
    auto held = swtest::StartProgram("\"" + stopped + "|" + report.Path() + "\"");
    ASSERT_TRUE(swtest::WaitFor([&] { return LogHas("Sent " + report.Path()); }, 60000))
        << LogText();
    auto inbox = SiteInbox(kPlainQueue);
    EXPECT_EQ(PrintFromCommandLine(Entry(kPlainQueue), other.Path()), 0u) << LogText();
    EXPECT_EQ(inbox.NextJob(), "not held up\r\n") << LogText();
    EXPECT_FALSE(LogHas("Not printed on " + stopped)) << "held up by the held job\n" << LogText();

    EXPECT_EQ(held.WaitForExit(60000), static_cast<DWORD>(sw::kJobNotEndedCode)) << LogText();
    EXPECT_TRUE(LogHas(stopped + " is stopped (paused): Stopped for the tests; the job is sent all "
                                 "the same"))
        << LogText();
    EXPECT_TRUE(LogHas(" (copy 1 of 1) has not printed within the wait of 6 s; it is pending"))
        << LogText();
    EXPECT_TRUE(LogHas("(error 258)")) << LogText();
    swtest::RunHostCommand("PATH=\"$PATH:/usr/sbin:/sbin\"; . " +
                           swtest::ShellQuoted(SitesRun() + "/site/env.sh") +
                           " && cancel -a sw_stopped");
}

// The first job to a site that wants a sign-in crosses the wire once: the
// site asks for it before the document is uploaded.
TEST_F(Companion, UploadsTheFirstJobToASignInSiteOnce) {
    swtest::CountingRelay relay(PortOf(kSites[kTlsSite].portFile));
    const std::string site = "ipps://localhost:" + std::to_string(relay.Port());
    WriteSites(site);
    swtest::StoreGenericCredential("Spoolwright Remote/" + site, kUser, kPassword);
    auto inbox = SiteInbox(kSignInQueue);
    const std::string document(2 << 20, 'x');
    const swtest::TempFile large(document);
    EXPECT_EQ(PrintFromCommandLine(site + ":sw_signin", large.Path()), 0u) << LogText();
    EXPECT_EQ(inbox.NextJob().size(), document.size()) << LogText();
    EXPECT_GT(relay.BytesToServer(), document.size());
    EXPECT_LT(relay.BytesToServer(), document.size() + document.size() / 2)
        << "the document was uploaded more than once\n"
        << LogText();
    swtest::ForgetGenericCredential("Spoolwright Remote/" + site);
}

TEST_F(Companion, AnnouncesAgainToANewMainWindow) {
    StartCompanion();
    {
        MainWindowStandIn first;
        ASSERT_TRUE(swtest::WaitFor([&] { return first.AllAnnounced(); }, kWaitMs));
    }
    MainWindowStandIn second;
    ASSERT_TRUE(swtest::WaitFor([&] { return second.AllAnnounced(); }, kWaitMs))
        << "the second window got nothing";
    EXPECT_NE(second.Handle(sw::kFieldPrintCommand), nullptr);
}

// A second start brings the running companion forward and ends: it never
// announces controls of its own that would be dead once it closed.
TEST_F(Companion, ASecondStartBringsTheRunningOneForwardAndEnds) {
    MainWindowStandIn main;
    StartCompanion();
    ASSERT_TRUE(swtest::WaitFor([&] { return main.AllAnnounced(); }, kWaitMs));
    HWND first = CompanionWindow();
    HWND firstButton = main.Handle(sw::kFieldPrintCommand);
    ShowWindow(first, SW_MINIMIZE);
    ASSERT_TRUE(swtest::WaitFor([&] { return IsIconic(first) != FALSE; }));

    swtest::RunningProgram second(CompanionProgram(), "");
    DWORD exitCode = STILL_ACTIVE;
    ASSERT_TRUE(swtest::WaitFor([&] { return (exitCode = second.WaitForExit(0)) != STILL_ACTIVE; }))
        << "the second start did not end";
    EXPECT_EQ(exitCode, 0u);
    EXPECT_TRUE(swtest::WaitFor([&] { return IsIconic(first) == FALSE; })) << "not restored";
    EXPECT_EQ(CompanionWindow(), first);
    EXPECT_EQ(main.Handle(sw::kFieldPrintCommand), firstButton);
    EXPECT_EQ(MainWindowStandIn::order.size(), sw::kCompanionFieldCount);
}

// The main program's remote route with the real companion: swutil.exe
// "site:printer|file" starts Remsw.exe from its own folder (or finds it
// running), hands it the job with the remote printer's stored settings once
// it has announced its controls, and ends; the companion sends each copy to
// the site. Every kind of site gets the bytes unchanged.
TEST_F(Companion, CarriesTheMainProgramsCommandLinePrintToEachSite) {
    StoreSignIn(kPassword);
    const std::string printer = Entry(kPlainQueue);
    swtest::Store("Printers AutoFormfeed", printer, "1");
    swtest::Store("Printers Orientation " + printer, "Landscape status", "1");
    swtest::Store("Number of copies by printer " + printer, "Copies", "2");
    auto plain = SiteInbox(kPlainQueue);
    const swtest::TempFile report("remote report\r\n");
    EXPECT_EQ(PrintFromCommandLine(printer, report.Path()), 0u) << "the main program did not end";
    const std::string expected = "\x1B&l1Oremote report\r\n\f\x1B&l0O";
    EXPECT_EQ(plain.NextJob(), expected) << "copy 1";
    EXPECT_EQ(plain.NextJob(), expected) << "copy 2";

    auto tls = SiteInbox(kTlsQueue);
    auto signIn = SiteInbox(kSignInQueue);
    PrinterSpool spool;
    for (const std::string& target : {Entry(kTlsQueue), Entry(kSignInQueue), Entry(kIppPrinter)})
        EXPECT_EQ(PrintFromCommandLine(target, report.Path()), 0u) << target;
    EXPECT_EQ(tls.NextJob(), "remote report\r\n") << LogText();
    EXPECT_EQ(signIn.NextJob(), "remote report\r\n") << LogText();
    EXPECT_EQ(spool.NextJob("remote report\r\n"), "remote report\r\n") << LogText();
    // A job the site does not take ends the command line with the companion's code.
    EXPECT_EQ(PrintFromCommandLine(Entry(kPlainSignInQueue), report.Path()),
              static_cast<DWORD>(sw::kSignInNotSentCode))
        << LogText();
}

// The unattended route: swutil.exe, started with unattended printing on,
// hands a watched file to the companion once for each schedule, one
// schedule per kind of site, and logs each print.
TEST_F(Companion, CarriesAnUnattendedScheduleToEachSite) {
    StoreSignIn(kPassword);
    const std::string programFolder = sw::FolderPart(swtest::ProgramFromEnvironment("SW_SWUTIL"));
    const auto removeProgramFiles = [&] {
        for (const char* name : {"sw.dat", "Unattended.txt", "swprinted.dat", "swprinting.dat"})
            DeleteFileA((programFolder + name).c_str());
    };
    removeProgramFiles();
    const swtest::TempFolder watched("-watched");
    watched.Write("scheduled.prn", "scheduled report\r\n"); // printed once it has settled
    const std::vector<std::string> targets = {Entry(kPlainQueue), Entry(kTlsQueue),
                                              Entry(kSignInQueue), Entry(kIppPrinter)};
    std::string schedules;
    for (const std::string& target : targets) {
        const sw::ScheduleRecordBytes record = sw::EncodeScheduleRecord(
            swtest::ScheduleBuilder(watched.Path(), "*.prn", target).Interval(500));
        schedules.append(record.begin(), record.end());
    }
    ASSERT_TRUE(swtest::WriteToFile(programFolder + "sw.dat", schedules));
    swtest::Store("Unattended", "Status", "1"); // on since the last run
    EverySite sites;

    auto program = swtest::StartProgram("");
    sites.ExpectNextJobs("scheduled report\r\n");
    std::string log;
    EXPECT_TRUE(swtest::WaitFor([&] {
        log = swtest::ReadWholeFile(programFolder + "Unattended.txt");
        return std::all_of(targets.begin(), targets.end(), [&](const std::string& target) {
            return log.find("scheduled.prn   printed successfully to " + target + "\r\n") !=
                   std::string::npos;
        });
    })) << log;
    // A file written now is printed some ticks later: by then a schedule
    // that prints a file more than once would have printed the first again.
    watched.Write("later.prn", "later\r\n");
    sites.ExpectNextJobs("later\r\n", "the first file printed again\n");
    EXPECT_TRUE(swtest::CloseWindowAndWait(sw::kMainWindowClassName, nullptr));
    for (swtest::PrinterInbox* inbox : {&sites.plain, &sites.tls, &sites.signIn})
        EXPECT_FALSE(inbox->HasNextJob());
    removeProgramFiles();
}

// The interactive route: a file dropped on the main window and a remote
// printer chosen in its list, then the Print command.
TEST_F(Companion, CarriesTheMainWindowsPrintToEachSite) {
    StoreSignIn(kPassword);
    StartCompanion();
    auto program = swtest::StartProgram("");
    HWND window = program.WaitForWindow(sw::kMainWindowClassName);
    ASSERT_NE(window, nullptr);
    HWND list = nullptr;
    ASSERT_TRUE(swtest::WaitFor(
        [&] {
            list = GetDlgItem(window, IDC_MAIN_PRINTERS);
            return list != nullptr && Contains(swtest::ListBoxItems(list), Entry(kIppPrinter));
        },
        kWaitMs))
        << LogText();

    const swtest::TempFile report("from the window\r\n");
    swtest::DropFiles(window, {report.Path()});
    EverySite sites;
    for (const std::string& target :
         {Entry(kPlainQueue), Entry(kTlsQueue), Entry(kSignInQueue), Entry(kIppPrinter)}) {
        const LRESULT index = SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                           reinterpret_cast<LPARAM>(target.c_str()));
        ASSERT_NE(index, LB_ERR) << target;
        SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
        swtest::SendCommand(window, IDM_PRINT);
    }
    sites.ExpectNextJobs("from the window\r\n");
    EXPECT_TRUE(swtest::CloseWindowAndWait(sw::kMainWindowClassName, nullptr));
}

// Names in any script reach the site whole: from the main program's command
// line through the companion's controls to the file the companion sends.
TEST_F(Companion, CarriesNamesInAnyScriptToTheSite) {
    const swtest::TempFolder folder("-names", swtest::RunFolder());
    auto plain = SiteInbox(kPlainQueue);
    for (const std::string& name : swtest::NamesInOtherScripts()) {
        const std::string path = folder.Write(name, "remote " + name);
        EXPECT_EQ(PrintFromCommandLine(Entry(kPlainQueue), path), 0u) << name;
        EXPECT_EQ(plain.NextJob(), "remote " + name);
    }
}

} // namespace
