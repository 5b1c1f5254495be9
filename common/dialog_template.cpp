#include "common/dialog_template.h"

namespace sw {
namespace {

constexpr DWORD kDialogStyle =
    DS_SETFONT | DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU;
// Where the count of controls sits in the template, in words.
constexpr std::size_t kCountWord = 4;

} // namespace

DialogTemplate::DialogTemplate(const std::string& caption, short width, short height) {
    AddWord(LOWORD(kDialogStyle));
    AddWord(HIWORD(kDialogStyle));
    AddWord(0); // extended style
    AddWord(0);
    AddWord(0); // controls, counted as they are added
    AddWord(0); // x, y
    AddWord(0);
    AddWord(static_cast<WORD>(width));
    AddWord(static_cast<WORD>(height));
    AddWord(0); // no menu
    AddWord(0); // the standard dialog class
    AddText(caption);
    AddWord(8);
    AddText("MS Sans Serif");
}

DialogTemplate::DialogTemplate(const std::string& caption, short width, short height,
                               std::initializer_list<ControlRow> controls)
    : DialogTemplate(caption, width, height) {
    for (const ControlRow& row : controls)
        AddControl(row.id, row.kind, row.text, row.style, row.x, row.y, row.width, row.height);
}

void DialogTemplate::AddControl(WORD id, ControlClass kind, const std::string& text, DWORD style,
                                short x, short y, short width, short height) {
    AlignToDword();
    const DWORD fullStyle = WS_CHILD | WS_VISIBLE | style;
    AddWord(LOWORD(fullStyle));
    AddWord(HIWORD(fullStyle));
    AddWord(0); // extended style
    AddWord(0);
    AddWord(static_cast<WORD>(x));
    AddWord(static_cast<WORD>(y));
    AddWord(static_cast<WORD>(width));
    AddWord(static_cast<WORD>(height));
    AddWord(id);
    AddWord(0xFFFF);
    AddWord(static_cast<WORD>(kind));
    AddText(text);
    AddWord(0); // no creation data
    ++words_[kCountWord];
}

DialogTemplate ListDialogTemplate(const ListDialogForm& form) {
    // In dialog units: a 7-unit margin, the label and the list across 134.
    return DialogTemplate(
        form.caption, 148, 80,
        {{form.labelId, ControlClass::Static, form.label, SS_LEFT, 7, form.labelTop, 134, 8},
         {form.listId, form.listKind, "", form.listStyle | WS_TABSTOP, 7, form.listTop, 134,
          form.listHeight},
         {form.defaultId, ControlClass::Button, form.defaultText, BS_DEFPUSHBUTTON | WS_TABSTOP, 20,
          form.buttonsTop, 50, 14},
         {form.otherId, ControlClass::Button, form.otherText, BS_PUSHBUTTON | WS_TABSTOP, 78,
          form.buttonsTop, 50, 14}});
}

const DLGTEMPLATE* DialogTemplate::Template() const {
    return reinterpret_cast<const DLGTEMPLATE*>(words_.data());
}

void DialogTemplate::AddWord(WORD value) {
    words_.push_back(value);
}

void DialogTemplate::AddText(const std::string& text) {
    const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::vector<WCHAR> wide(length > 0 ? static_cast<std::size_t>(length) : 1, L'\0');
    if (length > 0)
        MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
    for (WCHAR c : wide)
        words_.push_back(static_cast<WORD>(c));
}

void DialogTemplate::AlignToDword() {
    // std::vector's storage is aligned for any scalar, so even word counts are
    // DWORD boundaries.
    if (words_.size() % 2 != 0)
        words_.push_back(0);
}

} // namespace sw
