// Records the calls a print makes into the print library, in order, through
// the print library table: they leave no trace in the printed bytes (a flag
// switched off, the same placement asked for again). The print calls answer
// as the test tells them, or reach the real library.
#pragma once

#include "printroute/print_library_api.h"
#include "support/scoped_seam.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace swtest {

struct LibraryCall {
    std::string function; // "PrintFile"
    std::string printer;  // empty for Orientation and SetAutoformfeed
    std::string file;
    std::string text; // the whole call, as "PrintFile(Laser,C:\a.prn)"
};

class LibraryCallRecorder : public ScopedSeam<sw::PrintLibraryApi, LibraryCallRecorder> {
  public:
    // Scripted: nothing is printed, the print calls answer from the lists
    // below. Real: every call reaches the library, unless a list answers it.
    enum class Answers { Scripted, Real };
    explicit LibraryCallRecorder(Answers answers = Answers::Scripted);

    // The recorded calls' texts: "Orientation(-1,5,0)" gives the flag and the
    // lengths of the start and end sequences, "PrintBMP(Laser,C:\a.bmp,1.5,2,3,4)".
    std::vector<std::string> Texts() const;
    std::vector<LibraryCall> Calls(std::string_view function) const;
    void Clear() { calls_.clear(); }

    // What PrintFile and PrintBMP answer, call after call, with the last
    // error that goes with it; once used up, 0 (or the library's answer).
    std::vector<LONG> printResults;
    std::vector<DWORD> printErrors;
    // What PrintWithApplication answers when it is scripted.
    std::int32_t applicationResult = 0;
    // Runs after each call, with its answer: what happens while a print runs.
    std::function<void(const LibraryCall&, long result)> afterCall;

  private:
    static void WINAPI Orientation(const SHORT* flag, SHORT* previous, LPCSTR start, LPCSTR end);
    static void WINAPI SetAutoformfeed(const SHORT* flag);
    static LONG WINAPI PrintFile(LPCSTR printer, LPCSTR file);
    static LONG WINAPI PrintBmp(LPCSTR printer, LPCSTR file, double left, double top, double width,
                                double height);
    static std::int32_t PrintWithApplication(std::string_view printer, std::string_view file);

    // Records the call (`call.text` holding its arguments) and answers it:
    // a print call from the lists, else the library when Real, else
    // `scripted`. afterCall gets the call by value: a call made while
    // another runs may grow the list.
    template <typename Function, typename... Arguments>
    long Answer(LibraryCall call, bool listed, long scripted, Function sw::PrintLibraryApi::*real,
                Arguments... arguments);

    Answers answers_;
    std::vector<LibraryCall> calls_;
};

} // namespace swtest
