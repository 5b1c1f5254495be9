#include "remote/remote_failure_codes.h"

namespace sw {
namespace {

constexpr std::uint16_t kIppNotFound = 0x0406; // client-error-not-found: no such queue
constexpr std::uint16_t kIppBusy = 0x0507;     // server-error-busy

} // namespace

std::int32_t CodeOfHttpStatus(std::uint32_t status) {
    return status == 404 ? kNoSuchRemotePrinterCode : kUnexpectedAnswerCode;
}

std::int32_t CodeOfIppRefusal(std::uint16_t status) {
    switch (status) {
    case kIppNotFound:
        return kNoSuchRemotePrinterCode;
    case kIppBusy:
        return kPrinterBusyCode;
    default:
        return kJobRefusedCode;
    }
}

} // namespace sw
