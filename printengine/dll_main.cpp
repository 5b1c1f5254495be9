// The DLL entry point hands every notification to LIBMAIN.
#include "printengine/swprint.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    return LIBMAIN(instance, reason, nullptr) != 0;
}
