// The system error code of a call that has just failed, for results that
// report a failure by its code: never 0, so that a failure is never taken for
// success, even from a call that failed without saying why.
#pragma once

#include <windows.h>

#include <cstdint>

namespace sw {

// Clears the last error before a call that may fail without setting one, so
// that such a failure is not blamed on an earlier call's error.
inline void ClearLastError() {
    SetLastError(ERROR_SUCCESS);
}

inline std::int32_t LastErrorOr(DWORD fallback) {
    const DWORD error = GetLastError();
    return static_cast<std::int32_t>(error != ERROR_SUCCESS ? error : fallback);
}

} // namespace sw
