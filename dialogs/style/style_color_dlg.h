// Colour and background group of the style composer: color,
// background-color, -image, -repeat, -attachment and -position.
#pragma once
#include <cstdint>
#include <string>

#include "dialogs/common/attr_dialog.h"
#include "res/ids/style_color_dlg.h"

namespace tq {

class CStyleColorDlg : public CAttrDialog {
 public:
  explicit CStyleColorDlg(plat::WindowHandle parent);

  std::string m_strImage, m_strRepeat, m_strAttachment, m_strPosKW, m_strPosL, m_strPosV;
  // A colour keyword wins over the colour value while it is not empty.
  std::string m_strColorName, m_strBkgName;
  uint32_t m_clrColor = 0;         // COLORREF: red in the low byte
  uint32_t m_clrBkg = 0xFFFFFF;

  // Flag bits of "SylClr_%dFlag".
  enum : int {
    kColor = 0x1, kBkg = 0x2, kImage = 0x4, kRepeat = 0x8, kAttachment = 0x10, kPosition = 0x20,
    kPosKW = 0x40, kPosLCm = 0x80, kPosVCm = 0x100,
  };
  // The declarations built from the fields and the check boxes and units
  // (as flag bits), apart from any window and any settings (OK saves them
  // after).
  std::string Build(int flags) const;

 protected:
  void DoDataExchange(plat::DataExchange& dx) override;
  bool OnInitDialog() override;
  void OnOK() override;
  bool OnCommand(int id, int code) override;

 private:
  void Repaint();
  void ChooseName(std::string& name, int list);
  void ChooseValue(std::string& name, uint32_t& value);
};

}  // namespace tq
