#include "printroute/companion_outcome.h"

#include "remote/job_outcome.h"

#include <optional>
#include <vector>

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

struct ForwardedOutcome {
    unsigned number = 0;
    std::string printer;
    std::string file;
    DWORD start = 0;
    DWORD timeoutMs = 0;
    OutcomeDelivery deliver;
};

std::vector<ForwardedOutcome>& Forwards() {
    static std::vector<ForwardedOutcome> forwards;
    return forwards;
}

// Removes the forward first, so that a delivery that sends messages (and so
// may let another answer in) sees the list as it now stands.
void Deliver(std::vector<ForwardedOutcome>::iterator forward, std::int32_t code) {
    const OutcomeDelivery deliver = forward->deliver;
    Forwards().erase(forward);
    deliver(code);
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
    if (!note)
        return true;
    if (!expected.code && AnswersPrint(*note, expected.printer, expected.file)) {
        expected.code = static_cast<std::int32_t>(note->code);
        return true;
    }
    // The oldest forward for this print: the companion answers its prints
    // in the order it took them.
    std::vector<ForwardedOutcome>& forwards = Forwards();
    for (auto forward = forwards.begin(); forward != forwards.end(); ++forward) {
        if (AnswersPrint(*note, forward->printer, forward->file)) {
            Deliver(forward, static_cast<std::int32_t>(note->code));
            break;
        }
    }
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

unsigned ForwardCompanionOutcome(const std::string& printer, const std::string& file,
                                 DWORD timeoutMs, OutcomeDelivery deliver) {
    static unsigned lastNumber = 0;
    const unsigned number = ++lastNumber;
    Forwards().push_back({number, printer, file, GetTickCount(), timeoutMs, std::move(deliver)});
    return number;
}

void DropForwardedOutcome(unsigned forward) {
    std::vector<ForwardedOutcome>& forwards = Forwards();
    for (auto it = forwards.begin(); it != forwards.end(); ++it) {
        if (it->number == forward) {
            forwards.erase(it);
            return;
        }
    }
}

bool ExpireForwardedOutcomes() {
    const DWORD now = GetTickCount();
    std::vector<ForwardedOutcome>& forwards = Forwards();
    for (auto it = forwards.begin(); it != forwards.end();) {
        if (now - it->start < it->timeoutMs) {
            ++it;
            continue;
        }
        Deliver(it, ERROR_TIMEOUT);
        it = forwards.begin(); // the delivery may have changed the list
    }
    return !forwards.empty();
}

} // namespace sw
