#include "shell/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

using sw::CommandLineRequest;
using sw::SplitCommandLine;
using Kind = CommandLineRequest::Kind;

struct SplitCase {
    const char* commandLine;
    Kind kind;
    bool namesPrinter;
    const char* printer;
    const char* file;
};

class CommandLineSplit : public testing::TestWithParam<SplitCase> {};

TEST_P(CommandLineSplit, GivesPrinterAndFile) {
    const SplitCase& expected = GetParam();
    const CommandLineRequest request = SplitCommandLine(expected.commandLine);
    EXPECT_EQ(request.kind, expected.kind) << expected.commandLine;
    EXPECT_EQ(request.namesPrinter, expected.namesPrinter) << expected.commandLine;
    EXPECT_EQ(request.printer, expected.printer) << expected.commandLine;
    EXPECT_EQ(request.file, expected.file) << expected.commandLine;
}

INSTANTIATE_TEST_SUITE_P(
    Forms, CommandLineSplit,
    testing::Values(SplitCase{"", Kind::Empty, false, "", ""},
                    SplitCase{"   ", Kind::Empty, false, "", ""},
                    SplitCase{"ACSI", Kind::SetupRun, false, "", ""},
                    SplitCase{"  ACSI ", Kind::SetupRun, false, "", ""},
                    SplitCase{" ACSI /quiet ", Kind::QuietSetupRun, false, "", ""},
                    // Only the exact upper-case word is the set-up run.
                    SplitCase{"acsi", Kind::Print, false, "", "acsi"},
                    SplitCase{"  Laser|C:\\a.prn  ", Kind::Print, true, "Laser", "C:\\a.prn"},
                    // The first "|" separates; a "{" after it stays in the file.
                    SplitCase{"Laser|C:\\x{y}.prn", Kind::Print, true, "Laser", "C:\\x{y}.prn"},
                    SplitCase{"A|B|C", Kind::Print, true, "A", "B|C"},
                    SplitCase{"Laser{C:\\a.prn", Kind::Print, true, "Laser", "C:\\a.prn"},
                    // Blanks inside the parts are kept.
                    SplitCase{"Laser 1 | C:\\a.prn", Kind::Print, true, "Laser 1 ", " C:\\a.prn"},
                    SplitCase{"C:\\report.prn", Kind::Print, false, "", "C:\\report.prn"},
                    SplitCase{"|C:\\a.prn", Kind::Print, true, "", "C:\\a.prn"},
                    SplitCase{"Laser|", Kind::Print, true, "Laser", ""}));

INSTANTIATE_TEST_SUITE_P(
    Quotes, CommandLineSplit,
    testing::Values(
        // Send To quotes a path with spaces.
        SplitCase{"\"C:\\My Files\\a.prn\"", Kind::Print, false, "", "C:\\My Files\\a.prn"},
        // The command prompt needs the whole text quoted, as "|" is its pipe.
        SplitCase{"\"Laser|C:\\My Files\\a.prn\"", Kind::Print, true, "Laser",
                  "C:\\My Files\\a.prn"},
        SplitCase{"Laser|\"C:\\My Files\\a.prn\"", Kind::Print, true, "Laser",
                  "C:\\My Files\\a.prn"},
        SplitCase{"\"Laser 1\"|\"C:\\a b.prn\"", Kind::Print, true, "Laser 1", "C:\\a b.prn"},
        // Two quoted texts, or a lone quote, are not one enclosed text.
        SplitCase{"\"a\" \"b\"", Kind::Print, false, "", "\"a\" \"b\""},
        SplitCase{"\"", Kind::Print, false, "", "\""},
        SplitCase{"\"\"", Kind::Empty, false, "", ""}));

TEST(CommandLineSplit, KeepsEveryByteOfAnUnusualText) {
    const std::string bytes("P\x01\xff|F\t\x80", 7);
    const CommandLineRequest request = SplitCommandLine(bytes);
    EXPECT_EQ(request.printer, std::string("P\x01\xff"));
    EXPECT_EQ(request.file, std::string("F\t\x80"));
}

