// The printer directory under Wine against the private print server: the
// queues it lists, the default printer it reads and switches, and the purge of
// every queue. What Wine's spooler cannot show (the "Rendering Subsystem"
// entry, an enumeration in any size, a purge that works) goes through the
// directory's spooler table.
#include "printengine/library_state.h"
#include "printengine/printer_directory.h"
#include "printengine/spooler_api.h"
#include "printengine/swprint.h"
#include "support/ole_text.h"
#include "support/print_server.h"
#include "support/program_driver.h"
#include "support/scoped_seam.h"
#include "support/temp_files.h"
#include "support/text_lines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

using Names = std::vector<std::string>;
using swtest::TakeOleText;

const char kPrinter[] = "sw_raw";
const char kSecondPrinter[] = "sw_second";

Names ListedPrinters() {
    const SHORT count = AvailablePrinters();
    Names names;
    for (SHORT i = 0; i < count; ++i)
        names.push_back(TakeOleText(PrinterDeviceName(&i)));
    return names;
}

// The queues of the print server, as CUPS lists them.
Names ServerQueues() {
    std::string output;
    EXPECT_EQ(swtest::RunHostCommand("lpstat -e", &output), 0) << output;
    return swtest::SplitLines(output);
}

std::string DeviceValue() {
    return sw::ReadProfileValue("windows", "device", 300);
}

// Each test leaves the "device" entry of the "windows" section as it found it.
class PrinterDirectory : public testing::Test {
  protected:
    void TearDown() override { WriteProfileStringA("windows", "device", saved_.c_str()); }
    const std::string saved_ = DeviceValue();
};

TEST_F(PrinterDirectory, ListsEveryQueueOfThePrintServer) {
    Names listed = ListedPrinters();
    Names queues = ServerQueues();
    std::sort(listed.begin(), listed.end());
    std::sort(queues.begin(), queues.end());
    EXPECT_EQ(listed, queues);
    EXPECT_NE(std::find(listed.begin(), listed.end(), kPrinter), listed.end());
}

TEST_F(PrinterDirectory, ListsInTheSpoolersOrderAtBothLevels) {
    Names level1, level4;
    ASSERT_TRUE(sw::ListPrinterNames(1, level1));
    ASSERT_TRUE(sw::ListPrinterNames(4, level4));
    EXPECT_EQ(level1, level4);
    EXPECT_EQ(ListedPrinters(), level4);
    EXPECT_GE(level4.size(), 3u);
}

TEST_F(PrinterDirectory, IndexOutsideTheListGivesEmptyText) {
    const SHORT count = AvailablePrinters();
    ASSERT_GT(count, 0);
    const SHORT minusOne = -1, last = static_cast<SHORT>(count - 1);
    EXPECT_EQ(TakeOleText(PrinterDeviceName(&minusOne)), "");
    EXPECT_EQ(TakeOleText(PrinterDeviceName(&count)), "");
    EXPECT_EQ(TakeOleText(PrinterDeviceName(nullptr)), "");
    EXPECT_NE(TakeOleText(PrinterDeviceName(&last)), "");
}

TEST_F(PrinterDirectory, DefaultPrinterIsTheNameBeforeTheFirstCommaReadAt126Characters) {
    const std::pair<std::string, std::string> cases[] = {
        {"Laser,winspool,LPT1:", "Laser"},
        {"NoCommaAtAll", "NoCommaAtAll"},
        {",winspool,LPT1:", ""},
        {std::string(200, 'n') + ",winspool,LPT1:", std::string(126, 'n')},
    };
    for (const auto& [device, name] : cases) {
        ASSERT_TRUE(WriteProfileStringA("windows", "device", device.c_str()));
        EXPECT_EQ(TakeOleText(DefaultPrinter()), name) << "device: " << device;
    }
    ASSERT_TRUE(WriteProfileStringA("windows", "device", nullptr));
    EXPECT_EQ(TakeOleText(DefaultPrinter()), "") << "no device entry";
}

TEST_F(PrinterDirectory, SetDefaultPrinterWritesTheListedNameDriverAndPort) {
    EXPECT_EQ(sw::ReadProfileValue("PrinterPorts", kSecondPrinter, 300),
              "wineps.drv,CUPS:sw_second,15,45");

    SetDefaultPrinter("SW_Second");
    EXPECT_EQ(DeviceValue(), "sw_second,wineps.drv,CUPS:sw_second");
    EXPECT_EQ(TakeOleText(DefaultPrinter()), kSecondPrinter);

    SetDefaultPrinter(kPrinter);
    EXPECT_EQ(DeviceValue(), "sw_raw,wineps.drv,CUPS:sw_raw");
    EXPECT_EQ(TakeOleText(DefaultPrinter()), kPrinter);
}

