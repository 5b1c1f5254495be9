// What the service writes for unattended printing (the state files and the
// event log) is kept from the people who can write into a watched folder:
// only administrators and the service's own account may change it, and
// users may read it (the event log to see what was printed, the state files
// so that a window taking over prints nothing twice). The window writes its
// files as it always has.
#pragma once

#include <windows.h>

namespace sw {

// Called once by the service before it prints: from then on the state files
// and the event log get those permissions whenever they are written.
void ProtectUnattendedFiles();

// WRITE_DAC and READ_CONTROL while protected, else nothing: what an open of a state file or
// of the event log asks for besides writing, so that it can be protected.
DWORD UnattendedFileExtraAccess();

// While protected, gives the file, opened with UnattendedFileExtraAccess(),
// those permissions, replacing what it inherited. True when done, or when
// not protected; false with the system's code as the last error.
bool ProtectUnattendedFile(HANDLE file);

} // namespace sw
