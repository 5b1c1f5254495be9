// An in-memory dialog template for the small dialogs built at run time (the
// remote sites, driver download and sign-in dialogs): a caption, a size in
// dialog units, the font "MS Sans Serif" 8, and controls of the predefined
// classes, added one by one or from a table of rows.
#pragma once

#include <windows.h>

#include <initializer_list>
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

// One visible child control of a run-time dialog, as a row of its table;
// `style` is added to WS_CHILD | WS_VISIBLE. Positions are in dialog units.
struct ControlRow {
    WORD id;
    ControlClass kind;
    const char* text;
    DWORD style;
    short x;
    short y;
    short width;
    short height;
};

class DialogTemplate {
  public:
    DialogTemplate(const std::string& caption, short width, short height);
    // The dialog with the controls of the table, in its order (the tab order).
    DialogTemplate(const std::string& caption, short width, short height,
                   std::initializer_list<ControlRow> controls);

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

// The form the remote sites and the driver download dialogs share, 148 by 80
// dialog units: a label over a list (a list box or a combo box) and two push
// buttons under it, the first the default. What differs is given here; the
// list's style gets WS_TABSTOP added.
struct ListDialogForm {
    const char* caption;
    WORD labelId;
    const char* label;
    short labelTop;
    WORD listId;
    ControlClass listKind;
    DWORD listStyle;
    short listTop;
    short listHeight;
    WORD defaultId;
    const char* defaultText;
    WORD otherId;
    const char* otherText;
    short buttonsTop;
};

DialogTemplate ListDialogTemplate(const ListDialogForm& form);

} // namespace sw
