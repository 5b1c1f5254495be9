#include "service/service_ticks.h"

#include "service/unattended_owner.h"
#include "unattended/schedule_file.h"

namespace sw {

void RunServiceTicks(HANDLE stopEvent, const PrintContext& context,
                     void (*onPass)(const UnattendedPassResult&)) {
    UnattendedOwnership owner;
    for (;;) {
        const DWORD period = static_cast<DWORD>(MinimumInterval());
        if (WaitForSingleObject(stopEvent, period) != WAIT_TIMEOUT)
            break;
        if (!owner.Held()) {
            if (!owner.TryTake())
                continue;
            // The window may have printed since this process last read them.
            ForgetUnattendedMemory();
        }
        onPass(RunUnattendedPass(context));
    }
    owner.Release();
}

} // namespace sw