TEST_F(PrinterDirectory, SetDefaultPrinterRebuildsThePrinterList) {
    const Names before = ListedPrinters();
    ASSERT_FALSE(before.empty());
    sw::State().printerList.clear();
    SetDefaultPrinter(kPrinter);
    const SHORT first = 0;
    EXPECT_EQ(TakeOleText(PrinterDeviceName(&first)), before.front());
}

TEST_F(PrinterDirectory, UnknownNameLeavesTheDefaultUntouched) {
    SetDefaultPrinter(kPrinter);
    const std::string device = DeviceValue();
    for (const char* name : {"no_such_queue", "sw_ra", "sw_raw ", ""}) {
        SetDefaultPrinter(name);
        EXPECT_EQ(DeviceValue(), device) << "name: '" << name << "'";
    }
    SetDefaultPrinter(nullptr);
    EXPECT_EQ(DeviceValue(), device) << "null name";
}

// Wine's spooler reports no such entries; the spooler table stands in for it.
// It lists PRINTER_INFO_4 (and _2) records of the given names, and asks for
// as much room as real records with their strings would take.
class FakeEnumeration : public swtest::ScopedSeam<sw::SpoolerApi, FakeEnumeration> {
  public:
    explicit FakeEnumeration(Names names) : ScopedSeam(sw::Spooler()), names_(std::move(names)) {
        sw::Spooler().enumPrinters = &Enum;
    }

    struct Call {
        DWORD flags, level, size;
    };
    std::vector<Call> calls;
    DWORD rejectFlags = 0;  // calls with any of these flags fail
    DWORD failOnCall = 0;   // 1-based call that fails with ERROR_ACCESS_DENIED
    int growBeforeCall = 0; // a printer appears just before this 1-based call

  private:
    static DWORD RecordSize(DWORD level) {
        return level == 2 ? sizeof(PRINTER_INFO_2A) : sizeof(PRINTER_INFO_4A);
    }

    static BOOL WINAPI Enum(DWORD flags, LPSTR, DWORD level, LPBYTE buffer, DWORD size,
                            LPDWORD needed, LPDWORD returned) {
        FakeEnumeration& self = *Active();
        self.calls.push_back({flags, level, size});
        const DWORD call = static_cast<DWORD>(self.calls.size());
        if (static_cast<int>(call) == self.growBeforeCall)
            self.names_.push_back("appeared_late");
        *returned = 0;
        if (call == self.failOnCall || (flags & self.rejectFlags) != 0) {
            SetLastError(ERROR_ACCESS_DENIED);
            return FALSE;
        }
        DWORD total = 0;
        for (const std::string& name : self.names_)
            total += RecordSize(level) + static_cast<DWORD>(name.size()) + 1;
        *needed = total;
        if (size < total || buffer == nullptr) {
            SetLastError(ERROR_INSUFFICIENT_BUFFER);
            return FALSE;
        }
        std::memset(buffer, 0, size);
        char* strings = reinterpret_cast<char*>(buffer) + RecordSize(level) * self.names_.size();
        for (std::size_t i = 0; i < self.names_.size(); ++i) {
            std::memcpy(strings, self.names_[i].c_str(), self.names_[i].size() + 1);
            if (level == 2)
                reinterpret_cast<PRINTER_INFO_2A*>(buffer)[i].pPrinterName = strings;
            else
                reinterpret_cast<PRINTER_INFO_4A*>(buffer)[i].pPrinterName = strings;
            strings += self.names_[i].size() + 1;
        }
        *returned = static_cast<DWORD>(self.names_.size());
        return TRUE;
    }

    Names names_;
};

TEST(PrinterDirectorySeam, RenderingSubsystemIsNotAPrinter) {
    FakeEnumeration fake({"Laser", "Rendering Subsystem", "Inkjet"});
    EXPECT_EQ(AvailablePrinters(), 2);
    EXPECT_EQ(ListedPrinters(), (Names{"Laser", "Inkjet"}));
    ASSERT_FALSE(fake.calls.empty());
    // Local printers and connections (6), at level 4 on the NT family.
    EXPECT_EQ(fake.calls[0].flags, 6u);
    EXPECT_EQ(fake.calls[0].level, 4u);
    EXPECT_EQ(fake.calls[0].size, 3072u);
}

