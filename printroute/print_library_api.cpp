#include "printroute/print_library_api.h"

#include "printengine/swprint.h"
#include "wordprint/application_print.h"

namespace sw {

PrintLibraryApi& PrintLibrary() {
    static PrintLibraryApi api = {Orientation, SetAutoformfeed, PrintFile, PrintBMP,
                                  PrintWithApplication};
    return api;
}

} // namespace sw
