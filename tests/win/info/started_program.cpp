// A stand-in for the programs the information commands start (the browser,
// the system information tool): it appends its command line, one per line,
// to %TEMP%\sw_started.txt and ends.
#include "../support/file_writer.h"

#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char folder[MAX_PATH] = {};
    GetTempPathA(sizeof(folder), folder);
    const std::string line = std::string(GetCommandLineA()) + "\r\n";
    return swtest::WriteToFile(std::string(folder) + "sw_started.txt", line, true) ? 0 : 1;
}
