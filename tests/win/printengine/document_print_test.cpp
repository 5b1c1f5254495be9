// Document printing through the associated application, with a stand-in word
// processor (fake_wordpad.exe) that records its command line, show state and
// the default printer it saw. The stand-in is placed at WordPad's fixed path
// or made the program of ".wri" documents, as a test needs.
#include "common/find_word_pad.h"
#include "printengine/run_and_wait.h"
#include "printengine/swprint.h"
#include "support/temp_files.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using swtest::FileExists;
using swtest::ReadWholeFile;
using swtest::TempFile;

const char kTarget[] = "sw_document";
// Longer than 79 characters, so that a shortened copy would name no printer.
const char kPrevious[] = "sw_document_previous_default_whose_name_is_longer_than_seventy_nine_"
                         "characters_0123";
const char kFixedPath[] = "C:\\Program Files\\Accessories\\Wordpad.exe";
const char kUserScratchName[] = "C:\\Fakefile.wri";

std::string TestFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string text = path;
    return text.substr(0, text.find_last_of('\\') + 1);
}

std::string FakeWordPad() {
    return TestFolder() + "fake_wordpad.exe";
}

std::string TempFolder() {
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    return folder;
}

bool SamePath(const std::string& a, const std::string& b) {
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

std::string Upper(std::string text) {
    CharUpperBuffA(&text[0], static_cast<DWORD>(text.size()));
    return text;
}

std::string DefaultPrinterName() {
    const BSTR name = DefaultPrinter();
    const std::string text(reinterpret_cast<const char*>(name), SysStringByteLen(name));
    SysFreeString(name);
    return text;
}

// How many scratch documents of the lookup are in the TEMP folder.
int ScratchDocumentsLeft() {
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((TempFolder() + "swlookup-*.wri").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    int count = 0;
    do {
        ++count;
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return count;
}

// Tells the stand-in how to behave and where to log, through the environment
// it inherits; the log is removed at the end.
class StandIn {
  public:
    explicit StandIn(const char* mode)
        : log_(TempFolder() + "fake-wordpad-" + std::to_string(++counter_) + ".log") {
        DeleteFileA(log_.c_str());
        SetEnvironmentVariableA("SW_FAKE_WORDPAD_LOG", log_.c_str());
        SetEnvironmentVariableA("SW_FAKE_WORDPAD_MODE", mode);
    }
    ~StandIn() {
        SetEnvironmentVariableA("SW_FAKE_WORDPAD_LOG", nullptr);
        SetEnvironmentVariableA("SW_FAKE_WORDPAD_MODE", nullptr);
        DeleteFileA(log_.c_str());
    }
    StandIn(const StandIn&) = delete;
    StandIn& operator=(const StandIn&) = delete;

    bool Ran() const { return FileExists(log_); }
    std::string Log() const { return Ran() ? ReadWholeFile(log_) : std::string(); }
    // The text after "KEY " on the line that starts with it.
    std::string Entry(const std::string& key) const {
        const std::string log = Log();
        const std::size_t start = log.find(key + " ");
        if (start == std::string::npos)
            return "(no " + key + " line)";
        const std::size_t end = log.find("\r\n", start);
        return log.substr(start + key.size() + 1, end - start - key.size() - 1);
    }

  private:
    std::string log_;
    static int counter_;
};

int StandIn::counter_ = 0;

// Puts the stand-in at WordPad's fixed path for one test.
class WordPadAtFixedPath {
  public:
    WordPadAtFixedPath()
        : createdFolder_(CreateDirectoryA("C:\\Program Files\\Accessories", nullptr) != FALSE) {
        EXPECT_TRUE(CopyFileA(FakeWordPad().c_str(), kFixedPath, FALSE))
            << "error " << GetLastError();
    }
    ~WordPadAtFixedPath() {
        DeleteFileA(kFixedPath);
        if (createdFolder_)
            RemoveDirectoryA("C:\\Program Files\\Accessories");
    }
    WordPadAtFixedPath(const WordPadAtFixedPath&) = delete;
    WordPadAtFixedPath& operator=(const WordPadAtFixedPath&) = delete;

  private:
    bool createdFolder_;
};

// Makes `program` the program of ".wri" documents for one test (no program at
// all when empty), and restores the prefix's own association afterwards.
class WriAssociation {
  public:
    explicit WriAssociation(const std::string& program) {
        char value[256] = {};
        LONG size = sizeof(value);
        if (RegQueryValueA(HKEY_CLASSES_ROOT, ".wri", value, &size) == ERROR_SUCCESS)
            previous_ = value;
        const char* type = program.empty() ? "SwTest.NoSuchDocument" : "SwTest.Document";
        SetValue(".wri", type);
        if (!program.empty())
            SetValue("SwTest.Document\\shell\\open\\command", "\"" + program + "\" \"%1\"");
    }
    ~WriAssociation() {
        SetValue(".wri", previous_);
        RegDeleteKeyA(HKEY_CLASSES_ROOT, "SwTest.Document\\shell\\open\\command");
        RegDeleteKeyA(HKEY_CLASSES_ROOT, "SwTest.Document\\shell\\open");
        RegDeleteKeyA(HKEY_CLASSES_ROOT, "SwTest.Document\\shell");
        RegDeleteKeyA(HKEY_CLASSES_ROOT, "SwTest.Document");
    }
    WriAssociation(const WriAssociation&) = delete;
    WriAssociation& operator=(const WriAssociation&) = delete;

  private:
    static void SetValue(const char* key, const std::string& value) {
        EXPECT_EQ(RegSetValueA(HKEY_CLASSES_ROOT, key, REG_SZ, value.c_str(),
                               static_cast<DWORD>(value.size())),
                  ERROR_SUCCESS)
            << key;
    }

    std::string previous_;
};

// A copy of the stand-in under a name without "wordpad", as another word
// processor would be.
class OtherWordProcessor {
  public:
    OtherWordProcessor() : path_(TempFolder() + "other_editor.exe") {
        EXPECT_TRUE(CopyFileA(FakeWordPad().c_str(), path_.c_str(), FALSE));
    }
    ~OtherWordProcessor() { DeleteFileA(path_.c_str()); }
    OtherWordProcessor(const OtherWordProcessor&) = delete;
    OtherWordProcessor& operator=(const OtherWordProcessor&) = delete;
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};

TEST(FindWordPad, PrefersTheFixedPathAndThenWritesNoScratchDocument) {
    ASSERT_FALSE(FileExists(kFixedPath)) << "the prefix has no WordPad at the fixed path";
    WordPadAtFixedPath wordPad;
    WriAssociation association(FakeWordPad());
    const int scratchBefore = ScratchDocumentsLeft();

    EXPECT_EQ(sw::FindWordPad(), kFixedPath);
    EXPECT_FALSE(FileExists(kUserScratchName));
    EXPECT_EQ(ScratchDocumentsLeft(), scratchBefore);
}

TEST(FindWordPad, AsksTheAssociationWithoutTouchingTheUsersFiles) {
    WriAssociation association(FakeWordPad());
    TempFile usersOwn("the user's own document\r\n", ".wri");
    ASSERT_TRUE(CopyFileA(usersOwn.Path().c_str(), kUserScratchName, FALSE));
    const int scratchBefore = ScratchDocumentsLeft();

    EXPECT_PRED2(SamePath, sw::FindWordPad(), FakeWordPad());
    EXPECT_EQ(ReadWholeFile(kUserScratchName), "the user's own document\r\n");
    EXPECT_EQ(ScratchDocumentsLeft(), scratchBefore) << "the scratch document is deleted";
    DeleteFileA(kUserScratchName);
}

TEST(FindWordPad, FindsNothingWithoutAssociationOrWritableTempFolder) {
    {
        WriAssociation none("");
        EXPECT_EQ(sw::FindWordPad(), "");
    }
    WriAssociation association(FakeWordPad());
    char tmp[MAX_PATH] = {}, temp[MAX_PATH] = {};
    GetEnvironmentVariableA("TMP", tmp, MAX_PATH);
    GetEnvironmentVariableA("TEMP", temp, MAX_PATH);
    SetEnvironmentVariableA("TMP", "C:\\sw_no_such_folder\\");
    SetEnvironmentVariableA("TEMP", "C:\\sw_no_such_folder\\");
    const std::string found = sw::FindWordPad();
    SetEnvironmentVariableA("TMP", tmp[0] != '\0' ? tmp : nullptr);
    SetEnvironmentVariableA("TEMP", temp[0] != '\0' ? temp : nullptr);
    EXPECT_EQ(found, "") << "no scratch document, no lookup";
}

// The stand-in creates its window after it has started, so the window is not
// watched: even a title saying "finished" is left alone, and the wait ends
// when the program exits by itself.
TEST(RunAndWait, WaitsForTheProgramWithoutWatchingAWindowMadeAfterTheStart) {
    const struct {
        const char* mode;
        int showState;
        LONG exitCode;
        bool closedByUs;
    } cases[] = {
        {"finished", SW_SHOWMINNOACTIVE, 3, false},
        {"plain", SW_SHOWNORMAL, 5, false},
        {"no-window", SW_SHOWMINNOACTIVE, 7, false},
    };
    for (const auto& c : cases) {
        StandIn standIn(c.mode);
        // Quoted, as a command line must be when the program's path may hold blanks.
        const std::string command = "\"" + FakeWordPad() + "\" document.wri /p";
        EXPECT_EQ(sw::RunAndWait(command, c.showState), c.exitCode) << c.mode;
        EXPECT_EQ(standIn.Entry("COMMAND"), command) << c.mode;
        EXPECT_EQ(standIn.Entry("SHOW"), std::to_string(c.showState)) << c.mode;
        EXPECT_EQ(standIn.Log().find("WM_CLOSE") != std::string::npos, c.closedByUs)
            << c.mode << ":\n"
            << standIn.Log();
    }
}

TEST(RunAndWait, ProgramThatCannotStartGivesANegativeResult) {
    EXPECT_LT(sw::RunAndWait(TestFolder() + "no_such_program.exe /p", SW_SHOWNORMAL), 0);
    EXPECT_LT(sw::RunAndWait("", SW_SHOWNORMAL), 0);
}

// Counts the messages the caller's window is sent while RunAndWait waits.
int handledWhileWaiting = 0;

LRESULT CALLBACK CallerWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP)
        ++handledWhileWaiting;
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST(RunAndWait, KeepsTheCallersWindowsServedAndItsQuitMessage) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = CallerWindowProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "SwRunAndWaitCaller";
    RegisterClassA(&windowClass);
    const HWND caller =
        CreateWindowA("SwRunAndWaitCaller", "caller", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                      nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(caller, nullptr);
    handledWhileWaiting = 0;
    PostMessageA(caller, WM_APP, 0, 0);
    PostQuitMessage(42);

    StandIn standIn("plain"); // runs about a second, so the wait loops several times
    EXPECT_EQ(sw::RunAndWait(FakeWordPad() + " x.wri /p", SW_SHOWMINNOACTIVE), 5);

    EXPECT_EQ(handledWhileWaiting, 1) << "the posted message was dispatched during the wait";
    MSG message = {};
    ASSERT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
        << "the quit message is left for the caller's loop";
    EXPECT_EQ(message.wParam, 42u);
    DestroyWindow(caller);
}

class PrintDocTest : public testing::Test {
  protected:
    void SetUp() override {
        SetDefaultPrinter(kPrevious);
        ASSERT_EQ(DefaultPrinterName(), kPrevious);
        document_ = TempFolder() + "letter.wri";
    }
    void TearDown() override {
        EXPECT_EQ(DefaultPrinterName(), kPrevious) << "the previous default is restored";
    }
    std::string document_;
};

TEST_F(PrintDocTest, RunsWordPadAtItsFixedPathOnTheTargetPrinter) {
    WordPadAtFixedPath wordPad;
    StandIn standIn("finished");

    EXPECT_EQ(PrintDoc(kTarget, document_.c_str()), 0);
    EXPECT_EQ(standIn.Entry("COMMAND"), std::string(kFixedPath) + " " + document_ + " /p");
    EXPECT_EQ(standIn.Entry("SHOW"), "7") << "minimised, without activation";
    EXPECT_EQ(standIn.Entry("DEVICE").rfind(std::string(kTarget) + ",", 0), 0u)
        << "WordPad prints on the default printer: " << standIn.Entry("DEVICE");
    EXPECT_EQ(standIn.Log().find("WM_CLOSE"), std::string::npos)
        << "a window made after the start is not watched:\n"
        << standIn.Log();
}

TEST_F(PrintDocTest, RunsTheAssociatedWordPad) {
    WriAssociation association(FakeWordPad());
    StandIn standIn("no-window");

    EXPECT_EQ(PrintDoc(kTarget, document_.c_str()), 0);
    const std::string command = standIn.Entry("COMMAND");
    EXPECT_EQ(Upper(command), Upper(FakeWordPad() + " " + document_ + " /p"));
    EXPECT_EQ(standIn.Entry("DEVICE").rfind(std::string(kTarget) + ",", 0), 0u)
        << standIn.Entry("DEVICE");
}

TEST_F(PrintDocTest, LeavesAnotherWordProcessorAlone) {
    OtherWordProcessor other;
    WriAssociation association(other.Path());
    StandIn standIn("no-window");

    EXPECT_EQ(PrintDoc(kTarget, document_.c_str()), 0);
    EXPECT_FALSE(standIn.Ran()) << standIn.Log();
}

TEST_F(PrintDocTest, WithoutWordPadGivesMinusTwo) {
    WriAssociation none("");
    EXPECT_EQ(PrintDoc(kTarget, document_.c_str()), -2);
    EXPECT_EQ(PrintDoc(nullptr, nullptr), -2);
}

} // namespace
