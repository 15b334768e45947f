// Border group of the style composer, and the edge dialog that builds one
// border value from a width, a line style and a colour.
#pragma once
#include <cstdint>
#include <string>

#include "dialogs/common/attr_dialog.h"
#include "res/ids/style_border_dlg.h"

namespace tq {

// Per value, kBorderRowStep ids apart and in the order of the flag bits:
// check box, edit box, "変更" button. The shorthand comes first.
constexpr int kBorderRowStep = IDC_BD_TOP_CHK - IDC_BD_ALL_CHK;

// The width radio buttons run thin, medium, thick, length; the length's
// units px, em, mm, pt.

class CBorderEdgeDlg : public CAttrDialog {
 public:
  explicit CBorderEdgeDlg(plat::WindowHandle parent);
  using CAttrDialog::Init;  // the handed-in text's form stays callable
  // Stores the id and the settings slot; there is no handed-in text.
  void Init(int tagId);

  std::string m_strLength, m_strStyle;
  uint32_t m_clrColor = 0;    // COLORREF: red in the low byte
  std::string m_strColorName;  // wins over the colour value while not empty

  // Flag bits of "EBD_%dFlag".
  enum : int {
    kWidth = 0x1, kThin = 0x2, kThick = 0x4, kLength = 0x8, kStyle = 0x40, kColor = 0x80,
    kEm = 0x200, kMm = 0x400, kPt = 0x800,
  };
  // The edge value built from the fields, the check boxes and the choices
  // (as flag bits), apart from any window and any settings (OK saves them
  // after).
  std::string Build(int flags) const;

 protected:
  void DoDataExchange(plat::DataExchange& dx) override;
  bool OnInitDialog() override;
  void OnOK() override;
  bool OnCommand(int id, int code) override;

 private:
  void ApplyRules();
  void Repaint();
  void PickColor();
};

class CStyleBorderDlg : public CAttrDialog {
 public:
  explicit CStyleBorderDlg(plat::WindowHandle parent);

  std::string m_strBorder, m_strBottom, m_strLeft, m_strRight, m_strTop;

  // Flag bits of "BDR_%dFlag".
  enum : int { kAll = 0x1, kTop = 0x2, kRight = 0x4, kBottom = 0x8, kLeft = 0x10 };
  // The declarations built from the fields and the check boxes (as flag
  // bits), apart from any window and any settings (OK saves them after).
  std::string Build(int flags) const;

 protected:
  void DoDataExchange(plat::DataExchange& dx) override;
  bool OnInitDialog() override;
  void OnOK() override;
  bool OnCommand(int id, int code) override;

 private:
  // row 0 the shorthand, 1..4 top, right, bottom, left.
  void Exclude(int row);
  void ChangeEdge(int row);
};

}  // namespace tq
