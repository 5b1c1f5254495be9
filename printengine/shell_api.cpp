#include "printengine/shell_api.h"

#include <shlobj.h>

namespace sw {

ShellApi& Shell() {
    static ShellApi api = {SHAddToRecentDocs};
    return api;
}

} // namespace sw
