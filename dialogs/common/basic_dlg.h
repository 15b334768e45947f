// Basic attributes: ID, CLASS, TITLE, STYLE, LANG, DIR, events and a few
// element-specific attributes. For the text-level and block elements it
// builds the whole element; for any other id it is the other-attributes
// editor of another dialog and returns the checked attributes, one a line.
#pragma once
#include <string>

#include "dialogs/common/attr_dialog.h"
#include "res/ids/basic_dlg.h"

namespace tq {

// What the STYLE button opens: the style dialogs, which sit a layer above
// this one (on a list element, the list style dialog). True and result set
// on OK. Whoever runs the dialogs installs it (app/runners.cpp).
using StyleEditor = bool (*)(plat::WindowHandle parent, int tagId, const std::string& text, bool listElement,
                             std::string* result);
void SetStyleEditor(StyleEditor editor);

class CBasicDlg : public CAttrDialog {
 public:
  explicit CBasicDlg(plat::WindowHandle parent);

  // Fields, as exchanged with the edit boxes.
  std::string m_strID, m_strClass, m_strTitle, m_strStyle, m_strLang, m_strDir, m_strEvent,
      m_strAlign, m_strOther, m_strWidth, m_strSize;

  // Flag bits of "Bsc_%dFlag".
  enum : int {
    kId = 0x1, kClass = 0x2, kTitle = 0x4, kStyle = 0x8, kLang = 0x10, kDir = 0x20, kEvent = 0x40,
    kAlign = 0x80, kOther = 0x100, kWidth = 0x200, kSize = 0x400, kNoShade = 0x800,
  };

  // The element this id builds whole ("H1" for 29121), or nullptr when the
  // dialog edits another dialog's attributes.
  static const char* ElementOf(int tagId);
  // The check boxes the element of this id does not offer, as flag bits.
  static int UnavailableBits(int tagId);

  // The result built from the fields and a flag word, apart from any
  // window and any settings (OK saves them after).
  std::string Build(int flags) const;

 protected:
  void DoDataExchange(plat::DataExchange& dx) override;
  bool OnInitDialog() override;
  void OnOK() override;
  bool OnCommand(int id, int code) override;

 private:
  void EditStyle();
  void EditEvents();
  void ChooseAlign();
  void ChooseOther();
};

}  // namespace tq
