// The tests link the library's code directly, without its DLL entry point, so
// they initialise it as the entry point does.
#include "printengine/swprint.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    LIBMAIN(GetModuleHandleA(nullptr), DLL_PROCESS_ATTACH, nullptr);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
