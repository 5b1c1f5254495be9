// make_help_file: turns the help source text into "Spoolwright.hlp". Built
// with the build machine's compiler and run by the build.
//
// Usage: make_help_file SOURCE.txt OUTPUT.hlp
#include "info/help_file_writer.h"
#include "info/help_source.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_help_file SOURCE.txt OUTPUT.hlp\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "make_help_file: cannot read %s\n", argv[1]);
        return 1;
    }
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::string error;
    const auto source = sw::ParseHelpSource(text, &error);
    if (!source) {
        std::fprintf(stderr, "%s: %s\n", argv[1], error.c_str());
        return 1;
    }
    const std::string bytes = sw::BuildHelpFile(*source);
    // Written beside the target and renamed, so that a failed run leaves no half file.
    const std::string scratch = std::string(argv[2]) + ".tmp";
    {
        std::ofstream out(scratch, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush()) {
            std::fprintf(stderr, "make_help_file: cannot write %s\n", scratch.c_str());
            return 1;
        }
    }
    if (std::rename(scratch.c_str(), argv[2]) != 0) {
        std::fprintf(stderr, "make_help_file: cannot rename %s to %s\n", scratch.c_str(), argv[2]);
        return 1;
    }
    return 0;
}