TEST(PrinterDirectorySeam, LongEnumerationIsFetchedAgainInABufferOfTheReportedSize) {
    Names many;
    for (int i = 0; i < 60; ++i)
        many.push_back("printer_" + std::to_string(i) + std::string(60, 'x'));
    FakeEnumeration fake(many);
    EXPECT_EQ(AvailablePrinters(), 60);
    EXPECT_EQ(ListedPrinters(), many);
    ASSERT_EQ(fake.calls.size(), 4u); // two for each AvailablePrinters call
    EXPECT_EQ(fake.calls[0].size, 3072u);
    // 60 records (12 bytes each in 32-bit code, 24 in 64-bit), 60 names of 69
    // or 70 characters and their NULs.
    EXPECT_EQ(fake.calls[1].size, 60 * sizeof(PRINTER_INFO_4A) + 4250u);
}

TEST(PrinterDirectorySeam, FailedEnumerationEmptiesTheList) {
    ASSERT_GT(AvailablePrinters(), 0);
    FakeEnumeration fake({"Laser"});
    fake.failOnCall = 1;
    EXPECT_EQ(AvailablePrinters(), 0);
    const SHORT first = 0;
    EXPECT_EQ(TakeOleText(PrinterDeviceName(&first)), "");
}

TEST(PrinterDirectorySeam, RetryIsMadeOnceOnly) {
    Names many(100, std::string(50, 'p'));
    FakeEnumeration fake(many);
    fake.growBeforeCall = 2; // the retry's buffer is too small again
    EXPECT_EQ(AvailablePrinters(), 0);
    EXPECT_EQ(fake.calls.size(), 2u);
}

// Records what CancelPrintJobs does to each queue. Opening and closing stay
// real; the purge is recorded and succeeds, as Wine's does not.
class PurgeRecorder : public swtest::ScopedSeam<sw::SpoolerApi, PurgeRecorder> {
  public:
    PurgeRecorder() : ScopedSeam(sw::Spooler()) {
        sw::Spooler().openPrinter = &Open;
        sw::Spooler().setPrinter = &Set;
        sw::Spooler().closePrinter = &Close;
    }

    Names opened; // printers opened, in order
    Names purged; // printers purged (level 0, no data, command 3)
    Names closed;
    std::vector<DWORD> accessAsked;
    std::string refuseOpen; // a printer that cannot be opened at all
    bool refuseAdminister = false;
    bool realPurge = false;         // let Wine's own SetPrinterA answer
    std::vector<BOOL> purgeResults; // with realPurge
    DWORD lastError = 0;            // with realPurge: the last purge's error

  private:
    static BOOL WINAPI Open(LPSTR name, LPHANDLE printer, LPPRINTER_DEFAULTSA defaults) {
        PurgeRecorder& self = *Active();
        self.accessAsked.push_back(defaults ? defaults->DesiredAccess : 0xFFFFFFFF);
        if (name == self.refuseOpen ||
            (self.refuseAdminister && defaults && defaults->DesiredAccess != 0)) {
            SetLastError(ERROR_ACCESS_DENIED);
            return FALSE;
        }
        if (!self.Real().openPrinter(name, printer, defaults))
            return FALSE;
        self.opened.push_back(name);
        self.handleNames_[*printer] = name;
        return TRUE;
    }
    static BOOL WINAPI Set(HANDLE printer, DWORD level, LPBYTE info, DWORD command) {
        PurgeRecorder& self = *Active();
        if (self.realPurge) {
            const BOOL result = self.Real().setPrinter(printer, level, info, command);
            self.lastError = GetLastError();
            self.purgeResults.push_back(result);
            return result;
        }
        if (level == 0 && info == nullptr && command == PRINTER_CONTROL_PURGE)
            self.purged.push_back(self.handleNames_[printer]);
        return TRUE;
    }
    static BOOL WINAPI Close(HANDLE printer) {
        PurgeRecorder& self = *Active();
        self.closed.push_back(self.handleNames_[printer]);
        return self.Real().closePrinter(printer);
    }

    std::map<HANDLE, std::string> handleNames_;
};

Names Level2Names() {
    Names names;
    std::vector<BYTE> buffer(64 * 1024);
    DWORD needed = 0, count = 0;
    EXPECT_TRUE(EnumPrintersA(6, nullptr, 2, buffer.data(), static_cast<DWORD>(buffer.size()),
                              &needed, &count));
    for (DWORD i = 0; i < count; ++i)
        names.push_back(reinterpret_cast<PRINTER_INFO_2A*>(buffer.data())[i].pPrinterName);
    return names;
}

