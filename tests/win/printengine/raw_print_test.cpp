// PrintFile through Wine's spooler and a real CUPS raw queue: the tests check
// the bytes the virtual printer received and, through the spooler seam, the
// write calls that carried them.
#include "printengine/library_state.h"
#include "printengine/printer_driver.h"
#include "printengine/spooler_api.h"
#include "printengine/swprint.h"
#include "support/long_path_file.h"
#include "support/print_server.h"
#include "support/scoped_seam.h"
#include "support/temp_files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using swtest::ExpectNothingSentBefore;
using swtest::PrinterInbox;
using swtest::TempFile;

const char kPrinter[] = "sw_raw";
const char kLongPrinter[] = "sw_long_name_queue_0123456789_0123456789_0123456789_0123456";

// Switches the job additions for one test and off again afterwards, as every
// caller of the library does.
class Additions {
  public:
    Additions(SHORT orientation, SHORT formFeed) {
        SHORT previous = 0;
        Orientation(&orientation, &previous, "", "");
        SetAutoformfeed(&formFeed);
    }
    ~Additions() {
        SHORT off = 0, previous = 0;
        Orientation(&off, &previous, "", "");
        SetAutoformfeed(&off);
    }
};

// The spooler call a test makes fail.
enum class Failing { Nothing, Open, StartDoc, Write, ShortWrites, EndDoc, Close };

// Wraps the spooler table for one test: records each call, can make one fail
// (with ERROR_DISK_FULL, or open with ERROR_ACCESS_DENIED), or make every
// write take one byte less than it is given.
class SpoolerRecorder : public swtest::ScopedSeam<sw::SpoolerApi, SpoolerRecorder> {
  public:
    explicit SpoolerRecorder(Failing failing = Failing::Nothing, int failWriteAt = -1)
        : ScopedSeam(sw::Spooler()), failing_(failing), failWriteAt_(failWriteAt) {
        sw::Spooler().openPrinter = &Open;
        sw::Spooler().writePrinter = &Write;
        sw::Spooler().startDocPrinter = &StartDoc;
        sw::Spooler().abortPrinter = &Abort;
        sw::Spooler().endDocPrinter = &EndDoc;
        sw::Spooler().closePrinter = &Close;
    }

    // A stand-in driver's answer, which the library remembers, is not left
    // for the tests after.
    ~SpoolerRecorder() { ForgetDataTypes(); }

    // The driver the printer reports: as the spooler has it, or a stand-in,
    // which no answer the library remembers from an earlier job may hide.
    enum class Driver { AsItIs, Xps, Ordinary, Unreadable };
    void ReportDriver(Driver driver) {
        ForgetDataTypes();
        driver_ = driver;
        if (driver != Driver::AsItIs)
            sw::Spooler().getPrinterDriver = &GetDriver;
    }

    std::vector<DWORD> writes;
    std::vector<std::string> dataTypes; // of each document started
    int driverReads = 0;                // of a stand-in driver
    int starts = 0;
    int aborts = 0;
    int endDocs = 0;
    int closes = 0;

