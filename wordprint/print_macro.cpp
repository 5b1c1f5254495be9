#include "wordprint/print_macro.h"

namespace sw {

std::vector<std::string> PrintMacroScripts() {
    // Two double quotes: an empty text in the macro's language.
    const std::string empty = "\"\"";
    return {
        "%{F11}",
        "Sub PrintAndExit()~",
        "'~",
        "' PrintAndExit Macro~",
        "' Macro recorded 04/20/99 by Vaskel Quorvel~",
        "'~",
        "    Application.PrintOut FileName:=" + empty + ", Range:=wdPrintAllDocument, Item:= _~",
        "        wdPrintDocumentContent, Copies:=1, Pages:=" + empty +
            ", PageType:=wdPrintAllPages, _~",
        "        Collate:=True, Background:=False, PrintToFile:=False~",
        "    Application.Quit 0~",
        "End Sub~",
        "%{F4}",
        "%{F4}",
    };
}

} // namespace sw
