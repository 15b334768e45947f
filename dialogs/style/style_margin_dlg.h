// Margin and padding group of the style composer, and the per-side value
// dialog that builds a side's value or the shorthand of four sides.
#pragma once
#include <string>

#include "dialogs/common/attr_dialog.h"
#include "res/ids/style_margin_dlg.h"

namespace tq {

// Each kind runs top, right, bottom, left and the shorthand as (check box,
// edit box) pairs, then its "変更" button.
constexpr int kMarginKindStep = IDC_MG_PTOP_CHK - IDC_MG_MTOP_CHK;

// One row per side, kBoxRowStep ids apart: caption, "auto" box, number box,
// up-down control and the unit buttons px, em, mm, pt, %.
constexpr int kBoxRowStep = IDC_BV_RIGHT_LABEL - IDC_BV_TOP_LABEL;

class CBoxValueDlg : public CAttrDialog {
 public:
  explicit CBoxValueDlg(plat::WindowHandle parent);
  using CAttrDialog::Init;  // the handed-in text's form stays callable
  // Stores the id, the settings slot and the mode word.
  void Init(int tagId, int mode);

  // The numbers typed; after OK the finished values ("10px", "auto").
  std::string m_strTop, m_strRight, m_strBottom, m_strLeft;
  int m_nMode = 0;
  std::string m_strShorthand;  // after OK with kShorthand: the four joined

  // Mode word bits.
  enum : int {
    kPadding = 0x1, kShorthand = 0x200,
    kTop = 0x400, kRight = 0x800, kBottom = 0x1000, kLeft = 0x2000, kAllSides = 0x3C00,
  };
  // Flag bits of "MV_%dMFlag" / "MV_%dPFlag" for side 0..3 (top, right,
  // bottom, left): "auto", then the units em, mm, pt, % (none: px).
  static constexpr int AutoBit(int side) { return 1 << (6 * side); }
  // Finishes the offered sides from the numbers and the "auto" and unit
  // choices (as flag bits), apart from any window and any settings (OK
  // saves them first).
  void Build(int flags);

 protected:
  void DoDataExchange(plat::DataExchange& dx) override;
  bool OnInitDialog() override;
  void OnOK() override;
  bool OnCommand(int id, int code) override;

 private:
  void Save(int flags);
  std::string& Side(int side);
  const char* Names(int side) const;
  void RowRule(int side);
};

class CStyleMarginDlg : public CAttrDialog {
 public:
  explicit CStyleMarginDlg(plat::WindowHandle parent);

  std::string m_strMargin, m_strMTop, m_strMRight, m_strMBottom, m_strMLeft;
  std::string m_strPadding, m_strPBottom, m_strPLeft, m_strPRight, m_strPTop;

  // Flag bits of "SylMgn_%dFlag".
  enum : int {
    kMTop = 0x1, kMRight = 0x2, kMBottom = 0x4, kMLeft = 0x8, kMargin = 0x10,
    kPTop = 0x20, kPRight = 0x40, kPBottom = 0x80, kPLeft = 0x100, kPadding = 0x200,
  };
  // The declarations built from the fields and the check boxes (as flag
  // bits), apart from any window and any settings (OK saves them after).
  std::string Build(int flags) const;

 protected:
  void DoDataExchange(plat::DataExchange& dx) override;
  bool OnInitDialog() override;
  void OnOK() override;
  bool OnCommand(int id, int code) override;

 private:
  // kind 0 margin, 1 padding; side 0..3 top, right, bottom, left; 4 the shorthand.
  std::string& Field(int kind, int side);
  void SideRule(int kind, int side);
  void ShorthandRule(int kind);
  void ChangeValues(int kind);
};

}  // namespace tq
