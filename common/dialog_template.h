// An in-memory dialog template for the small dialogs built at run time (the
// remote sites and the driver download dialogs): a caption, a size in dialog
// units, the font "MS Sans Serif" 8, and controls of the predefined classes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace sw {

// The predefined control classes, by their atoms.
enum class ControlClass : WORD {
    Button = 0x0080,
    Edit = 0x0081,
    Static = 0x0082,
    ListBox = 0x0083,
    ComboBox = 0x0085
};

class DialogTemplate {
  public:
    DialogTemplate(const std::string& caption, short width, short height);

    // Adds a visible child control; `style` is added to WS_CHILD | WS_VISIBLE.
    void AddControl(WORD id, ControlClass kind, const std::string& text, DWORD style, short x,
                    short y, short width, short height);

    // The template for DialogBoxIndirectParamA; valid while this object lives
    // and no control is added.
    const DLGTEMPLATE* Template() const;

  private:
    void AddWord(WORD value);
    void AddText(const std::string& text);
    void AlignToDword();

    std::vector<WORD> words_;
};

} // namespace sw