// A "{" in a path ("report{1}.prn", a folder "{GUID}") leaves the whole text
// one file for the default printer, unless the text before it is a printer.
TEST(CommandLineBraces, AWholePathWithABraceIsAFileUnlessItsFrontIsAPrinter) {
    const sw::BraceFormLookups lookups{
        [](const std::string& path) { return path == "C:\\jobs\\report{1}.prn"; },
        [](const std::string& printer) { return printer == "Laser"; }};
    const auto read = [&](const char* text) {
        return sw::ReadBraceForm(SplitCommandLine(text), lookups);
    };
    EXPECT_EQ(read("\"C:\\jobs\\report{1}.prn\"").file, "C:\\jobs\\report{1}.prn");
    EXPECT_FALSE(read("C:\\jobs\\report{1}.prn").namesPrinter);
    EXPECT_EQ(read("Laser{C:\\jobs\\report{1}.prn").printer, "Laser");
    EXPECT_EQ(read("C:\\jobs\\missing{1}.prn").file, "1}.prn");
}

TEST(CommandLineFile, DevicesAndOverlongPartsAreNoFileToPrint) {
    using sw::FilePartProblem;
    const struct {
        const char* file;
        FilePartProblem problem;
    } cases[] = {
        {"C:\\jobs\\report.prn", FilePartProblem::None},
        {"NUL", FilePartProblem::DeviceName},
        {"con", FilePartProblem::DeviceName},
        {"PRN", FilePartProblem::DeviceName},
        {"Aux", FilePartProblem::DeviceName},
        {"COM1", FilePartProblem::DeviceName},
        {"LPT9", FilePartProblem::DeviceName},
        {"CONOUT$", FilePartProblem::DeviceName},
        // In any folder, with an extension, blanks or dots after the name.
        {"C:\\jobs\\nul.prn", FilePartProblem::DeviceName},
        {"C:/jobs/lpt1", FilePartProblem::DeviceName},
        {"C:NUL", FilePartProblem::DeviceName},
        {"NUL .txt", FilePartProblem::DeviceName},
        {"nul...", FilePartProblem::DeviceName},
        {"\\\\.\\COM3", FilePartProblem::DeviceName},
        {"\\\\.\\pipe\\spool", FilePartProblem::DeviceName},
        // Names that only look like devices are files.
        {"COM0", FilePartProblem::None},
        {"COM10", FilePartProblem::None},
        {"NULL", FilePartProblem::None},
        {"C:\\NUL\\report.prn", FilePartProblem::None},
        {"\\\\?\\C:\\jobs\\report.prn", FilePartProblem::None},
        {"", FilePartProblem::None},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sw::CheckFilePart(c.file, 32767), c.problem) << c.file;
}

// Long paths are files; a name no file system takes, or a path longer than
// the system takes, is none.
TEST(CommandLineFile, NameOrPathTooLongForAFile) {
    using sw::FilePartProblem;
    const std::string name255(255, 'a');
    std::string deep = "C:";
    while (deep.size() < 10000)
        deep += "\\" + std::string(99, 'd');
    const std::string umlaut = "\xC3\xA4";       // one UTF-16 unit in two bytes
    const std::string clef = "\xF0\x9D\x84\x9E"; // two UTF-16 units in four bytes
    std::string name255Umlauts;
    for (int i = 0; i < 255; ++i)
        name255Umlauts += umlaut;
    const std::pair<std::string, FilePartProblem> cases[] = {
        {"C:\\jobs\\" + name255, FilePartProblem::None},
        {"C:\\jobs\\" + name255 + "b", FilePartProblem::TooLong},
        {name255 + "\\" + name255, FilePartProblem::None},
        {"C:\\" + std::string(10000, 'a') + ".prn", FilePartProblem::TooLong},
        {std::string(10000, 'b'), FilePartProblem::TooLong},
        {deep, FilePartProblem::None},
        {name255Umlauts, FilePartProblem::None},
        {name255Umlauts.substr(2) + clef, FilePartProblem::TooLong},
    };
    for (const auto& [file, problem] : cases)
        EXPECT_EQ(sw::CheckFilePart(file, 32767), problem) << file.substr(0, 80);
    EXPECT_EQ(sw::CheckFilePart(deep, deep.size()), FilePartProblem::None);
    EXPECT_EQ(sw::CheckFilePart(deep, deep.size() - 1), FilePartProblem::TooLong);
}

} // namespace
