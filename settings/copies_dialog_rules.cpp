#include "settings/copies_dialog_rules.h"

#include "settings/setting_names.h"

namespace sw {

CopiesDialogStart ChooseCopiesDialogStart(std::int32_t fileCount, std::int32_t printerCount) {
    CopiesDialogStart start;
    if (fileCount == printerCount) {
        start.count = fileCount == 0 ? 1 : fileCount;
        start.scope = CopiesScope::Both;
    } else if (fileCount > 0) {
        start.count = fileCount;
        start.scope = CopiesScope::FileOnly;
    } else {
        start.count = printerCount;
        start.scope = CopiesScope::PrinterOnly;
    }
    start.store = start.count > 1;
    if (start.count == 0)
        start.count = 1;
    if (start.count > kMostCopies)
        start.count = kMostCopies;
    return start;
}

CopiesSavePlan PlanCopiesSave(const CopiesDialogChoice& choice) {
    const bool forFile = choice.scope != CopiesScope::PrinterOnly;
    const bool forPrinter = choice.scope != CopiesScope::FileOnly;
    const std::string pattern = FolderPattern(choice.file);

    CopiesSavePlan plan;
    plan.sectionsToClear = {FileCopiesSection(choice.file), FileCopiesSection(pattern),
                            PrinterCopiesSection(choice.printer)};
    plan.remembered.count = choice.count < kMostCopies ? choice.count : kMostCopies;
    if (forFile)
        plan.remembered.file = choice.folder ? pattern : choice.file;
    if (forPrinter)
        plan.remembered.printer = choice.printer;
    if (choice.store && plan.remembered.count > 1) {
        if (forFile)
            plan.sectionsToWrite.push_back(FileCopiesSection(plan.remembered.file));
        if (forPrinter)
            plan.sectionsToWrite.push_back(PrinterCopiesSection(choice.printer));
    }
    return plan;
}

} // namespace sw
