// Document printing through the associated application, with a stand-in word
// processor (fake_wordpad.exe) that records its command line, show state and
// the default printer it saw. The stand-in is placed at WordPad's fixed path
// or made the program of ".wri" documents, as a test needs.
#include "common/find_word_pad.h"
#include "printengine/run_and_wait.h"
#include "printengine/swprint.h"
#include "support/ole_text.h"
#include "support/program_driver.h"
#include "support/temp_files.h"
#include "support/word_processor.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using swtest::FileExists;
using swtest::OtherWordProcessor;
using swtest::ReadWholeFile;
using swtest::TempFile;
using swtest::WriAssociation;
using StandIn = swtest::WordProcessorStandIn;
using swtest::kWordPadFixedPath;

const char kTarget[] = "sw_document";
// Longer than 79 characters, so that a shortened copy would name no printer.
const char kPrevious[] = "sw_document_previous_default_whose_name_is_longer_than_seventy_nine_"
                         "characters_0123";
const char kUserScratchName[] = "C:\\Fakefile.wri";

std::string FakeWordPad() {
    return swtest::TestProgramFolder() + "fake_wordpad.exe";
}

bool SamePath(const std::string& a, const std::string& b) {
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

std::string Upper(std::string text) {
    CharUpperBuffA(&text[0], static_cast<DWORD>(text.size()));
    return text;
}

std::string DefaultPrinterName() {
    return swtest::TakeOleText(DefaultPrinter());
}

// How many scratch documents of the lookup are in the TEMP folder.
std::size_t ScratchDocumentsLeft() {
    return swtest::FolderListing(swtest::TempPath(), "swlookup-*.wri").size();
}

TEST(FindWordPad, PrefersTheFixedPathAndThenWritesNoScratchDocument) {
    ASSERT_FALSE(FileExists(kWordPadFixedPath)) << "the prefix has no WordPad at the fixed path";
    swtest::WordPadAtFixedPath wordPad(FakeWordPad());
    WriAssociation association(FakeWordPad());
    const std::size_t scratchBefore = ScratchDocumentsLeft();

    EXPECT_EQ(sw::FindWordPad(), kWordPadFixedPath);
    EXPECT_FALSE(FileExists(kUserScratchName));
    EXPECT_EQ(ScratchDocumentsLeft(), scratchBefore);
}

TEST(FindWordPad, AsksTheAssociationWithoutTouchingTheUsersFiles) {
    WriAssociation association(FakeWordPad());
    TempFile usersOwn("the user's own document\r\n", ".wri");
    ASSERT_TRUE(CopyFileA(usersOwn.Path().c_str(), kUserScratchName, FALSE));
    const std::size_t scratchBefore = ScratchDocumentsLeft();

    EXPECT_PRED2(SamePath, sw::FindWordPad(), FakeWordPad());
    EXPECT_EQ(ReadWholeFile(kUserScratchName), "the user's own document\r\n");
    EXPECT_EQ(ScratchDocumentsLeft(), scratchBefore) << "the scratch document is deleted";
    DeleteFileA(kUserScratchName);
}

// The App Paths key is asked last; its value may be quoted and name its
// folder through an environment variable, as Windows writes it.
TEST(FindWordPad, FindsWordPadThroughItsAppPathsKeyLast) {
    WriAssociation none("");
    const swtest::TempFolder folder(" Windows NT");
    const std::string wordPad = folder.In("WORDPAD.EXE");
    ASSERT_TRUE(CopyFileA(FakeWordPad().c_str(), wordPad.c_str(), FALSE));
    SetEnvironmentVariableA("SW_TEST_WORDPAD_FOLDER", folder.Path().c_str());
    {
        swtest::WordPadAppPath appPath(" \"%SW_TEST_WORDPAD_FOLDER%\\WORDPAD.EXE\" ");
        EXPECT_EQ(sw::FindWordPad(), wordPad);
        WriAssociation association(FakeWordPad());
        EXPECT_PRED2(SamePath, sw::FindWordPad(), FakeWordPad()) << "the association comes first";
    }
    SetEnvironmentVariableA("SW_TEST_WORDPAD_FOLDER", nullptr);
}

TEST(FindWordPad, FindsNothingWithoutAssociationOrWritableTempFolder) {
    {
        swtest::NoWordPad none;
        EXPECT_EQ(sw::FindWordPad(), "");
    }
    swtest::WordPadAppPath hidden("C:\\no such folder\\WORDPAD.EXE");
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
    EXPECT_LT(sw::RunAndWait(swtest::TestProgramFolder() + "no_such_program.exe /p", SW_SHOWNORMAL),
              0);
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
    const HWND caller = swtest::CreateTestWindow("SwRunAndWaitCaller", CallerWindowProcedure);
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
        document_ = swtest::TempPath() + "letter.wri";
    }
    void TearDown() override {
        EXPECT_EQ(DefaultPrinterName(), kPrevious) << "the previous default is restored";
    }
    std::string document_;
};

