// Declarative dialog templates: the one description of a dialog's controls,
// turned into a real dialog on Win32 and into a control model headless.
#pragma once
#include <cstdint>
#include <vector>

namespace plat {

enum class Ctl : uint8_t {
  Static,      // label
  Edit,        // single-line edit box
  EditMulti,   // multi-line edit box with vertical scroll bar
  EditNumber,  // single-line edit box that takes digits only
  Button,      // push button
  DefButton,   // default push button
  Check,       // auto check box
  Radio,       // auto radio button; a radio with group=true starts a group
  Group,       // group box
  List,        // list box, unsorted, notify, vertical scroll bar
  ListSorted,  // list box, sorted
  Combo,       // drop-down list combo box
  UpDown,      // up-down control attached to the control before it
  Swatch,      // owner-drawn colour swatch (static)
};

struct ControlDesc {
  int id;
  Ctl kind;
  const char* text;  // caption (fixed text, source literal)
  short x, y, cx, cy;  // dialog units
  bool group = false;  // WS_GROUP: starts a radio group / tab group
};

struct DialogTemplate {
  int id;
  const char* title;
  short cx, cy;
  int pointSize;  // of the template font
  std::vector<ControlDesc> controls;
  bool child = false;  // property page (child, no frame) instead of a modal frame
};

// The template font of every dialog.
extern const char* const kDialogFont;

// Registers a template at start-up (one static object per template file;
// the templates are linked as objects, so none is dropped).
struct TemplateRegistration {
  explicit TemplateRegistration(const DialogTemplate& t);
};

// The registered template with this id, or nullptr.
const DialogTemplate* FindTemplate(int id);
const ControlDesc* FindControl(const DialogTemplate& t, int controlId);

// Standard ids.
enum : int { IDOK_ = 1, IDCANCEL_ = 2, IDC_STATIC_ = -1 };

}  // namespace plat
