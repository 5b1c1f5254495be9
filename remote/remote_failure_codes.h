// The system error codes of a remote print that did not go through, for a
// report that keeps a code and no sentence (the event log of unattended
// printing): the transport's own codes pass unchanged (12002 a site that did
// not answer in time, 12029 one that cannot be reached, 12175 a certificate
// that does not check); the others are the codes below. Portable, so that the
// table is unit-tested on the host.
#pragma once

#include <cstdint>

namespace sw {

// ERROR_ACCESS_DENIED: the site asks for a password sent readable on the
// network (Basic sign-in without TLS), which is never sent.
inline constexpr std::int32_t kSignInNotSentCode = 5;
// ERROR_NOT_SUPPORTED: the site refused the job, or the printer takes none of
// the formats it can be sent in; for a Line Printer Daemon, any of its
// acknowledgements other than 0, or the connection closed before one.
inline constexpr std::int32_t kJobRefusedCode = 50;
// ERROR_PRINT_CANCELLED: the site took the job and it was cancelled there
// (by a user or an operator) before it printed.
inline constexpr std::int32_t kJobCancelledCode = 63;
// ERROR_UNEXP_NET_ERR: the answer was no IPP, or an HTTP status other than these.
inline constexpr std::int32_t kUnexpectedAnswerCode = 59;
// ERROR_BUSY: the printer stayed busy with other jobs.
inline constexpr std::int32_t kPrinterBusyCode = 170;
// ERROR_FILE_TOO_LARGE: a job of more than 4 GB.
inline constexpr std::int32_t kJobTooLargeCode = 223;
// ERROR_NOT_FOUND: the site asks for a sign-in and none is stored for the
// account that prints.
inline constexpr std::int32_t kNoSignInStoredCode = 1168;
// ERROR_LOGON_FAILURE: the site did not accept the stored sign-in.
inline constexpr std::int32_t kSignInRefusedCode = 1326;
// ERROR_INVALID_PRINTER_NAME: the site has no such printer.
inline constexpr std::int32_t kNoSuchRemotePrinterCode = 1801;
// WAIT_TIMEOUT: the site took the job, and it was still pending, held or
// printing when the site's wait for its end ran out.
inline constexpr std::int32_t kJobNotEndedCode = 258;
// ERROR_OPERATION_ABORTED: the site took the job and then gave it up (the
// printer or its filters failed).
inline constexpr std::int32_t kJobAbortedCode = 995;

// The code of an HTTP status other than 200 and 401: a resource the site does
// not have is a printer it does not have.
std::int32_t CodeOfHttpStatus(std::uint32_t status);

// The code of an IPP status that refused a request.
std::int32_t CodeOfIppRefusal(std::uint16_t status);

} // namespace sw