TEST(CancelPrintJobs, PurgesEveryQueueAndClosesIt) {
    const Names queues = Level2Names();
    ASSERT_GE(queues.size(), 3u);
    PurgeRecorder recorder;
    CancelPrintJobs();
    EXPECT_EQ(recorder.opened, queues);
    EXPECT_EQ(recorder.purged, queues);
    EXPECT_EQ(recorder.closed, queues);
    // The purge needs the administrator's right where rights are checked.
    EXPECT_EQ(recorder.accessAsked,
              std::vector<DWORD>(queues.size(), static_cast<DWORD>(PRINTER_ACCESS_ADMINISTER)));
}

TEST(CancelPrintJobs, FallsBackToTheDefaultRightAndSkipsWhatCannotBeOpened) {
    const Names queues = Level2Names();
    PurgeRecorder recorder;
    recorder.refuseAdminister = true;
    recorder.refuseOpen = kSecondPrinter;
    CancelPrintJobs();
    Names expected = queues;
    expected.erase(std::remove(expected.begin(), expected.end(), kSecondPrinter), expected.end());
    ASSERT_EQ(expected.size(), queues.size() - 1);
    EXPECT_EQ(recorder.purged, expected);
    EXPECT_EQ(recorder.closed, expected);
    // Two tries per queue: with the administrator's right, then the default one.
    EXPECT_EQ(recorder.accessAsked.size(), 2 * queues.size());
}

TEST(CancelPrintJobs, ListsNetworkPrintersTooAndDropsTheFlagWhereItIsRejected) {
    {
        FakeEnumeration fake({kPrinter, kSecondPrinter});
        PurgeRecorder recorder;
        CancelPrintJobs();
        ASSERT_EQ(fake.calls.size(), 2u);
        EXPECT_EQ(fake.calls[0].flags, 0x46u);
        EXPECT_EQ(fake.calls[0].level, 2u);
        EXPECT_EQ(fake.calls[0].size, 0u); // first only the size is asked for
        EXPECT_EQ(recorder.purged, (Names{kPrinter, kSecondPrinter}));
    }
    {
        FakeEnumeration fake({kPrinter, kSecondPrinter});
        fake.rejectFlags = PRINTER_ENUM_NETWORK;
        PurgeRecorder recorder;
        CancelPrintJobs();
        EXPECT_EQ(recorder.purged, (Names{kPrinter, kSecondPrinter}));
        EXPECT_EQ(fake.calls.back().flags, 6u);
    }
}

TEST(CancelPrintJobs, FailedEnumerationPurgesNothing) {
    FakeEnumeration fake({kPrinter});
    fake.rejectFlags = 0xFFFFFFFF;
    PurgeRecorder recorder;
    CancelPrintJobs();
    EXPECT_TRUE(recorder.opened.empty());
}

TEST(CancelPrintJobs, WinesFailingPurgeStillClosesEveryPrinter) {
    const Names queues = Level2Names();
    {
        PurgeRecorder recorder;
        recorder.realPurge = true;
        CancelPrintJobs();
        EXPECT_EQ(recorder.closed, queues);
        ASSERT_EQ(recorder.purgeResults.size(), queues.size());
        EXPECT_FALSE(recorder.purgeResults.back());
        EXPECT_EQ(recorder.lastError, static_cast<DWORD>(ERROR_INVALID_LEVEL))
            << "Wine does not implement the purge";
    }
    // The queues still take jobs.
    swtest::PrinterInbox inbox(kPrinter);
    swtest::TempFile file("after the purge");
    EXPECT_EQ(PrintFile(kPrinter, file.Path().c_str()), 0);
    EXPECT_EQ(inbox.NextJob(), "after the purge");
}

// The sections named by the WM_WININICHANGE messages the watching window received.
Names settingChanges;

LRESULT CALLBACK WatchSettingChanges(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_WININICHANGE && wParam == 0 && lParam != 0)
        settingChanges.push_back(reinterpret_cast<const char*>(lParam));
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST_F(PrinterDirectory, SetDefaultPrinterTellsEveryWindowBeforeItReturns) {
    const HWND watcher = swtest::CreateTestWindow("swSettingChangeWatcher", WatchSettingChanges);
    ASSERT_NE(watcher, nullptr) << "no window: is there a display?";
    settingChanges.clear();
    SetDefaultPrinter("sw_raw");
    EXPECT_EQ(settingChanges, Names{"windows"});

    settingChanges.clear();
    SetDefaultPrinter("no_such_queue");
    EXPECT_TRUE(settingChanges.empty()) << "nothing changed, nothing to tell";
    DestroyWindow(watcher);
}

} // namespace
