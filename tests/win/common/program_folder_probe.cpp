// Writes the program's folder, as ProgramFolder() finds it, into the file
// named by its argument; the tests start it from folders of every length.
#include "common/program_folder.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    std::FILE* out = std::fopen(argv[1], "wb");
    if (out == nullptr)
        return 1;
    const std::string folder = sw::ProgramFolder();
    std::fwrite(folder.data(), 1, folder.size(), out);
    return std::fclose(out) == 0 ? 0 : 1;
}
