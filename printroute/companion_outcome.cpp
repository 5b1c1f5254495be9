#include "printroute/companion_outcome.h"

#include "remote/job_outcome.h"

#include <optional>

namespace sw {
namespace {

// The longest pause between two looks at the answer.
constexpr DWORD kWaitStepMs = 100;
// An answer is one short line; more is no answer.
constexpr DWORD kLongestAnswer = 70000;

// The one print waited for: the program's single GUI thread waits for one
// answer at a time.
struct ExpectedOutcome {
    std::string printer;
    std::string file;
    std::optional<std::int32_t> code;
};

ExpectedOutcome& Expected() {
    static ExpectedOutcome expected;
    return expected;
}

} // namespace

void ExpectCompanionOutcome(const std::string& printer, const std::string& file) {
    Expected() = ExpectedOutcome{printer, file, std::nullopt};
}

bool TakeCompanionOutcome(const COPYDATASTRUCT* data) {
    if (data == nullptr || data->dwData != kJobOutcomeCopyData || data->lpData == nullptr ||
        data->cbData > kLongestAnswer)
        return false;
    const std::string text(static_cast<const char*>(data->lpData), data->cbData);
    const std::optional<JobOutcomeNote> note = ReadJobOutcomeText(text.c_str());
    ExpectedOutcome& expected = Expected();
    // An answer to a print nobody waits for (one started in the window) is
    // taken and dropped.
    if (note && !expected.code && AnswersPrint(*note, expected.printer, expected.file))
        expected.code = static_cast<std::int32_t>(note->code);
    return true;
}

std::int32_t AwaitCompanionOutcome(DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!Expected().code) {
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= timeoutMs)
            break;
        const DWORD left = timeoutMs - elapsed;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, left < kWaitStepMs ? left : kWaitStepMs,
                                  QS_SENDMESSAGE);
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    const std::optional<std::int32_t> code = Expected().code;
    Expected() = ExpectedOutcome{};
    return code ? *code : ERROR_TIMEOUT;
}

} // namespace sw