  private:
    static void ForgetDataTypes() { sw::State().dataTypes = sw::DataTypeMemory(); }
    static BOOL Fail(DWORD error) {
        SetLastError(error);
        return FALSE;
    }
    static BOOL WINAPI Open(LPSTR name, LPHANDLE printer, LPPRINTER_DEFAULTSA defaults) {
        if (Active()->failing_ == Failing::Open)
            return Fail(ERROR_ACCESS_DENIED);
        return Active()->Real().openPrinter(name, printer, defaults);
    }
    static BOOL WINAPI Write(HANDLE printer, LPVOID bytes, DWORD length, LPDWORD written) {
        SpoolerRecorder& self = *Active();
        const int index = static_cast<int>(self.writes.size());
        self.writes.push_back(length);
        if (self.failing_ == Failing::Write && index == self.failWriteAt_) {
            *written = 0;
            return Fail(ERROR_DISK_FULL);
        }
        if (self.failing_ == Failing::ShortWrites && length > 1)
            return self.Real().writePrinter(printer, bytes, length - 1, written);
        return self.Real().writePrinter(printer, bytes, length, written);
    }
    static DWORD WINAPI StartDoc(HANDLE printer, DWORD level, LPBYTE info) {
        ++Active()->starts;
        if (Active()->failing_ == Failing::StartDoc) {
            SetLastError(ERROR_NOT_ENOUGH_MEMORY);
            return 0;
        }
        DOC_INFO_1A document = *reinterpret_cast<DOC_INFO_1A*>(info);
        Active()->dataTypes.push_back(document.pDatatype != nullptr ? document.pDatatype : "");
        // Wine's spooler knows no "XPS_PASS" (its EndDocPrinter then fails
        // with 122 and drops the job), so such a job goes on to the print
        // server as the RAW job it is on the way there.
        char raw[] = "RAW";
        document.pDatatype = raw;
        return Active()->Real().startDocPrinter(printer, level,
                                                reinterpret_cast<LPBYTE>(&document));
    }
    static BOOL WINAPI GetDriver(HANDLE printer, LPSTR environment, DWORD level, LPBYTE buffer,
                                 DWORD size, LPDWORD needed) {
        const Driver driver = Active()->driver_;
        ++Active()->driverReads;
        if (driver == Driver::Unreadable || level != sw::kDriverInfo8Level)
            return Fail(ERROR_INVALID_LEVEL);
        // The printer's own record, with the attributes of the driver stood for.
        if (!Active()->Real().getPrinterDriver(printer, environment, level, buffer, size, needed))
            return FALSE;
        auto* info = reinterpret_cast<sw::DriverInfo8*>(buffer);
        info->dwPrinterDriverAttributes = driver == Driver::Xps ? PRINTER_DRIVER_XPS : 0;
        return TRUE;
    }
    static BOOL WINAPI EndDoc(HANDLE printer) {
        ++Active()->endDocs;
        const BOOL ended = Active()->Real().endDocPrinter(printer);
        return Active()->failing_ == Failing::EndDoc ? Fail(ERROR_DISK_FULL) : ended;
    }
    static BOOL WINAPI Abort(HANDLE printer) {
        ++Active()->aborts;
        return Active()->Real().abortPrinter(printer);
    }
    static BOOL WINAPI Close(HANDLE printer) {
        ++Active()->closes;
        const BOOL closed = Active()->Real().closePrinter(printer);
        return Active()->failing_ == Failing::Close ? Fail(ERROR_DISK_FULL) : closed;
    }

    Failing failing_;
    int failWriteAt_;
    Driver driver_ = Driver::AsItIs;
};

std::string Pattern(size_t size) {
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(i % 251);
    return bytes;
}

TEST(PrintFile, SendsA12000ByteFileUnchangedInThreeWrites) {
    const std::string content = Pattern(12000);
    TempFile file(content);
    PrinterInbox inbox(kPrinter);
    SpoolerRecorder recorder;

    swtest::PoisonLastError();
    EXPECT_EQ(PrintFile(kPrinter, file.Path().c_str()), 0);

    EXPECT_EQ(recorder.writes, (std::vector<DWORD>{5000, 5000, 2000}));
    EXPECT_EQ(inbox.NextJob(), content);
}

TEST(PrintFile, ChunkBoundaryAt5000Bytes) {
    TempFile exactly(Pattern(5000));
    TempFile oneMore(Pattern(5001));
    PrinterInbox inbox(kPrinter);
    SpoolerRecorder recorder;

    EXPECT_EQ(PrintFile(kPrinter, exactly.Path().c_str()), 0);
    EXPECT_EQ(recorder.writes, (std::vector<DWORD>{5000}));
    recorder.writes.clear();
    EXPECT_EQ(PrintFile(kPrinter, oneMore.Path().c_str()), 0);
    EXPECT_EQ(recorder.writes, (std::vector<DWORD>{5000, 1}));

    EXPECT_EQ(inbox.NextJob(), Pattern(5000));
    EXPECT_EQ(inbox.NextJob(), Pattern(5001));
}

TEST(PrintFile, AutomaticFormFeedOnlyWhereTheFileDoesNotEndInOne) {
    TempFile empty("");
    TempFile endsInFormFeed("page one\f");
    TempFile formFeedThenLineFeed("page one\f\n");
    PrinterInbox inbox(kPrinter);
    Additions formFeed(0, -1);
    SpoolerRecorder recorder;

    EXPECT_EQ(PrintFile(kPrinter, empty.Path().c_str()), 0);
    EXPECT_EQ(recorder.writes, (std::vector<DWORD>{0, 1})) << "a zero-length write, then 0x0C";
    EXPECT_EQ(PrintFile(kPrinter, endsInFormFeed.Path().c_str()), 0);
    EXPECT_EQ(PrintFile(kPrinter, formFeedThenLineFeed.Path().c_str()), 0);

    EXPECT_EQ(inbox.NextJob(), "\f");
    EXPECT_EQ(inbox.NextJob(), "page one\f");
    EXPECT_EQ(inbox.NextJob(), "page one\f\n\f");
}

