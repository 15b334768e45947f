// Border group of the style composer, and the edge dialog that builds one
// border value from a width, a line style and a colour.
#pragma once
#include <cstdint>
#include <string>

#include "dialogs/common/attr_dialog.h"

namespace tq {

// Per value, kBorderRowStep ids apart and in the order of the flag bits:
// check box, edit box, "変更" button. The shorthand comes first.
enum : int {
  IDD_STYLE_BORDER = 2009,
  IDC_BD_ALL_CHK = 1000, IDC_BD_ALL, IDC_BD_ALL_CHANGE,
  IDC_BD_TOP_CHK, IDC_BD_TOP, IDC_BD_TOP_CHANGE,
  IDC_BD_RIGHT_CHK, IDC_BD_RIGHT, IDC_BD_RIGHT_CHANGE,
  IDC_BD_BOTTOM_CHK, IDC_BD_BOTTOM, IDC_BD_BOTTOM_CHANGE,
  IDC_BD_LEFT_CHK, IDC_BD_LEFT, IDC_BD_LEFT_CHANGE,
};
constexpr int kBorderRowStep = IDC_BD_TOP_CHK - IDC_BD_ALL_CHK;

// The width radio buttons run thin, medium, thick, length; the length's
// units px, em, mm, pt.
enum : int {
  IDD_BORDER_EDGE = 2010,
  IDC_EB_WIDTH_CHK = 1000, IDC_EB_THIN, IDC_EB_MEDIUM, IDC_EB_THICK, IDC_EB_BY_LENGTH,
  IDC_EB_LENGTH, IDC_EB_LENGTH_SPIN, IDC_EB_PX, IDC_EB_EM, IDC_EB_MM, IDC_EB_PT,
  IDC_EB_COLOR_CHK = 1020, IDC_EB_SWATCH, IDC_EB_COLOR_NAME, IDC_EB_COLOR_PICK,
  IDC_EB_STYLE_CHK = 1030, IDC_EB_STYLE, IDC_EB_STYLE_LIST,
};

class CBorderEdgeDlg : public CAttrDialog {
 public:
  explicit CBorderEdgeDlg(plat::WindowHandle parent);
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
  // (as flag bits), with the writes OK makes, apart from any window.
  std::string Build(int flags);

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
  // bits), with the writes OK makes, apart from any window.
  std::string Build(int flags);

 protected:
  void DoDataExchange(plat::DataExchange& dx) override;
  bool OnInitDialog() override;
  void OnOK() override;
  bool OnCommand(int id, int code) override;

 private:
  // row 0 the shorthand, 1..4 top, right, bottom, left.
  std::string& Field(int row);
  void Exclude(int row);
  void ChangeEdge(int row);
};

}  // namespace tq
