// Prints a file to a printer as a RAW job through swprint.dll, the way any
// caller of the library does: print_file [--landscape] [--formfeed] PRINTER FILE
#include "printengine/swprint.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    SHORT landscape = 0;
    SHORT formFeed = 0;
    int arg = 1;
    for (; arg < argc && std::strncmp(argv[arg], "--", 2) == 0; ++arg) {
        if (std::strcmp(argv[arg], "--landscape") == 0) {
            landscape = -1;
        } else if (std::strcmp(argv[arg], "--formfeed") == 0) {
            formFeed = -1;
        } else {
            std::fprintf(stderr, "print_file: unknown option %s\n", argv[arg]);
            return 2;
        }
    }
    if (argc - arg != 2) {
        std::fprintf(stderr, "usage: print_file [--landscape] [--formfeed] PRINTER FILE\n");
        return 2;
    }

    SHORT previous = 0;
    Orientation(&landscape, &previous, "", "");
    SetAutoformfeed(&formFeed);
    const LONG result = PrintFile(argv[arg], argv[arg + 1]);
    if (result != 0) {
        std::fprintf(stderr, "print_file: printing failed with system error %ld\n", result);
        return 1;
    }
    std::printf("Sent %s to %s\n", argv[arg + 1], argv[arg]);
    return 0;
}