TEST(PrintFile, OrientationSequencesDefaultStoredAndNeverCleared) {
    TempFile file("text");
    PrinterInbox inbox(kPrinter);
    Additions both(-1, -1);

    // Nothing stored yet: the default PCL landscape and portrait commands,
    // the end sequence after the form feed.
    EXPECT_EQ(PrintFile(kPrinter, file.Path().c_str()), 0);
    EXPECT_EQ(inbox.NextJob(), "\x1B&l1Otext\f\x1B&l0O");

    SHORT on = 1, previous = 0;
    Orientation(&on, &previous, "\x1B&l2A",
                "\x1B"
                "E");
    EXPECT_EQ(previous, -1) << "the previous flag is reported before the new one applies";
    EXPECT_EQ(PrintFile(kPrinter, file.Path().c_str()), 0);
    EXPECT_EQ(inbox.NextJob(), "\x1B&l2Atext\f\x1B"
                               "E");

    // Empty texts change only the flag: the stored sequences stay.
    SHORT off = 0;
    Orientation(&off, &previous, "", nullptr);
    EXPECT_EQ(previous, 1) << "the flag is stored as given";
    EXPECT_EQ(PrintFile(kPrinter, file.Path().c_str()), 0);
    EXPECT_EQ(inbox.NextJob(), "text\f");
    Orientation(&on, &previous, "", "");
    EXPECT_EQ(PrintFile(kPrinter, file.Path().c_str()), 0);
    EXPECT_EQ(inbox.NextJob(), "\x1B&l2Atext\f\x1B"
                               "E");
}

