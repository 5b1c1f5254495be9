// Writes the program's folder, as ProgramFolder() finds it, into the file
// named by its argument; the tests start it from folders of every length.
#include "common/program_folder.h"
#include "support/file_writer.h"

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    return swtest::WriteToFile(argv[1], sw::ProgramFolder()) ? 0 : 1;
}
