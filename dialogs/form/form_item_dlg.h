// LABEL, OPTGROUP, OPTION and LEGEND: one dialog showing every attribute;
// each element keeps only the boxes it has.
#pragma once
#include <string>

#include "dialogs/common/attr_dialog.h"
#include "res/ids/form_item_dlg.h"

namespace tq {

class CFormItemDlg : public CAttrDialog {
 public:
  explicit CFormItemDlg(plat::WindowHandle parent);

  // Fields, as exchanged with the edit boxes.
  std::string m_strLabel, m_strFor, m_strValue, m_strAccessKey, m_strAlign, m_strOnBlur,
      m_strOnFocus, m_strAttr;

  // Flag bits of "FMM_%dFlag".
  enum : int {
    kLabel = 0x1, kFor = 0x2, kValue = 0x4, kAccessKey = 0x8, kDisabled = 0x10,
    kSelected = 0x20, kAlign = 0x40, kOnFocus = 0x80, kOnBlur = 0x100, kAttr = 0x200,
  };
  // The element built from the fields and a flag word, apart from any
  // window and any settings (OK saves them after).
  std::string Build(int flags) const;

 protected:
  void DoDataExchange(plat::DataExchange& dx) override;
  bool OnInitDialog() override;
  void OnOK() override;
  bool OnCommand(int id, int code) override;

 private:
  // The element's name and the flag bits of the boxes it offers.
  const char* Element() const;
  int Offered() const;
};

}  // namespace tq
