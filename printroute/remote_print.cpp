#include "printroute/remote_print.h"

#include "common/control_helpers.h"
#include "common/long_path.h"
#include "common/text_helpers.h"
#include "printroute/companion_outcome.h"
#include "printroute/driver_bypass_print.h"
#include "printroute/remote_print_texts.h"
#include "remote/companion_protocol.h"
#include "remote/job_outcome.h"
#include "remote/remote_sites.h"
#include "remote/remote_sites_file.h"
#include "remote/site_address.h"
#include "remote/site_entry.h"
#include "settings/copies_query.h"
#include "settings/printer_queries.h"

#include <windows.h>

namespace sw {
namespace {

// How long a control of the companion may take to answer one message.
constexpr UINT kCompanionAnswerMs = 10000;

// Sends and waits, but not for a companion that hangs. False when the
// control did not answer.
bool SendToControl(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(control, message, wParam, lParam, SMTO_ABORTIFHUNG,
                               kCompanionAnswerMs, &ignored) != 0;
}

bool WriteToCompanion(const CompanionControls& companion, CompanionField field,
                      const std::string& text) {
    HWND handle = companion[field];
    return handle == nullptr ||
           SendToControl(handle, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// Selects the remote printer in the companion's list; false when it is not
// there. The exact search starts after item 0 and wraps round, so every item
// is searched; not found (-1) clears a single selection, so that a printer no
// longer listed is not confused with the one selected before.
bool SelectCompanionPrinter(const CompanionControls& companion, const std::string& printer) {
    HWND list = companion[kFieldPrinterList];
    const int found = FindListBoxTextExact(list, 0, printer);
    SelectListBoxItem(list, found);
    return found >= 0;
}

bool WriteBitmapPlacement(const CompanionControls& companion, const PrintRules& rules) {
    // The remote printer's page is not known here: its site's driver places it.
    const BitmapPlacement box = PlacementFor(rules, std::string());
    return WriteToCompanion(companion, kFieldBitmapLeft, MeasureText(box.left)) &&
           WriteToCompanion(companion, kFieldBitmapTop, MeasureText(box.top)) &&
           WriteToCompanion(companion, kFieldBitmapWidth, MeasureText(box.width)) &&
           WriteToCompanion(companion, kFieldBitmapHeight, MeasureText(box.height));
}

// The size of the file the companion sends; a long path is measured through
// the wide call, as the companion opens it.
std::uint64_t FileBytes(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    return GetFileAttributesExW(SystemPath(path).c_str(), GetFileExInfoStandard, &data)
               ? (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow
               : 0;
}

// How long the companion follows a job to the printer's site once the site
// took it, as the site's entry in "SWRemote.txt" says.
std::uint32_t FollowSecondsOfPrinter(const std::string& printer) {
    const std::optional<RemotePrinterName> name = SplitRemotePrinterItem(TrimSpaces(printer));
    const std::optional<std::vector<std::string>> sites = ReadSitesFile(RemoteSitesFile());
    if (!name || !sites)
        return kDefaultFollowSeconds;
    // A printer's port says nothing of a job once it has its bytes.
    const std::optional<SiteAddress> address = ParseSiteAddress(name->site);
    if (address && (address->appSocket || IsLpdSite(*address)))
        return 0;
    return FollowSecondsOfSite(*sites, name->site);
}

} // namespace

bool IsRemotePrinter(std::string_view printer) {
    return printer.find(':') != std::string_view::npos;
}

RemotePrintTexts RemotePrintSettings(const std::string& printer, const std::string& file,
                                     const PrintContext& context) {
    std::string landscape;
    std::string portrait;
    const std::int16_t orientation = GetOrientationSetting(printer, landscape, portrait);
    const std::int32_t copies =
        GetCopiesSetting(TrimSpaces(file), TrimSpaces(printer), context.rememberedCopies);
    RemotePrintTexts texts;
    texts.autoFormfeed = AutoFormfeedText(GetAutoFormfeedSetting(printer));
    texts.copies = CopiesText(copies);
    texts.copyCount = copies > 0 ? static_cast<std::uint32_t>(copies) : 1;
    texts.printMethod = PrintMethodText(file);
    texts.orientation = OrientationText(orientation, landscape, portrait);
    return texts;
}

std::int32_t PrintThroughCompanion(const PrintRequest& request, const PrintRules& rules,
                                   const PrintContext& context) {
    const CompanionControls& companion = context.companion;
    const std::string& printer = request.printer;
    const std::string& file = request.file;
    const RemotePrintTexts texts = RemotePrintSettings(printer, file, context);
    const bool written = WriteToCompanion(companion, kFieldAutoFormfeed, texts.autoFormfeed) &&
                         WriteToCompanion(companion, kFieldCopies, texts.copies) &&
                         (!SendsBitmapPlacement(file) || WriteBitmapPlacement(companion, rules)) &&
                         WriteToCompanion(companion, kFieldPrintMethod, texts.printMethod) &&
                         WriteToCompanion(companion, kFieldOrientation, texts.orientation);
    if (!written)
        return ERROR_TIMEOUT;
    const bool listed = SelectCompanionPrinter(companion, printer);

    // Without its print command nothing can start the print; a printer it
    // does not list would get a click without a selection, which prints
    // nothing.
    HWND printCommand = companion[kFieldPrintCommand];
    if (printCommand == nullptr)
        return ERROR_NOT_READY;
    if (!listed)
        return ERROR_INVALID_PRINTER_NAME;
    const std::string& handed = request.handedFile.empty() ? file : request.handedFile;
    // Listening starts before the click: the answer may come during it.
    const bool forwarded = static_cast<bool>(request.forwardOutcome);
    const unsigned forward =
        forwarded ? ForwardCompanionOutcome(TrimSpaces(printer), handed,
                                            OutcomeWaitMs(FileBytes(handed), texts.copyCount,
                                                          FollowSecondsOfPrinter(printer)),
                                            request.forwardOutcome)
                  : 0;
    if (request.awaitOutcome)
        ExpectCompanionOutcome(TrimSpaces(printer), handed);
    if (!SendToControl(printCommand, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(handed.c_str())) ||
        !SendToControl(printCommand, BM_CLICK, 0, 0)) {
        if (forwarded)
            DropForwardedOutcome(forward);
        return request.awaitOutcome ? AwaitCompanionOutcome(0) : ERROR_TIMEOUT;
    }
    if (!request.awaitOutcome)
        return 0;
    return AwaitCompanionOutcome(
        OutcomeWaitMs(FileBytes(handed), texts.copyCount, FollowSecondsOfPrinter(printer)));
}

} // namespace sw
