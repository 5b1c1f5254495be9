// Any script gives a list of actions, each a key or a character, with no
// more actions than the script has characters.
#include "fuzz_check.h"
#include "wordprint/key_script.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view script(reinterpret_cast<const char*>(data), size);
    const auto actions = sw::ParseKeyScript(script);
    swfuzz::CrashIf(actions.size() > size);
    for (const sw::KeyAction& action : actions) {
        swfuzz::CrashIf(action.kind == sw::KeyAction::Kind::Press &&
                        (action.virtualKey <= 0 || action.virtualKey > 255));
    }
    return 0;
}