TEST(PrintFile, FileLargerThan100MBArrivesWhole) {
    TempFile file(100ull * 1024 * 1024 + 4321, ".prn");
    PrinterInbox inbox(kPrinter);

    EXPECT_EQ(PrintFile(kPrinter, file.Path().c_str()), 0);

    const std::string received = inbox.NextJobPath();
    ASSERT_FALSE(received.empty());
    EXPECT_TRUE(swtest::SameContents(file.Path(), received));
    // Keep the run folder small, and the file, which numbers the next job.
    HANDLE job =
        CreateFileA(received.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    SetEndOfFile(job);
    CloseHandle(job);
}

TEST(PrintFile, DocumentNameIsThePrefixAndTheTrimmedFileName) {
    TempFile file("named");
    PrinterInbox inbox("sw_second");
    const std::string spaced = "  " + file.Path() + "  ";

    EXPECT_EQ(PrintFile("sw_second", spaced.c_str()), 0);
    EXPECT_EQ(inbox.NextJob(), "named");

    const std::string name = file.Path().substr(file.Path().rfind('\\') + 1);
    const std::vector<std::string> names = swtest::CompletedJobNames("sw_second");
    ASSERT_FALSE(names.empty());
    EXPECT_EQ(names.back(), "Spoolwright: " + name);
}

TEST(PrintFile, UnknownPrinterReturnsTheSystemErrorAndSendsNothing) {
    TempFile file("must not print");
    PrinterInbox inbox(kPrinter);

    swtest::PoisonLastError();
    EXPECT_EQ(PrintFile("sw_no_such_printer", file.Path().c_str()), ERROR_INVALID_PRINTER_NAME);
    EXPECT_NE(PrintFile(nullptr, file.Path().c_str()), 0) << "no printer is no success";

    ExpectNothingSentBefore(inbox, kPrinter);
}

TEST(PrintFile, PrinterNameIsCutTo59Characters) {
    ASSERT_EQ(sizeof(kLongPrinter) - 1, 59u);
    TempFile file("long name");
    PrinterInbox inbox(kLongPrinter);
    const std::string longer = std::string(kLongPrinter) + "6789 and more";

    EXPECT_EQ(PrintFile(longer.c_str(), file.Path().c_str()), 0);
    EXPECT_EQ(inbox.NextJob(), "long name");
}

TEST(PrintFile, MissingFileFailsWithoutCreatingItOrSpooling) {
    TempFile present("x");
    const std::string missing = present.Path() + ".missing";
    PrinterInbox inbox(kPrinter);
    Additions both(-1, -1);

    swtest::PoisonLastError();
    EXPECT_EQ(PrintFile(kPrinter, missing.c_str()), ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(swtest::FileExists(missing)) << "printing must never create the file";
    // The printer is opened first: an unknown printer reports its own error.
    EXPECT_EQ(PrintFile("sw_no_such_printer", missing.c_str()), ERROR_INVALID_PRINTER_NAME);

    Additions off(0, 0);
    ExpectNothingSentBefore(inbox, kPrinter);
}

TEST(PrintFile, SharesTheFileForReadingAndNeverWritesIt) {
    TempFile file("shared");
    PrinterInbox inbox(kPrinter);

    // Another reader that allows readers: printing goes on beside it.
    HANDLE reader = CreateFileA(file.Path().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    EXPECT_EQ(PrintFile(kPrinter, file.Path().c_str()), 0);
    CloseHandle(reader);
    EXPECT_EQ(inbox.NextJob(), "shared");

    // A file locked by another program is a failure, not an empty job.
    HANDLE locker =
        CreateFileA(file.Path().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(locker, INVALID_HANDLE_VALUE);
    EXPECT_EQ(PrintFile(kPrinter, file.Path().c_str()), ERROR_SHARING_VIOLATION);
    CloseHandle(locker);
    ExpectNothingSentBefore(inbox, kPrinter);

    // A read-only file prints: nothing asks for write access.
    SetFileAttributesA(file.Path().c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(PrintFile(kPrinter, file.Path().c_str()), 0);
    SetFileAttributesA(file.Path().c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(inbox.NextJob(), "shared");
}

TEST(PrintFile, ShortWritesGoOnWithTheRestAndTheJobArrivesWhole) {
    const std::string content = Pattern(12000);
    TempFile file(content);
    PrinterInbox inbox(kPrinter);
    SpoolerRecorder recorder(Failing::ShortWrites);

    EXPECT_EQ(PrintFile(kPrinter, file.Path().c_str()), 0);

    // Each chunk is offered once whole; the spooler takes one byte less each
    // time, so the last byte of the chunk follows in a call of its own.
    EXPECT_EQ(recorder.writes, (std::vector<DWORD>{5000, 1, 5000, 1, 2000, 1}));
    EXPECT_EQ(recorder.aborts, 0);
    EXPECT_EQ(inbox.NextJob(), content);
}

// Each spooler call that can fail, made to fail through the seam: PrintFile
// gives that call's error, never 0; a job that started and failed is
// aborted, never ended; the printer is closed whenever it was opened.
//
// Wine's AbortPrinter is a stub: the part of an aborted job spooled so far is
// still handed to the print server when the printer is closed (on Windows the
// spooler deletes it). So these jobs go to a queue of their own, and the test
// checks the calls that discard the job on Windows.
TEST(PrintFile, EveryFailingSpoolerCallGivesItsError) {
    const char printer[] = "sw_abort";
    TempFile file(Pattern(12000));
    const struct {
        Failing failing;
        LONG error;
        std::vector<DWORD> writes;
        int starts, aborts, endDocs, closes;
    } cases[] = {
        {Failing::Open, ERROR_ACCESS_DENIED, {}, 0, 0, 0, 0},
        {Failing::StartDoc, ERROR_NOT_ENOUGH_MEMORY, {}, 1, 0, 0, 1},
        {Failing::Write, ERROR_DISK_FULL, {5000, 5000}, 1, 1, 0, 1},
        {Failing::EndDoc, ERROR_DISK_FULL, {5000, 5000, 2000}, 1, 0, 1, 1},
        {Failing::Close, ERROR_DISK_FULL, {5000, 5000, 2000}, 1, 0, 1, 1},
    };
    for (const auto& c : cases) {
        SpoolerRecorder recorder(c.failing, 1);
        swtest::PoisonLastError();
        const int failing = static_cast<int>(c.failing);
        EXPECT_EQ(PrintFile(printer, file.Path().c_str()), c.error) << "failing call " << failing;
        EXPECT_EQ(recorder.writes, c.writes) << "failing call " << failing;
        EXPECT_EQ(recorder.starts, c.starts) << "failing call " << failing;
        EXPECT_EQ(recorder.aborts, c.aborts) << "failing call " << failing;
        EXPECT_EQ(recorder.endDocs, c.endDocs) << "failing call " << failing;
        EXPECT_EQ(recorder.closes, c.closes) << "failing call " << failing;
    }
}

TEST(PrintFile, DeviceIsNoFileToPrint) {
    PrinterInbox inbox(kPrinter);
    // Under Wine, as on Windows, the device opens: as a file it would print
    // an empty job, or read from a port that never ends.
    for (const char* device : {"NUL", "C:\\NUL", "AUX"}) {
        swtest::PoisonLastError();
        EXPECT_EQ(PrintFile(kPrinter, device), ERROR_INVALID_NAME) << device;
    }
    ExpectNothingSentBefore(inbox, kPrinter);
}

// A printer whose driver is an XPS driver takes a RAW job and prints
// nothing; it gets the data type "XPS_PASS", which passes the bytes on as
// they are. Every other printer, and one whose driver cannot be read, gets
// "RAW". Wine's queues have ordinary drivers; the XPS driver and the
// unreadable one are stand-ins through the spooler seam.
TEST(PrintFile, DataTypeFollowsThePrinterDriver) {
    const std::string content = "\x1B"
                                "E" +
                                Pattern(6000) + "\f";
    TempFile file(content);
    PrinterInbox inbox(kPrinter);
    const struct {
        SpoolerRecorder::Driver driver;
        const char* dataType;
    } cases[] = {
        {SpoolerRecorder::Driver::AsItIs, "RAW"},
        {SpoolerRecorder::Driver::Xps, "XPS_PASS"},
        {SpoolerRecorder::Driver::Ordinary, "RAW"},
        {SpoolerRecorder::Driver::Unreadable, "RAW"},
    };
    for (const auto& c : cases) {
        SpoolerRecorder recorder;
        recorder.ReportDriver(c.driver);
        EXPECT_EQ(PrintFile(kPrinter, file.Path().c_str()), 0) << c.dataType;
        EXPECT_EQ(recorder.dataTypes, std::vector<std::string>{c.dataType});
        EXPECT_EQ(inbox.NextJob(), content) << "the bytes pass unchanged with " << c.dataType;
    }
}

// A burst of jobs to one printer reads its driver once; after a job that
// failed, the next one reads it again, in case the driver was changed.
TEST(PrintFile, BurstReadsThePrinterDriverOnceUntilAJobFails) {
    TempFile file("burst");
    PrinterInbox inbox(kPrinter);
    SpoolerRecorder recorder;
    recorder.ReportDriver(SpoolerRecorder::Driver::Xps);
    EXPECT_EQ(PrintFile(kPrinter, file.Path().c_str()), 0);
    EXPECT_EQ(PrintFile(kPrinter, file.Path().c_str()), 0);
    EXPECT_EQ(recorder.driverReads, 1);
    EXPECT_EQ(recorder.dataTypes, (std::vector<std::string>{"XPS_PASS", "XPS_PASS"}));

    EXPECT_NE(PrintFile(kPrinter, (file.Path() + ".missing").c_str()), 0);
    EXPECT_EQ(PrintFile(kPrinter, file.Path().c_str()), 0);
    EXPECT_EQ(recorder.driverReads, 2);
    for (int job = 0; job < 3; ++job)
        EXPECT_EQ(inbox.NextJob(), "burst");
}

// A path is never cut: one longer than 259 characters prints whole, and an
// argument longer than any path the system takes is refused with error 206
// rather than cut to a path of another file.
TEST(PrintFileLongPath, PrintsALongPathWholeAndRefusesALongerThanAnyPath) {
    const swtest::LongPathFile file("long path bytes");
    swtest::PrinterInbox inbox("sw_raw");
    EXPECT_EQ(PrintFile("sw_raw", file.Path().c_str()), 0);
    EXPECT_EQ(inbox.NextJob(), "long path bytes");

    const std::string tooLong = "C:\\" + std::string(3 * 32767 + 10, 'x');
    EXPECT_EQ(PrintFile("sw_raw", tooLong.c_str()), ERROR_FILENAME_EXCED_RANGE);
    const std::string beyondTheSystem = "C:\\" + std::string(33000, 'x');
    EXPECT_EQ(PrintFile("sw_raw", beyondTheSystem.c_str()), ERROR_FILENAME_EXCED_RANGE);
    EXPECT_FALSE(inbox.HasNextJob());
}

} // namespace
