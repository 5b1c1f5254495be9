// make_help_file: turns the help source text into "Spoolwright.hlp" and, when
// a folder is given, into the help's HTML edition, one page per topic. Built
// with the build machine's compiler and run by the build.
//
// Usage: make_help_file SOURCE.txt OUTPUT.hlp [PAGES_FOLDER]
#include "info/help_file_writer.h"
#include "info/help_pages.h"
#include "info/help_source.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace {

// Written beside the target and renamed, so that a failed run leaves no half file.
bool WriteWhole(const std::string& path, const std::string& bytes) {
    const std::string scratch = path + ".tmp";
    {
        std::ofstream out(scratch, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush()) {
            std::fprintf(stderr, "make_help_file: cannot write %s\n", scratch.c_str());
            return false;
        }
    }
    if (std::rename(scratch.c_str(), path.c_str()) != 0) {
        std::fprintf(stderr, "make_help_file: cannot rename %s to %s\n", scratch.c_str(),
                     path.c_str());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: make_help_file SOURCE.txt OUTPUT.hlp [PAGES_FOLDER]\n");
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
    if (!WriteWhole(argv[2], sw::BuildHelpFile(*source)))
        return 1;
    if (argc == 4) {
        for (const sw::HelpPage& page : sw::BuildHelpPages(*source)) {
            if (!WriteWhole(std::string(argv[3]) + "/" + page.fileName, page.html))
                return 1;
        }
    }
    return 0;
}