TEST_F(PrintDocTest, RunsWordPadAtItsFixedPathOnTheTargetPrinter) {
    swtest::WordPadAtFixedPath wordPad(FakeWordPad());
    StandIn standIn("finished");

    EXPECT_EQ(PrintDoc(kTarget, document_.c_str()), 0);
    EXPECT_EQ(standIn.Entry("COMMAND"),
              "\"" + std::string(kWordPadFixedPath) + "\" \"" + document_ + "\" /p");
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
    EXPECT_EQ(Upper(command), Upper("\"" + FakeWordPad() + "\" \"" + document_ + "\" /p"));
    EXPECT_EQ(standIn.Entry("DEVICE").rfind(std::string(kTarget) + ",", 0), 0u)
        << standIn.Entry("DEVICE");
}

TEST_F(PrintDocTest, LeavesAnotherWordProcessorAlone) {
    OtherWordProcessor other(FakeWordPad());
    WriAssociation association(other.Path());
    StandIn standIn("no-window");

    EXPECT_EQ(PrintDoc(kTarget, document_.c_str()), 0);
    EXPECT_FALSE(standIn.Ran()) << standIn.Log();
}

TEST_F(PrintDocTest, WithoutWordPadOrAPrintToVerbGivesMinusTwo) {
    swtest::NoWordPad none;
    EXPECT_EQ(PrintDoc(kTarget, document_.c_str()), -2);
    EXPECT_EQ(PrintDoc(nullptr, nullptr), -2);
}

// Without WordPad, the document's application prints it through its
// "printto" verb on the named printer, the default left alone.
TEST_F(PrintDocTest, WithoutWordPadTheDocumentsApplicationPrintsIt) {
    swtest::NoWordPad none;
    swtest::PrintToAssociation printTo(FakeWordPad());
    StandIn standIn("no-window");
    const swtest::TempFolder documents(" My Documents");
    const std::string letter = documents.Write("My Letter.swdoc", "letter");

    EXPECT_EQ(PrintDoc(kTarget, letter.c_str()), 0);
    EXPECT_NE(standIn.Entry("COMMAND").find(" /pt \"" + letter + "\" \"" + kTarget + "\""),
              std::string::npos)
        << standIn.Log();
}

// A WordPad removed while ".wri" documents still name it (and its App Paths
// key too) is passed over: the document's application prints it.
TEST_F(PrintDocTest, ARemovedWordPadIsPassedOverForThePrintToVerb) {
    WriAssociation removed("C:\\Program Files\\Removed WordPad\\wordpad.exe");
    swtest::WordPadAppPath appPath("C:\\Program Files\\Removed WordPad\\WORDPAD.EXE");
    swtest::PrintToAssociation printTo(FakeWordPad());
    StandIn standIn("no-window");
    const TempFile letter("letter", ".swdoc");
    EXPECT_EQ(PrintDoc(kTarget, letter.Path().c_str()), 0);
    EXPECT_NE(standIn.Entry("COMMAND").find(" /pt \"" + letter.Path() + "\""), std::string::npos)
        << standIn.Log();
}

} // namespace
