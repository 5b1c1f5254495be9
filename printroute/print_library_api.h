// The calls a print makes into the print library and the word-processor
// route, reached through one table so that a test can record their order and
// arguments, which leave no trace in the printed bytes. Defaults to the real
// functions.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string_view>

namespace sw {

struct PrintLibraryApi {
    void(WINAPI* orientation)(const SHORT* newFlag, SHORT* previousFlag, LPCSTR startSequence,
                              LPCSTR endSequence);
    void(WINAPI* setAutoformfeed)(const SHORT* flag);
    LONG(WINAPI* printFile)(LPCSTR printerName, LPCSTR fileName);
    LONG(WINAPI* printBmp)
    (LPCSTR printerName, LPCSTR fileName, double left, double top, double width, double height);
    std::int32_t (*printWithApplication)(std::string_view printer, std::string_view file);
};

PrintLibraryApi& PrintLibrary();

} // namespace sw
